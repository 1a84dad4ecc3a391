#pragma once
// Where the windows' own accessibility events go: to the platform's bridge to assistive
// technology, which takes them only while one is running, or to a listener a test installs.

#include <functional>

class QAccessibleEvent;

namespace velmora {

using AccessibilityListener = std::function<void(QAccessibleEvent& event)>;

// Replaces the platform until called again with nullptr.
void InstallAccessibilityListener(AccessibilityListener listener);
// A screen reader or a listener is there to be told.
bool AccessibilityListening();
void Tell(QAccessibleEvent& event);

}  // namespace velmora
