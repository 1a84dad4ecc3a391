#include "cardsets/CardSetReader.h"

#include "cardsets/PayloadContainer.h"
#include "compression/Stream.h"

namespace velmora {
namespace {

// Sets are addressed by their names in the program folder, and the user knows them by those:
// the error names the file as the caller did, not the folder it lies in.
FileStream OpenCardSet(const std::filesystem::path& path, const std::string& fileName) {
    try {
        return FileStream(path, FileStream::Mode::Read);
    } catch (const EFOpenError&) {
        throw EFOpenError(CannotOpenFile(fileName));
    }
}

}  // namespace

CardSetContents ReadCardSetFile(const std::filesystem::path& path, const std::string& fileName,
                                CardSetParts parts, CardSetProgress* progress) {
    CardSetContents contents;
    std::vector<std::uint8_t> payload;
    ProgressSession session(progress);
    {
        FileStream file = OpenCardSet(path, fileName);
        contents.Prefix = ReadCardSetPrefix(file, fileName);
        if (parts == CardSetParts::Details) return contents;
        session.Show();
        payload = UnpackPayload(file, contents.Prefix, fileName, session);
    }
    contents.Payload = ReadCardSetPayload(payload, contents.Prefix,
                                          parts == CardSetParts::PicturesAndBackground, fileName, session);
    session.Close();
    return contents;
}

}  // namespace velmora
