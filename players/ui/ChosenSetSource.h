#pragma once
// The card sets of the program's folders as the game start reads them: into the one loaded set,
// with the Please Wait window, and the board takes the pictures once the set filled it.

#include <string>

#include "cardsets/CardSetFolders.h"
#include "players/GameStart.h"

namespace velmora {

class LoadedCardSet;
class NewGameHost;

class ChosenSetSource : public GameSetSource {
public:
    ChosenSetSource(LoadedCardSet& cardSet, const CardSetFolders& folders, NewGameHost& host);

    GameSetPictures ReadWhole(const std::string& set) override;
    void UseForGame(const std::string& set, int format) override;

private:
    LoadedCardSet& cardSet_;
    const CardSetFolders& folders_;
    NewGameHost& host_;
};

}  // namespace velmora
