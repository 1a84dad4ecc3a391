#pragma once
// Starting the game chosen in the New Game dialog. The chosen players and board format go to the
// game and the chosen set is read whole; a set that cannot be read or cannot fill the board leaves
// the last game's players and board as they were, so that Restart Game still finds them.

#include <cstddef>
#include <optional>
#include <span>
#include <string>

#include "engine/Game.h"
#include "players/PlayerRecord.h"
#include "text/PhraseError.h"

namespace velmora {

// What a set read whole for the board holds.
struct GameSetPictures {
    std::size_t ImageCount = 0;  // card back included
    CardSize Card;
};

// What the game start needs of the card sets.
class GameSetSource {
public:
    virtual ~GameSetSource() = default;
    // Reads the set (a name as the lists show it) whole for the board. Raises the file's error,
    // and then changes nothing.
    virtual GameSetPictures ReadWhole(const std::string& set) = 0;
    // The set filled the board: the game plays with it from now on and the choice is remembered.
    virtual void UseForGame(const std::string& set, int format) = 0;
};

struct GameStartOutcome {
    bool Started = false;
    std::optional<EPhraseError> Error;  // why the game did not start, in phrases the window translates
};

// Sets the game up with players (two or more, in turn order), the format and the set, and starts it.
GameStartOutcome StartChosenGame(Game& game, std::span<const TPlayerRecord> players, int format,
                                 const std::string& set, GameSetSource& sets);

}  // namespace velmora
