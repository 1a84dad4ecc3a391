#include "widgets/DialogZoom.h"

#include <QAbstractButton>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QVariant>
#include <QWidget>
#include <cmath>
#include <vector>

namespace velmora {
namespace {

// The 100 % values are kept on each widget; a value the window's own code changed since the last
// scaling (it differs from what was applied) is its new 100 % value.
template <typename T>
T Base(QWidget& w, const char* name, const T& current) {
    const QByteArray baseName = QByteArray("zoomBase") + name;
    const QVariant applied = w.property(QByteArray("zoomApplied") + name);
    if (!applied.isValid() || applied.value<T>() != current) w.setProperty(baseName, QVariant::fromValue(current));
    return w.property(baseName).value<T>();
}

template <typename T>
void Applied(QWidget& w, const char* name, const T& value) {
    w.setProperty(QByteArray("zoomApplied") + name, QVariant::fromValue(value));
}

int Times(int value, double factor) { return static_cast<int>(std::lround(value * factor)); }

QSize Times(QSize size, double factor) {
    auto one = [factor](int v) { return v >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : Times(v, factor); };
    return {one(size.width()), one(size.height())};
}

QRect Times(const QRect& r, double factor) {
    const int left = Times(r.x(), factor);
    const int top = Times(r.y(), factor);
    return {left, top, Times(r.x() + r.width(), factor) - left, Times(r.y() + r.height(), factor) - top};
}

QFont Times(QFont font, double factor) {
    if (font.pixelSize() > 0) font.setPixelSize(Times(font.pixelSize(), factor));
    else font.setPointSizeF(font.pointSizeF() * factor);
    return font;
}

bool InLayout(QLayout* layout, const QWidget* widget) {
    if (layout == nullptr) return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget || InLayout(item->layout(), widget)) return true;
    }
    return false;
}

// Controls the window's code placed by hand. Those a layout or a compound control (scroll bars,
// headers, a spin box's field) places are left to it.
bool PlacedByHand(const QWidget& w, const QWidget& window) {
    const QWidget* parent = w.parentWidget();
    if (parent == nullptr || InLayout(parent->layout(), &w)) return false;
    const QMetaObject* kind = parent->metaObject();
    return parent == &window || kind == &QWidget::staticMetaObject || kind == &QFrame::staticMetaObject ||
           kind == &QGroupBox::staticMetaObject;
}

void Collect(QWidget& parent, std::vector<QWidget*>& out) {
    for (QObject* child : parent.children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w == nullptr || w->isWindow()) continue;
        out.push_back(w);
        Collect(*w, out);
    }
}

struct Bases {
    QWidget* widget;
    bool ownFont;
    QFont font;
    QSize minimum;
    QSize maximum;
    QRect geometry;
    QPixmap pixmap;
};

Bases Read(QWidget& w, const QWidget& window) {
    // Whether the control had a font of its own is decided the first time: one given a font only
    // to fit its text follows its window's font again at every scaling.
    if (!w.property("zoomInheritsFont").isValid())
        w.setProperty("zoomInheritsFont", &w != &window && !w.testAttribute(Qt::WA_SetFont));
    Bases b{&w, !w.property("zoomInheritsFont").toBool(), {}, {}, {}, {}, {}};
    if (b.ownFont) b.font = Base(w, "Font", w.font());
    b.minimum = Base(w, "Minimum", w.minimumSize());
    b.maximum = Base(w, "Maximum", w.maximumSize());
    if (PlacedByHand(w, window)) b.geometry = Base(w, "Geometry", w.geometry());
    if (auto* label = qobject_cast<QLabel*>(&w); label != nullptr && !label->pixmap().isNull()) {
        // Pixmaps compare by their cache key.
        if (w.property("zoomAppliedPixmap").toLongLong() != label->pixmap().cacheKey())
            w.setProperty("zoomBasePixmap", label->pixmap());
        b.pixmap = w.property("zoomBasePixmap").value<QPixmap>();
    }
    return b;
}

void Write(const Bases& b, double factor) {
    QWidget& w = *b.widget;
    if (b.ownFont) {
        w.setFont(Times(b.font, factor));
        Applied(w, "Font", w.font());
    } else if (w.testAttribute(Qt::WA_SetFont)) {
        w.setFont(QFont());
    }
    w.setMinimumSize(Times(b.minimum, factor));
    w.setMaximumSize(Times(b.maximum, factor));
    Applied(w, "Minimum", w.minimumSize());
    Applied(w, "Maximum", w.maximumSize());
    if (b.geometry.isValid()) {
        w.setGeometry(Times(b.geometry, factor));
        Applied(w, "Geometry", w.geometry());
    }
    if (!b.pixmap.isNull()) {
        auto& label = static_cast<QLabel&>(w);
        label.setPixmap(factor == 1 ? b.pixmap
                                    : b.pixmap.scaled(Times(b.pixmap.size(), factor), Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation));
        w.setProperty("zoomAppliedPixmap", label.pixmap().cacheKey());
    }
}

QString OneLineOf(const QWidget& w) {
    if (const auto* label = qobject_cast<const QLabel*>(&w); label != nullptr && !label->wordWrap())
        return label->textFormat() == Qt::RichText ? QString() : label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) return QString(button->text()).remove('&');
    return {};
}

// Text does not grow exactly with its font: a caption that just fitted its place at 100 % can be
// a few pixels too wide at 200 %. Its font then gives way by half points until it fits again.
void FitText(QWidget& w) {
    const QString text = OneLineOf(w);
    if (text.isEmpty() || text.startsWith('<')) return;
    QFont font = w.font();
    for (int step = 0; step < 8 && QFontMetrics(font).horizontalAdvance(text) > w.contentsRect().width(); ++step) {
        if (font.pixelSize() > 0) font.setPixelSize(font.pixelSize() - 1);
        else font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    if (font == w.font()) return;
    w.setFont(font);
    Applied(w, "Font", w.font());
}

}  // namespace

void ZoomWindow(QWidget& window, double factor) {
    // Nothing is stored or changed for a window never scaled: it stays exactly as its code made it.
    if (factor == 1 && !window.property("zoomBaseSize").isValid()) return;
    std::vector<QWidget*> widgets{&window};
    Collect(window, widgets);
    // Every 100 % value is read before anything changes, as a child's font can follow its parent's.
    std::vector<Bases> bases;
    bases.reserve(widgets.size());
    for (QWidget* w : widgets) bases.push_back(Read(*w, window));
    if (!window.property("zoomBaseSize").isValid()) window.setProperty("zoomBaseSize", window.size());
    for (const Bases& b : bases) {
        Write(b, factor);
        if (b.geometry.isValid() && factor != 1) FitText(*b.widget);
    }
    // The layout measures the new fonts before the window takes its size.
    if (QLayout* layout = window.layout()) {
        layout->invalidate();
        layout->activate();
    }
    window.resize(Times(window.property("zoomBaseSize").toSize(), factor).expandedTo(window.minimumSizeHint()));
}

void DialogZoom::Follow(QWidget& window) { window.installEventFilter(this); }

bool DialogZoom::eventFilter(QObject* watched, QEvent* event) {
    // Hidden, a window is at 100 %, so that its own code (Game Over measuring a name) measures
    // with its own fonts; it is scaled when shown.
    if (watched->isWidgetType() && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        ZoomWindow(*static_cast<QWidget*>(watched), event->type() == QEvent::Show ? Factor() : 1);
    return QObject::eventFilter(watched, event);
}

}  // namespace velmora
