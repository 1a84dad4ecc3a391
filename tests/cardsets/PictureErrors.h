#pragma once
// What reading a picture file says: the error's text, or "no error" when the file was read.

#include <filesystem>
#include <string>

#include "cardsets/pictures/PictureFile.h"

namespace velmora::testing {

inline std::string PictureErrorOf(const std::filesystem::path& path) {
    try {
        ReadPictureFile(path);
    } catch (const EPictureError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace velmora::testing
