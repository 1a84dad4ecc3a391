#pragma once
// The one loaded card set the program works with: the board draws its pictures and background,
// the windows show its details.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cardsets/CardSetFolders.h"
#include "cardsets/CardSetParts.h"
#include "cardsets/CardSetProgress.h"
#include "cardsets/Picture.h"

namespace velmora {

class LoadedCardSet {
public:
    std::string LoadedSetFile;    // the set read most recently, prefix only or whole
    std::string PicturedSetFile;  // the set whose pictures fill CardPictures
    std::string GameSetFile;      // the set of the game on the board; set by the New Game dialog

    std::int32_t CardCount = 0;
    std::string Author;
    std::string Language;
    std::string Email;
    std::string Web;
    std::string Notes;

    std::vector<std::string> CardNames;  // index 0 = card back
    std::vector<Picture> CardPictures;   // index 0 = card back
    std::int32_t CardWidth = 0;          // the size of CardPictures, from the last full read
    std::int32_t CardHeight = 0;
    Picture BackgroundTile;              // repeated over the board; empty: the window's built-in one

    // Reads file (a name in one of the folders, LocateCardSet; its letter case need not match) into this set.
    // Reading the Details changes LoadedSetFile, CardCount and the details only; reading the Pictures also the card
    // names, pictures, card size and PicturedSetFile, and BackgroundTile only with the background.
    // Raises the file's error and then leaves every field as it was.
    void LoadCardSet(const CardSetFolders& folders, const std::string& file, CardSetParts parts,
                     CardSetProgress* progress = nullptr);

    bool operator==(const LoadedCardSet&) const = default;
};

}  // namespace velmora
