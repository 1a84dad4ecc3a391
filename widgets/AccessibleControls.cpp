#include "widgets/AccessibleControls.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <utility>
#include <algorithm>
#include <optional>
#include <vector>

namespace velmora {
namespace {

constexpr int kLabelReach = 240;   // how far left of its control a label may stand
constexpr int kLabelAbove = 40;    // how far above

struct Placed {
    QWidget* Widget;
    QRect Place;  // in the window's pixels
};

QRect PlaceIn(const QWidget& window, const QWidget& widget) {
    return {widget.mapTo(&window, QPoint(0, 0)), widget.size()};
}

// The parts of a spin box or a combo box take the keyboard for it; the box is the control.
bool InsideCompoundControl(const QWidget& window, const QWidget& widget) {
    for (const QWidget* up = widget.parentWidget(); up != nullptr && up != &window; up = up->parentWidget())
        if (qobject_cast<const QAbstractSpinBox*>(up) || qobject_cast<const QComboBox*>(up)) return true;
    return false;
}

std::vector<Placed> Controls(QWidget& window) {
    std::vector<Placed> controls;
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || !(widget->focusPolicy() & Qt::TabFocus)) continue;
        if (widget->focusProxy() != nullptr || InsideCompoundControl(window, *widget)) continue;
        // A hidden page has no places yet; it is described when it shows.
        if (!widget->isVisibleTo(&window)) continue;
        controls.push_back({widget, PlaceIn(window, *widget)});
    }
    return controls;
}

std::optional<int> Distance(const QRect& label, const QRect& control) {
    const bool sameLine = label.top() < control.bottom() && label.bottom() > control.top();
    const int leftGap = control.left() - label.right();
    if (sameLine && leftGap >= -4 && leftGap <= kLabelReach) return leftGap;
    const bool sameColumn = label.left() < control.right() && label.right() > control.left();
    const int aboveGap = control.top() - label.bottom();
    if (sameColumn && aboveGap >= -4 && aboveGap <= kLabelAbove) return kLabelReach + aboveGap;
    return std::nullopt;
}

QLabel* LabelBeside(QWidget& window, const Placed& control) {
    QLabel* nearest = nullptr;
    int nearestDistance = 0;
    for (QLabel* label : window.findChildren<QLabel*>()) {
        if (label->window() != &window || label->buddy() != nullptr || label->text().trimmed().isEmpty()) continue;
        const std::optional<int> distance = Distance(PlaceIn(window, *label), control.Place);
        if (distance && (nearest == nullptr || *distance < nearestDistance)) {
            nearest = label;
            nearestDistance = *distance;
        }
    }
    return nearest;
}

bool Named(QWidget& widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    return accessible != nullptr && !accessible->text(QAccessible::Name).trimmed().isEmpty();
}

void NameByLabels(QWidget& window, const std::vector<Placed>& controls) {
    for (const Placed& control : controls) {
        if (Named(*control.Widget)) continue;
        QLabel* label = LabelBeside(window, control);
        if (label == nullptr) continue;
        label->setBuddy(control.Widget);
        // Assistive technology looks for the buddy among the control's siblings only, and lists and
        // tabs not at all.
        if (!Named(*control.Widget)) control.Widget->setAccessibleName(label->text().remove('&').trimmed());
    }
}

// Lines top to bottom, each left to right: a control joins the line of the first control it overlaps.
void OrderForReading(std::vector<Placed>& controls) {
    std::stable_sort(controls.begin(), controls.end(),
                     [](const Placed& a, const Placed& b) { return a.Place.top() < b.Place.top(); });
    for (std::size_t first = 0; first < controls.size();) {
        std::size_t end = first + 1;
        while (end < controls.size() && controls[end].Place.top() < controls[first].Place.center().y()) ++end;
        std::stable_sort(controls.begin() + static_cast<std::ptrdiff_t>(first),
                         controls.begin() + static_cast<std::ptrdiff_t>(end),
                         [](const Placed& a, const Placed& b) { return a.Place.left() < b.Place.left(); });
        first = end;
    }
}

}  // namespace

void DescribeWindowControls(QWidget& window) {
    std::vector<Placed> controls = Controls(window);
    NameByLabels(window, controls);
    OrderForReading(controls);
    for (std::size_t i = 1; i < controls.size(); ++i) QWidget::setTabOrder(controls[i - 1].Widget, controls[i].Widget);
}

AccessibleWindows::AccessibleWindows(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

bool AccessibleWindows::eventFilter(QObject* watched, QEvent* event) {
    // A window shown, or a page of it: described once the layout has placed what appeared, and
    // once for everything that appeared in the same pass.
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (!pending_.contains(window)) {
            pending_.append(window);
            if (pending_.size() == 1) QTimer::singleShot(0, this, [this] { DescribePending(); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void AccessibleWindows::DescribePending() {
    const QList<QPointer<QWidget>> windows = std::exchange(pending_, {});
    for (const QPointer<QWidget>& window : windows)
        if (window && window->isVisible()) DescribeWindowControls(*window);
}

}  // namespace velmora
