#pragma once
// Every window's Help button opens a topic of the help by keyword; the main window supplies how.

#include <functional>

namespace velmora {

using HelpHook = std::function<void(const char* topic)>;

}  // namespace velmora
