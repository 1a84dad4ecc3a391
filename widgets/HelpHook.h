#pragma once
// The one way a window opens help: it asks its hook for a topic keyword, from its Help button and
// from F1 alike. The main window hands every window the hook that opens the help window; tests
// hand one that writes down what was asked for.

#include <functional>

class QWidget;

namespace velmora {

using HelpHook = std::function<void(const char* topic)>;

// The hook that shows the topic in the program's help window.
HelpHook HelpWindowHook();

// F1 pressed in owner's window asks help for topic. A window without a topic of its own passes
// F1 on to the window it belongs to.
void SetHelpTopic(QWidget* owner, const char* topic, HelpHook help);
// Lets F1 reach the topics; installed once on the application.
void InstallHelpKey();

}  // namespace velmora
