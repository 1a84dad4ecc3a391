#include "cardsets/PayloadWriter.h"

#include "cardsets/ByteWriter.h"
#include "cardsets/PixelRun.h"

namespace velmora {

namespace {

void WritePalette(ByteWriter& out, const ColourTable& palette) {
    for (const std::uint32_t entry : palette) {
        out.WriteByte(static_cast<std::uint8_t>(entry >> 16));
        out.WriteByte(static_cast<std::uint8_t>(entry >> 8));
        out.WriteByte(static_cast<std::uint8_t>(entry));
    }
}

void WriteBackground(ByteWriter& out, const CardSetDescription& set) {
    if (set.Background) {
        out.WriteBytes("Picture", 7);
        out.WriteInt32(set.Background->Width);
        out.WriteInt32(set.Background->Height);
        WritePixelRun(out, *set.Background);
    } else {
        out.WriteBytes("Color__", 7);
        out.WriteInt32(static_cast<std::int32_t>(set.BackgroundColour));
    }
}

}  // namespace

std::vector<std::uint8_t> BuildCardSetPayload(const CardSetDescription& set, ProgressSession& progress) {
    ByteWriter out;
    const std::size_t cardBytes = 3 * static_cast<std::size_t>(set.CardWidth) * static_cast<std::size_t>(set.CardHeight);
    out.Reserve(768 + set.CardPictures.size() * (4 + cardBytes) + 8 + 3 * 540 * 374);
    WritePalette(out, set.Palette);
    progress.Show();
    progress.SetStepFor(static_cast<std::int32_t>(set.CardPictures.size()));
    for (std::size_t card = 0; card < set.CardPictures.size(); ++card) {
        progress.StepIt();
        out.WriteCountedString(set.CardNames[card]);
        WritePixelRun(out, set.CardPictures[card]);
    }
    WriteBackground(out, set);
    return out.Take();
}

}  // namespace velmora
