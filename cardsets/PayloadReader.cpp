#include "cardsets/PayloadReader.h"

#include "cardsets/ByteReader.h"
#include "cardsets/FilePartNames.h"
#include "cardsets/PixelRun.h"
#include "cardsets/SystemColours.h"
#include "text/PhraseError.h"

namespace velmora {

namespace {

constexpr std::size_t PaletteSize = 3 * 256;
constexpr std::size_t MarkerSize = 7;

std::int64_t CardRecordsSize(const CardSetPrefix& prefix, std::int64_t nameLength) {
    return prefix.CardCount * (4 + nameLength + PixelRunSize(prefix.CardWidth, prefix.CardHeight));
}

ColourTable ReadPalette(ByteReader& reader) {
    const auto bytes = reader.ReadBytes(PaletteSize, ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the palette")));
    ColourTable palette{};
    for (std::size_t i = 0; i < palette.size(); ++i) {
        palette[i] = std::uint32_t{bytes[3 * i]} << 16 | std::uint32_t{bytes[3 * i + 1]} << 8 | bytes[3 * i + 2];
    }
    return palette;
}

void ReadCards(ByteReader& reader, const CardSetPrefix& prefix, CardSetPayload& payload, ProgressSession& progress) {
    progress.SetStepFor(prefix.CardCount);
    Picture work(prefix.CardWidth, prefix.CardHeight);
    work.Palette = payload.Palette;
    for (std::int32_t card = 0; card < prefix.CardCount; ++card) {
        progress.StepIt();
        const auto number = static_cast<std::size_t>(card);
        payload.CardNames.push_back(reader.ReadCountedString(CardNamePart(number)));
        ReadPixelRun(reader, work, CardPicturePart(number));
        payload.CardPictures.push_back(work);
    }
}

Picture ColourTile(std::uint32_t stored, const ColourTable& palette) {
    Picture tile(ColourTileSize, ColourTileSize, ResolveColour(stored));
    tile.Palette = palette;
    return tile;
}

void ReadBackgroundPicture(ByteReader& reader, CardSetPayload& payload) {
    const Phrase size = ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the background size"));
    const std::int32_t width = reader.ReadInt32(size);
    const std::int32_t height = reader.ReadInt32(size);
    if (width < 1 || height < 1 || width > MaxBackgroundSide || height > MaxBackgroundSide) {
        reader.Fail(
            ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the background size %1 x %2 is not within 1 x 1 to %3 x %3"),
                        {std::to_string(width), std::to_string(height), std::to_string(MaxBackgroundSide)}));
    }
    const Phrase picture = ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the background picture"));
    // Checked before the picture is made, so a cut payload allocates nothing.
    reader.Need(static_cast<std::size_t>(PixelRunSize(width, height)), picture);
    payload.BackgroundTile = Picture(width, height);
    payload.BackgroundTile.Palette = payload.Palette;
    ReadPixelRun(reader, payload.BackgroundTile, picture);
}

void ReadBackground(ByteReader& reader, CardSetPayload& payload) {
    const Phrase background = ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the background"));
    const auto markerBytes = reader.ReadBytes(MarkerSize, background);
    const std::string marker(markerBytes.begin(), markerBytes.end());
    if (marker == "Picture") {
        payload.Background = BackgroundKind::Picture;
        ReadBackgroundPicture(reader, payload);
    } else if (marker == "Color__") {
        payload.Background = BackgroundKind::Colour;
        const Phrase colour = ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the background colour"));
        payload.BackgroundColour = static_cast<std::uint32_t>(reader.ReadInt32(colour));
        payload.BackgroundTile = ColourTile(payload.BackgroundColour, payload.Palette);
    } else {
        payload.Background = BackgroundKind::Unknown;
        payload.BackgroundTile = ColourTile(ButtonFaceColour, payload.Palette);
    }
}

}  // namespace

std::int64_t SmallestPayloadSize(const CardSetPrefix& prefix) {
    return static_cast<std::int64_t>(PaletteSize) + CardRecordsSize(prefix, 0);
}

std::int64_t LargestPayloadSize(const CardSetPrefix& prefix) {
    const std::int64_t background = 8 + PixelRunSize(MaxBackgroundSide, MaxBackgroundSide);
    return static_cast<std::int64_t>(PaletteSize) + CardRecordsSize(prefix, MaxTextLength) +
           static_cast<std::int64_t>(MarkerSize) + background;
}

CardSetPayload ReadCardSetPayload(std::span<const std::uint8_t> bytes, const CardSetPrefix& prefix,
                                  bool withBackground, const std::string& fileName, ProgressSession& progress) {
    ByteReader reader(bytes, fileName);
    CardSetPayload payload;
    payload.PayloadSize = bytes.size();
    payload.Palette = ReadPalette(reader);
    // A payload too short for its cards fails here, before the card pictures are allocated.
    if (static_cast<std::int64_t>(reader.Remaining()) < CardRecordsSize(prefix, 0)) {
        reader.Fail(ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the payload is shorter than its %1 cards need"),
                                {std::to_string(prefix.CardCount)}));
    }
    ReadCards(reader, prefix, payload, progress);
    if (withBackground) ReadBackground(reader, payload);
    return payload;
}

}  // namespace velmora
