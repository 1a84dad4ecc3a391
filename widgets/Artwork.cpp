#include "widgets/Artwork.h"

#include <QFont>
#include <algorithm>
#include <cmath>
#include <QPainter>
#include <QPainterPath>

namespace velmora::artwork {
namespace {

const QColor kFeltLight(28, 110, 78);
const QColor kFeltDark(10, 52, 38);
const QColor kCardBlue(32, 72, 150);
const QColor kGold(236, 190, 64);

// Green felt: lighter in the middle, with a faint diamond weave. Computed pixel by pixel, which
// is several times quicker than a painter's gradient at start-up. The gradient is the same at x and
// width - x and at y and height - y (the same numbers go into it), so each value is worked out once
// for a quarter of the picture and copied to its mirror places; the weave goes over it after.
void PaintFelt(QImage& image) {
    const int width = image.width();
    const int height = image.height();
    const float cx = width / 2.0f;
    const float cy = height / 2.0f;
    const float radius = width * 0.75f;
    const float light[3] = {float(kFeltLight.red()), float(kFeltLight.green()), float(kFeltLight.blue())};
    const float dark[3] = {float(kFeltDark.red()), float(kFeltDark.green()), float(kFeltDark.blue())};
    for (int y = 0; y <= height / 2; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const float dy2 = (y - cy) * (y - cy);
        for (int x = 0; x <= width / 2; ++x) {
            const float t = std::min(1.0f, std::sqrt((x - cx) * (x - cx) + dy2) / radius);
            int rgb[3];
            for (int c = 0; c < 3; ++c) rgb[c] = static_cast<int>(light[c] + (dark[c] - light[c]) * t);
            line[x] = qRgb(rgb[0], rgb[1], rgb[2]);
            if (x > 0) line[width - x] = line[x];
        }
        if (y > 0 && height - y != y) std::copy_n(line, width, reinterpret_cast<QRgb*>(image.scanLine(height - y)));
    }
    // The threads run where x + y or x - y is a multiple of 18; a crossing is lightened once.
    const auto lighten = [](QRgb& pixel) { pixel = qRgb(qRed(pixel) + 4, qGreen(pixel) + 4, qBlue(pixel) + 4); };
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = (18 - y % 18) % 18; x < width; x += 18) lighten(line[x]);
        for (int x = y % 18; x < width; x += 18)
            if ((x + y) % 18 != 0) lighten(line[x]);
    }
}

QPainterPath Star(QPointF centre, double outer, double inner, int points) {
    QPainterPath path;
    for (int i = 0; i < points * 2; ++i) {
        const double radius = (i % 2 == 0) ? outer : inner;
        const double angle = -M_PI / 2 + i * M_PI / points;
        const QPointF p(centre.x() + radius * std::cos(angle), centre.y() + radius * std::sin(angle));
        if (i == 0) path.moveTo(p); else path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

// One card of the logo, drawn around its centre and turned by angle degrees.
void PaintCard(QPainter& painter, QPointF centre, QSizeF size, double angle, bool faceUp) {
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    const QRectF card(-size.width() / 2, -size.height() / 2, size.width(), size.height());
    const double radius = size.width() * 0.12;
    painter.setPen(QPen(QColor(20, 20, 30), std::max(1.0, size.width() * 0.04)));
    painter.setBrush(faceUp ? QColor(250, 247, 238) : kCardBlue);
    painter.drawRoundedRect(card, radius, radius);
    if (faceUp) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(200, 40, 50));
        painter.drawPath(Star(QPointF(0, 0), size.width() * 0.34, size.width() * 0.15, 5));
    } else {
        painter.setPen(QPen(kGold, std::max(1.0, size.width() * 0.05)));
        painter.setBrush(Qt::NoBrush);
        const QRectF inner = card.adjusted(size.width() * 0.16, size.width() * 0.16, -size.width() * 0.16,
                                           -size.width() * 0.16);
        painter.drawRoundedRect(inner, radius / 2, radius / 2);
        painter.drawLine(inner.topLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomLeft());
    }
    painter.restore();
}

QImage Transparent(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

}  // namespace

QImage DefaultBackground() {
    QImage image(kBoardSize, QImage::Format_RGB32);
    PaintFelt(image);
    return image;
}

QImage Logo(QSize size) {
    QImage image = Transparent(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = std::min(size.width() / 121.0, size.height() / 100.0);
    const QSizeF card(50 * scale, 70 * scale);
    const QPointF centre(size.width() / 2.0, size.height() / 2.0 + 4 * scale);
    PaintCard(painter, centre + QPointF(-16 * scale, 0), card, -14, false);
    PaintCard(painter, centre + QPointF(16 * scale, -2 * scale), card, 12, true);
    return image;
}

QImage SplashPicture() {
    QImage image(kSplashSize, QImage::Format_RGB32);
    PaintFelt(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A fan of cards on the left, the title on the right above the version and notice labels.
    for (int i = 0; i < 5; ++i)
        PaintCard(painter, QPointF(140 + i * 22, 190 + std::abs(i - 2) * 8), QSizeF(96, 134), -30 + i * 15, i == 4);
    QFont title("DejaVu Serif", 48, QFont::Bold);
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 120));
    const QRect titleArea(290, 100, 320, 90);
    painter.drawText(titleArea.translated(3, 3), Qt::AlignCenter, "Velmora");
    painter.setPen(kGold);
    painter.drawText(titleArea, Qt::AlignCenter, "Velmora");
    painter.setFont(QFont("DejaVu Sans", 15));
    painter.setPen(QColor(235, 240, 230));
    painter.drawText(QRect(290, 185, 320, 30), Qt::AlignCenter, "the memory card game");
    return image;
}

QImage CardSetIcon(int side) {
    QImage image = Transparent(QSize(side, side));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCard(painter, QPointF(side / 2.0, side / 2.0), QSizeF(side * 0.62, side * 0.86), 0, false);
    return image;
}

}  // namespace velmora::artwork
