#include "cardsets/CardSetReader.h"

#include "cardsets/PayloadContainer.h"
#include "compression/Stream.h"

namespace velmora {

CardSetContents ReadCardSetFile(const std::filesystem::path& path, const std::string& fileName,
                                bool withBackground, bool headerOnly, CardSetProgress* progress) {
    CardSetContents contents;
    std::vector<std::uint8_t> payload;
    ProgressSession session(progress);
    {
        FileStream file(path, FileStream::Mode::Read);
        contents.Prefix = ReadCardSetPrefix(file, fileName);
        if (headerOnly) return contents;
        session.Show();
        payload = UnpackPayload(file, contents.Prefix, fileName, session);
    }
    contents.Payload = ReadCardSetPayload(payload, contents.Prefix, withBackground, fileName, session);
    session.Close();
    return contents;
}

}  // namespace velmora
