#pragma once
// How the Create Card Set wizard treats pictures of other sizes than the card's, kept between runs
// in a section of its own of "velmora.ini" so that the game's four settings stay as they are.

#include <filesystem>

#include "cardsets/PictureFit.h"

namespace velmora {

inline constexpr const char* kPictureFitSection = "picturefit";

struct PictureFitSettings {
    bool FitOn = true;               // "Fit pictures of other sizes to the cards"
    FitMode Mode = FitMode::Crop;    // Crop or Fit while FitOn
    bool SizeFromFirstPicture = false;

    // The mode a picture is read with: Exact while fitting is off.
    FitMode Effective() const { return FitOn ? Mode : FitMode::Exact; }

    // A missing file, section or key gives the default; a mode other than crop or fit reads as crop.
    static PictureFitSettings Read(const std::filesystem::path& programFolder);
    // Writes this section only, keeping the rest of the file; raises EIniFileException on failure.
    void Write(const std::filesystem::path& programFolder) const;

    bool operator==(const PictureFitSettings&) const = default;
};

}  // namespace velmora
