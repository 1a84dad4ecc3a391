#pragma once
// velmora-cardset create: a card set from a folder of pictures of any readable format, for authors
// who prefer a script to the wizard. The first picture is the card back; the pictures go in
// file-name order, or in the order of a list file. Pictures of other sizes than the card's are
// cropped or fitted to it, or refused with --fit exact.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cardsets/PictureFit.h"

namespace velmora {

struct CreateOptions {
    std::filesystem::path Folder;
    std::filesystem::path Output;
    std::optional<std::size_t> Format;           // by the number of pictures when not given
    std::optional<std::filesystem::path> List;   // one picture file name a line, relative to Folder
    std::optional<std::filesystem::path> Background;
    std::optional<std::uint32_t> Colour;         // 0x00BBGGRR
    FitMode Fit = FitMode::Crop;
    // When not given: the first picture's own size when the format holds it, else the largest card
    // of the format with the first picture's aspect ratio.
    std::optional<PictureSize> Size;
    // UTF-8, as typed on the command line.
    std::string Author, Email, Web, Notes, Language;
};

// Drawings with text are rendered with the fonts of a Qt application: one without a screen lives
// as long as this does.
class PictureReadersSession {
public:
    PictureReadersSession();
    ~PictureReadersSession();
    PictureReadersSession(const PictureReadersSession&) = delete;
    PictureReadersSession& operator=(const PictureReadersSession&) = delete;
};

// Raises std::invalid_argument with a usage hint for unknown or incomplete options.
CreateOptions ParseCreateOptions(const std::vector<std::string>& args);

// Raises the picture and writer errors, and std::runtime_error for pictures that make no set.
void CreateCardSet(const CreateOptions& options, std::ostream& out);

}  // namespace velmora
