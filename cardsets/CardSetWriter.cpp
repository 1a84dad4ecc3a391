#include "cardsets/CardSetWriter.h"

#include <algorithm>
#include <array>
#include <memory>

#include "cardsets/ByteReader.h"
#include "cardsets/CardSetError.h"
#include "cardsets/CardSetFolder.h"
#include "cardsets/CardSetFormats.h"
#include "cardsets/FilePartNames.h"
#include "cardsets/PayloadContainer.h"
#include "cardsets/PayloadReader.h"
#include "cardsets/PayloadWriter.h"
#include "compression/Stream.h"

namespace velmora {

namespace {

bool HasSize(const Picture& picture, std::int32_t width, std::int32_t height) {
    return picture.Width == width && picture.Height == height &&
           picture.Pixels.size() == static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
}

void CheckText(const std::string& text, const Phrase& what, const std::string& fileName) {
    if (text.size() > static_cast<std::size_t>(MaxTextLength)) ThrowUnwritableCardSet(fileName, TooLongText(), what);
    // Readers end a text at its first zero byte, so such a text would not read back as written.
    if (text.find('\0') != std::string::npos) {
        ThrowUnwritableCardSet(fileName, ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "%1 holds a zero byte")), what);
    }
}

void CheckCards(const CardSetDescription& set, const std::string& fileName) {
    if (set.CardNames.size() != set.CardPictures.size()) {
        const char* unnamed = VELMORA_TRANSLATE_NOOP("Errors", "there are %1 cards but %2 card names");
        ThrowUnwritableCardSet(fileName, ErrorPhrase(unnamed, {std::to_string(set.CardPictures.size()),
                                                               std::to_string(set.CardNames.size())}));
    }
    for (std::size_t card = 0; card < set.CardPictures.size(); ++card) {
        CheckText(set.CardNames[card], CardNamePart(card), fileName);
        if (!HasSize(set.CardPictures[card], set.CardWidth, set.CardHeight)) {
            const char* wrongSize = VELMORA_TRANSLATE_NOOP("Errors", "the picture of card %1 is not %2 x %3 pixels");
            ThrowUnwritableCardSet(fileName, ErrorPhrase(wrongSize, {std::to_string(card),
                                                                     std::to_string(set.CardWidth),
                                                                     std::to_string(set.CardHeight)}));
        }
    }
}

void CheckBackground(const CardSetDescription& set, const std::string& fileName) {
    if (!set.Background) return;
    const Picture& background = *set.Background;
    const bool sideOk = background.Width >= 1 && background.Height >= 1 && background.Width <= MaxBackgroundSide &&
                        background.Height <= MaxBackgroundSide;
    if (!sideOk || !HasSize(background, background.Width, background.Height)) {
        const char* wrongSize =
            VELMORA_TRANSLATE_NOOP("Errors", "the background picture is not a picture of 1 x 1 to %1 x %1 pixels");
        ThrowUnwritableCardSet(fileName, ErrorPhrase(wrongSize, {std::to_string(MaxBackgroundSide)}));
    }
}

CardSetPrefix PrefixOf(const CardSetDescription& set) {
    return {static_cast<std::int32_t>(set.CardPictures.size()), set.CardWidth, set.CardHeight, set.Details};
}

void WriteFile(const std::filesystem::path& path, const std::filesystem::path& target,
               const CardSetDescription& set, ProgressSession& progress) {
    std::unique_ptr<FileStream> file;
    try {
        file = std::make_unique<FileStream>(path, FileStream::Mode::Create);
    } catch (const EFCreateError&) {
        throw EFCreateError(CannotCreateFile(target.string()));
    }
    const std::vector<std::uint8_t> prefix = EncodeCardSetPrefix(PrefixOf(set));
    file->WriteBuffer(prefix.data(), static_cast<std::int64_t>(prefix.size()));
    PackPayload(BuildCardSetPayload(set, progress), *file, progress);
    file->Close();
}

}  // namespace

void CheckCardSetDescription(const CardSetDescription& set, const std::string& fileName) {
    const auto count = static_cast<std::int32_t>(std::min<std::size_t>(set.CardPictures.size(), 1000));
    if (!IsValidCardSetHeader(count, set.CardWidth, set.CardHeight)) {
        const char* noFormat =
            VELMORA_TRANSLATE_NOOP("Errors", "%1 cards of %2 x %3 pixels do not make a set of any format");
        ThrowUnwritableCardSet(fileName, ErrorPhrase(noFormat, {std::to_string(set.CardPictures.size()),
                                                                std::to_string(set.CardWidth),
                                                                std::to_string(set.CardHeight)}));
    }
    CheckCards(set, fileName);
    const CardSetDetails& d = set.Details;
    const std::array<Phrase, DetailTextCount> parts = DetailTextParts();
    const std::array<const std::string*, DetailTextCount> texts{&d.Author, &d.Email, &d.Web, &d.Notes, &d.Language};
    for (std::size_t i = 0; i < parts.size(); ++i) CheckText(*texts[i], parts[i], fileName);
    CheckBackground(set, fileName);
}

void WriteCardSet(const std::filesystem::path& target, const CardSetDescription& set, CardSetProgress* progress) {
    const std::string fileName = target.filename().string();
    CheckCardSetDescription(set, fileName);
    const std::filesystem::path temporary = TemporaryCardSetPath(target);
    ProgressSession session(progress);
    try {
        WriteFile(temporary, target, set, session);
        std::filesystem::rename(temporary, target);
    } catch (const EFCreateError&) {
        throw;
    } catch (const std::exception& e) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        ThrowUnwritableCardSet(fileName, e);
    }
    session.Close();
}

}  // namespace velmora
