#include "tools/cardart/ShippedSets.h"

#include <QPainter>
#include <set>

#include "cardsets/CardSetWriter.h"
#include "cardsets/pictures/PictureImage.h"
#include "formats/Formats.h"
#include "tools/cardart/CardArt.h"

namespace velmora::cardart {
namespace {

// The palette the set stores with the card back: the back's own colours, as far as they go.
ColourTable PaletteOf(const Picture& back) {
    ColourTable palette{};
    std::set<std::uint32_t> seen;
    std::size_t next = 0;
    for (std::uint32_t pixel : back.Pixels) {
        if (next == palette.size()) break;
        if (seen.insert(pixel).second) palette[next++] = pixel;
    }
    return palette;
}

}  // namespace

QImage BoardBackground() {
    // Dark blue cloth with a quiet grid of small diamonds, so that the light cards stand out.
    QImage image(BoardAreaWidth, BoardAreaHeight, QImage::Format_RGB32);
    image.fill(QColor(24, 36, 72));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(34, 50, 96));
    for (int y = 0; y < BoardAreaHeight + 20; y += 20)
        for (int x = (y / 20) % 2 * 15; x < BoardAreaWidth + 30; x += 30) {
            const QPointF c(x, y);
            const QPointF diamond[] = {c + QPointF(0, -5), c + QPointF(5, 0), c + QPointF(0, 5), c + QPointF(-5, 0)};
            painter.drawPolygon(diamond, 4);
        }
    return image;
}

CardSetDescription DescribeSet(const ShippedSet& set) {
    const TFormat& format = Formats.at(static_cast<std::size_t>(set.format));
    const QSize card(format.MaxCardWidth, format.MaxCardHeight);
    CardSetDescription description;
    description.Details = {"Halvik Software", "info@halvik.example", "https://www.halvik.example/velmora/",
                           "Bold shapes in five patterns: every pair can be told apart by shape and pattern, "
                           "not by colour alone.",
                           "English"};
    description.CardWidth = card.width();
    description.CardHeight = card.height();
    description.CardNames.push_back("Card Back");
    description.CardPictures.push_back(ToPicture(CardBack(card)));
    for (int face = 1; face < format.CardCount; ++face) {
        description.CardNames.push_back(std::string(PatternName(face)) + " " + ShapeName(face));
        description.CardPictures.push_back(ToPicture(CardFace(face, card)));
    }
    description.Palette = PaletteOf(description.CardPictures.front());
    if (set.pictureBackground)
        description.Background = ToPicture(BoardBackground());
    else
        description.BackgroundColour = 0x00483018;  // stored as 0x00BBGGRR: a dark blue
    return description;
}

void WriteShippedSets(const std::filesystem::path& folder) {
    for (const ShippedSet& set : kShippedSets) WriteCardSet(folder / set.fileName, DescribeSet(set));
}

}  // namespace velmora::cardart
