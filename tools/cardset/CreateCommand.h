#pragma once
// velmora-cardset create: a card set from a folder of .bmp and .jpg pictures, for authors who
// prefer a script to the wizard. The first picture is the card back; the pictures go in file-name
// order, or in the order of a list file.

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace velmora {

struct CreateOptions {
    std::filesystem::path Folder;
    std::filesystem::path Output;
    std::optional<std::size_t> Format;           // by the number of pictures when not given
    std::optional<std::filesystem::path> List;   // one picture file name a line, relative to Folder
    std::optional<std::filesystem::path> Background;
    std::optional<std::uint32_t> Colour;         // 0x00BBGGRR
    // UTF-8, as typed on the command line.
    std::string Author, Email, Web, Notes, Language;
};

// Raises std::invalid_argument with a usage hint for unknown or incomplete options.
CreateOptions ParseCreateOptions(const std::vector<std::string>& args);

// Raises the picture and writer errors, and std::runtime_error for pictures that make no set.
void CreateCardSet(const CreateOptions& options, std::ostream& out);

}  // namespace velmora
