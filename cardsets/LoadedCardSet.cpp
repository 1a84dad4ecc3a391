#include "cardsets/LoadedCardSet.h"

#include <utility>

#include "cardsets/CardSetReader.h"

namespace velmora {

void LoadedCardSet::LoadCardSet(const CardSetFolders& folders, const std::string& file, CardSetParts parts,
                                CardSetProgress* progress) {
    // Everything is read before anything here changes, so a failed read leaves the set as it was.
    CardSetContents contents =
        ReadCardSetFile(LocateCardSet(folders, file), file, parts, progress);

    LoadedSetFile = file;
    CardCount = contents.Prefix.CardCount;
    CardSetDetails& details = contents.Prefix.Details;
    Author = std::move(details.Author);
    Email = std::move(details.Email);
    Web = std::move(details.Web);
    Notes = std::move(details.Notes);
    Language = std::move(details.Language);
    if (!contents.Payload) return;

    CardSetPayload& payload = *contents.Payload;
    PicturedSetFile = file;
    CardNames = std::move(payload.CardNames);
    CardPictures = std::move(payload.CardPictures);
    CardWidth = contents.Prefix.CardWidth;
    CardHeight = contents.Prefix.CardHeight;
    if (parts == CardSetParts::PicturesAndBackground) BackgroundTile = std::move(payload.BackgroundTile);
}

}  // namespace velmora
