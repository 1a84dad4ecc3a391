#include "players/GameStart.h"

#include <exception>
#include <vector>

#include "formats/Formats.h"
#include "players/NewGameChoices.h"

namespace velmora {
namespace {

// What a failed start puts back.
class LastGame {
public:
    explicit LastGame(const Game& game)
        : players_(game.GamePlayers().begin(), game.GamePlayers().end()),
          cols_(game.GameBoard().Cols()),
          rows_(game.GameBoard().Rows()) {}

    void PutBack(Game& game) const {
        if (players_.size() >= 2) game.SetGamePlayers(players_);
        if (cols_ != 0) game.GameBoard().SetSize(cols_, rows_);
    }

private:
    std::vector<TPlayerRecord> players_;
    int cols_;
    int rows_;
};

// The board's name is a phrase of its own, so that the message names the board as the windows do.
EPhraseError TooFewCards(const std::string& set, int format) {
    const char* tooFew = VELMORA_TRANSLATE_NOOP("Players", "The card set %1 holds too few cards for the %2 board.");
    const Phrase board = MakePhrase(FormatNamesContext, Formats.at(static_cast<std::size_t>(format)).Name);
    return EPhraseError(MakePhrase("Players", tooFew, {set}), EPhraseError(board));
}

}  // namespace

GameStartOutcome StartChosenGame(Game& game, std::span<const TPlayerRecord> players, int format,
                                 const std::string& set, GameSetSource& sets) {
    const LastGame last(game);
    game.SetGamePlayers(players);
    game.SetFormat(format);
    GameSetPictures pictures;
    try {
        pictures = sets.ReadWhole(set);
    } catch (const std::exception& error) {
        last.PutBack(game);
        return {false, EPhraseError::Of(error)};
    } catch (...) {
        last.PutBack(game);
        throw;
    }
    if (!SetFillsFormat(pictures.ImageCount, format)) {
        last.PutBack(game);
        return {false, TooFewCards(set, format)};
    }
    sets.UseForGame(set, format);
    game.ComputeBoardOrigin(pictures.Card);
    game.StartGame();
    return {true, std::nullopt};
}

}  // namespace velmora
