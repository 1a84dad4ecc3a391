#include "app/ui/AccessibleEvents.h"

#include <QAccessible>
#include <utility>

namespace velmora {
namespace {

AccessibilityListener& Listener() {
    static AccessibilityListener listener;
    return listener;
}

}  // namespace

void InstallAccessibilityListener(AccessibilityListener listener) { Listener() = std::move(listener); }

bool AccessibilityListening() { return Listener() || QAccessible::isActive(); }

void Tell(QAccessibleEvent& event) {
    if (Listener()) Listener()(event);
    else QAccessible::updateAccessibility(&event);
}

}  // namespace velmora
