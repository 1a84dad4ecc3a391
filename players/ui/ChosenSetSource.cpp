#include "players/ui/ChosenSetSource.h"

#include "cardsets/CardSetFolder.h"
#include "cardsets/LoadedCardSet.h"
#include "players/ui/NewGameHost.h"

namespace velmora {

ChosenSetSource::ChosenSetSource(LoadedCardSet& cardSet, const CardSetFolders& folders, NewGameHost& host)
    : cardSet_(cardSet), folders_(folders), host_(host) {}

GameSetPictures ChosenSetSource::ReadWhole(const std::string& set) {
    cardSet_.LoadCardSet(folders_, CardSetFileName(set), CardSetParts::PicturesAndBackground, host_.LoadProgress());
    return {cardSet_.CardPictures.size(), {cardSet_.CardWidth, cardSet_.CardHeight}};
}

void ChosenSetSource::UseForGame(const std::string& set, int format) {
    cardSet_.GameSetFile = CardSetFileName(set);
    host_.RememberChoice(set, format);
    host_.CardSetLoaded();
}

}  // namespace velmora
