#include "tools/cardart/CardArt.h"

#include <QPainter>
#include <QPainterPath>
#include <array>
#include <cmath>

namespace velmora::cardart {
namespace {

constexpr double kPi = 3.14159265358979323846;

enum class Shape { Circle, Square, Triangle, Diamond, Star, Heart, Cross, Hexagon, Moon, Arrow };
enum class Pattern { Solid, Outline, Striped, Twin, Reversed };

constexpr std::array<const char*, 10> kShapeNames = {"Circle", "Square", "Triangle", "Diamond", "Star",
                                                     "Heart",  "Cross",  "Hexagon",  "Moon",    "Arrow"};
constexpr std::array<const char*, 5> kPatternNames = {"Solid", "Open", "Striped", "Twin", "Reversed"};
// One colour per pattern, from a palette that stays distinct for the common colour-vision types.
const std::array<QColor, 5> kPatternColours = {QColor(0, 114, 178), QColor(213, 94, 0), QColor(0, 158, 115),
                                               QColor(204, 121, 167), QColor(230, 159, 0)};
const QColor kPaper(250, 247, 238);
const QColor kInk(40, 40, 48);

Shape ShapeOf(int face) { return static_cast<Shape>((face - 1) % 10); }
Pattern PatternOf(int face) { return static_cast<Pattern>(((face - 1) / 10) % 5); }

QPainterPath Polygon(QPointF c, double r, int corners, double turn) {
    QPainterPath path;
    for (int i = 0; i < corners; ++i) {
        const double a = turn + 2 * kPi * i / corners;
        const QPointF p(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0) path.moveTo(p); else path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

// The shape filling a square box of side 2r around c.
QPainterPath ShapePath(Shape shape, QPointF c, double r) {
    QPainterPath path;
    switch (shape) {
        case Shape::Circle: path.addEllipse(c, r, r); break;
        case Shape::Square: path.addRect(QRectF(c.x() - r * 0.85, c.y() - r * 0.85, r * 1.7, r * 1.7)); break;
        case Shape::Triangle: path = Polygon(c + QPointF(0, r * 0.15), r * 1.05, 3, -kPi / 2); break;
        case Shape::Diamond:
            path.moveTo(c.x(), c.y() - r); path.lineTo(c.x() + r * 0.7, c.y());
            path.lineTo(c.x(), c.y() + r); path.lineTo(c.x() - r * 0.7, c.y()); path.closeSubpath();
            break;
        case Shape::Star:
            for (int i = 0; i < 10; ++i) {
                const double radius = i % 2 == 0 ? r : r * 0.45;
                const double a = -kPi / 2 + i * kPi / 5;
                const QPointF p(c.x() + radius * std::cos(a), c.y() + radius * 1.05 * std::sin(a) + r * 0.08);
                if (i == 0) path.moveTo(p); else path.lineTo(p);
            }
            path.closeSubpath();
            break;
        case Shape::Heart:
            path.moveTo(c.x(), c.y() + r * 0.9);
            path.cubicTo(c.x() - r * 1.3, c.y() + r * 0.05, c.x() - r * 0.8, c.y() - r * 1.1, c.x(), c.y() - r * 0.45);
            path.cubicTo(c.x() + r * 0.8, c.y() - r * 1.1, c.x() + r * 1.3, c.y() + r * 0.05, c.x(), c.y() + r * 0.9);
            break;
        case Shape::Cross:
            path.addRect(QRectF(c.x() - r * 0.32, c.y() - r, r * 0.64, r * 2));
            path.addRect(QRectF(c.x() - r, c.y() - r * 0.32, r * 2, r * 0.64));
            path.setFillRule(Qt::WindingFill);
            path = path.simplified();
            break;
        case Shape::Hexagon: path = Polygon(c, r, 6, 0); break;
        case Shape::Moon: {
            QPainterPath disc;
            disc.addEllipse(c, r, r);
            QPainterPath bite;
            bite.addEllipse(c + QPointF(r * 0.55, -r * 0.2), r * 0.85, r * 0.85);
            path = disc.subtracted(bite);
            break;
        }
        case Shape::Arrow:
            path.moveTo(c.x(), c.y() - r);
            path.lineTo(c.x() + r * 0.9, c.y());
            path.lineTo(c.x() + r * 0.35, c.y());
            path.lineTo(c.x() + r * 0.35, c.y() + r);
            path.lineTo(c.x() - r * 0.35, c.y() + r);
            path.lineTo(c.x() - r * 0.35, c.y());
            path.lineTo(c.x() - r * 0.9, c.y());
            path.closeSubpath();
            break;
    }
    return path;
}

void PaintCardFrame(QPainter& painter, QSize size, const QColor& fill) {
    const QRectF card(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const double corner = std::min(size.width(), size.height()) * 0.12;
    painter.setPen(QPen(kInk, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(card, corner, corner);
}

void PaintStripes(QPainter& painter, const QPainterPath& shape, const QColor& colour, double r) {
    painter.save();
    painter.setClipPath(shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const QRectF box = shape.boundingRect();
    const double band = std::max(2.0, r / 3.2);
    for (double y = box.top(); y < box.bottom(); y += band * 2) painter.drawRect(QRectF(box.left(), y, box.width(), band));
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(colour, std::max(1.5, r / 7)));
    painter.drawPath(shape);
}

}  // namespace

const char* ShapeName(int face) { return kShapeNames[static_cast<std::size_t>(ShapeOf(face))]; }
const char* PatternName(int face) { return kPatternNames[static_cast<std::size_t>(PatternOf(face))]; }

QImage CardBack(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(32, 60, 120));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCardFrame(painter, size, QColor(32, 72, 150));
    const double step = std::max(6.0, std::min(size.width(), size.height()) / 5.0);
    painter.setClipRect(QRectF(3, 3, size.width() - 6, size.height() - 6));
    painter.setPen(QPen(QColor(236, 190, 64, 170), 1));
    for (double d = -size.height(); d < size.width(); d += step) {
        painter.drawLine(QPointF(d, 0), QPointF(d + size.height(), size.height()));
        painter.drawLine(QPointF(d + size.height(), 0), QPointF(d, size.height()));
    }
    painter.setClipping(false);
    painter.setPen(QPen(QColor(236, 190, 64), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(3.5, 3.5, size.width() - 7.0, size.height() - 7.0), 3, 3);
    return image;
}

QImage CardFace(int face, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(40, 40, 48));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const Pattern pattern = PatternOf(face);
    const QColor colour = kPatternColours[static_cast<std::size_t>(pattern)];
    PaintCardFrame(painter, size, pattern == Pattern::Reversed ? colour : kPaper);

    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double r = std::min(size.width(), size.height()) * 0.36;
    const Shape shape = ShapeOf(face);
    switch (pattern) {
        case Pattern::Solid:
            painter.setPen(QPen(kInk, std::max(1.0, r / 12)));
            painter.setBrush(colour);
            painter.drawPath(ShapePath(shape, centre, r));
            break;
        case Pattern::Outline:
            painter.setPen(QPen(colour, std::max(2.0, r / 4.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(ShapePath(shape, centre, r * 0.9));
            break;
        case Pattern::Striped: PaintStripes(painter, ShapePath(shape, centre, r), colour, r); break;
        case Pattern::Twin: {
            // Two smaller shapes side by side; on tall cards one above the other.
            const bool wide = size.width() >= size.height();
            const double small = std::min(size.width(), size.height()) * (wide ? 0.25 : 0.2);
            const QPointF offset = wide ? QPointF(size.width() * 0.24, 0) : QPointF(0, size.height() * 0.24);
            painter.setPen(QPen(kInk, std::max(1.0, small / 12)));
            painter.setBrush(colour);
            painter.drawPath(ShapePath(shape, centre - offset, small));
            painter.drawPath(ShapePath(shape, centre + offset, small));
            break;
        }
        case Pattern::Reversed:
            painter.setPen(QPen(kInk, std::max(1.0, r / 12)));
            painter.setBrush(kPaper);
            painter.drawPath(ShapePath(shape, centre, r));
            break;
    }
    return image;
}

}  // namespace velmora::cardart
