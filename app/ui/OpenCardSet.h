#pragma once
// Opening a card-set file given to the program from outside, as a file manager passes it.

#include <filesystem>

namespace velmora {

class MainWindow;

// Reads the whole set, so that a damaged file is refused with the reader's error before anything
// happens to it; copies it into the user's card-set folder unless the program already reads it from
// there (asking first when it would replace a set of the same name); makes it the last set and
// shows the Select Card Set window on it. Errors are raised.
void OpenCardSetFile(MainWindow& window, const std::filesystem::path& file);

}  // namespace velmora
