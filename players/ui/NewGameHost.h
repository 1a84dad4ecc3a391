#pragma once
// What the New Game dialog needs from the main window: the remembered choices, the Please Wait
// window, the board's pictures, and the windows and programs it opens.

#include <string>

namespace velmora {

class CardSetProgress;

class NewGameHost {
public:
    virtual ~NewGameHost() = default;

    // The settings LastSet (a set name without ".cst") and LastFormat (a format index).
    virtual std::string LastSet() const = 0;
    virtual int LastFormat() const = 0;
    virtual void RememberChoice(const std::string& set, int format) = 0;

    // The Please Wait window for reading a whole set; nullptr reads without one.
    virtual CardSetProgress* LoadProgress() = 0;
    // The loaded set was read in full: the board takes its pictures and background.
    virtual void CardSetLoaded() = 0;

    // "View Velmora Set": the set file chosen in the list.
    virtual void ViewCardSet(const std::string& setFile) = 0;
    // The "..." button: the set's web address, opened with the program registered for it.
    virtual void OpenWebAddress(const std::string& address) = 0;
};

}  // namespace velmora
