#include "app/CardSetFileType.h"

#include <fstream>
#include <system_error>

namespace velmora {
namespace {

const char* const kMimeEntry =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
    "  <mime-type type=\"application/x-velmora-cardset\">\n"
    "    <comment>Velmora Card Set File</comment>\n"
    "    <generic-icon name=\"application-x-velmora-cardset\"/>\n"
    "    <glob pattern=\"*.cst\"/>\n"
    "  </mime-type>\n"
    "</mime-info>\n";

// Writes through a temporary file so that a half-written entry never stands in for a whole one.
void WriteWhole(const std::filesystem::path& path, const std::string& bytes) {
    const auto fail = [&path] { throw ERegistryException("Failed to set data for '" + path.string() + "'"); };
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error) fail();
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            std::filesystem::remove(temporary, error);
            fail();
        }
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        fail();
    }
}

}  // namespace

std::filesystem::path CardSetMimeEntry(const std::filesystem::path& dataFolder) {
    return dataFolder / "mime" / "packages" / "velmora-cardset.xml";
}

std::filesystem::path CardSetIconFile(const std::filesystem::path& dataFolder) {
    return dataFolder / "icons" / "hicolor" / "48x48" / "mimetypes" / "application-x-velmora-cardset.png";
}

bool CardSetFileTypeRegistered(const std::filesystem::path& dataFolder) {
    std::error_code error;
    return std::filesystem::exists(CardSetMimeEntry(dataFolder), error) &&
           std::filesystem::exists(CardSetIconFile(dataFolder), error);
}

bool RegisterCardSetFileType(const std::filesystem::path& dataFolder, const std::string& iconPng) {
    if (CardSetFileTypeRegistered(dataFolder)) return false;
    WriteWhole(CardSetMimeEntry(dataFolder), kMimeEntry);
    WriteWhole(CardSetIconFile(dataFolder), iconPng);
    return true;
}

}  // namespace velmora
