#pragma once
// How the main window was shown when the program last closed: its zoom, its size and whether it
// filled the screen. Kept in a section of its own of "velmora.ini", so the game's four settings
// stay exactly as they are.

#include <filesystem>
#include <optional>

#include "app/Zoom.h"

namespace velmora {

inline constexpr const char* kViewSection = "view";

struct ViewSettings {
    std::optional<Zoom> ZoomChoice;  // none: never chosen, or a value the program does not offer
    // The window's room below its menu bar when it last had a normal size; 0 x 0 none. The menu
    // bar is left out because its height depends on the desktop's font, not on the zoom.
    Extent RoomSize;
    bool FullScreen = false;

    // A missing file, section or key gives "none"; numbers that are not numbers read as 0.
    static ViewSettings Read(const std::filesystem::path& programFolder);
    // Writes this section only, keeping the rest of the file; raises EIniFileException on failure.
    void Write(const std::filesystem::path& programFolder) const;

    bool operator==(const ViewSettings&) const = default;
};

struct ViewState {
    Zoom ZoomChoice = Zoom::Percent100;
    Extent RoomSize;
    bool FullScreen = false;
    bool operator==(const ViewState&) const = default;
};

// The view to open with on a screen whose available area is available, chrome being what the
// window adds around its room (menu bar, frame). A zoom never chosen or not offered, a room smaller
// than the 100 % client or a window larger than the available area (a smaller screen than last
// time) give the first start's zoom and room; a zoom kept without any size takes its own room
// where the screen holds it.
ViewState ResolveView(const ViewSettings& saved, Extent available, Extent chrome);

}  // namespace velmora
