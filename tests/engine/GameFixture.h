#pragma once
// A game on a recording view with a fixed clock, a player library in a fresh folder, and helpers
// that turn cards the way a person does and run the flip delay to its end.

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <utility>

#include "formats/Formats.h"
#include "players/LibraryRecords.h"
#include "tests/engine/RecordingView.h"
#include "tools/support/TempFolder.h"

namespace velmora::testing {

// The menus once a game has ended, by End Game or by its last pair.
inline const std::map<GameMenu, bool> MenusWithoutGame{
    {GameMenu::NewGame, true}, {GameMenu::RestartGame, true}, {GameMenu::EndGame, false}, {GameMenu::Edit, true}};

inline TPlayerRecord Human(const std::string& name) { return MakePlayerRecord(name, "", false, true, 5); }
inline TPlayerRecord Computer(const std::string& name, int iq) { return MakePlayerRecord(name, "", false, false, iq); }

class GameFixture : public ::testing::Test {
protected:
    GameFixture() { view.game = &game; }

    // Sets up as the New Game dialog does, with cards of 100 x 90 (or the format's largest).
    void SetUpGame(std::vector<TPlayerRecord> players, int format = 0, int flipDelay = 20) {
        game.SetGamePlayers(players);
        game.SetFormat(format);
        const TFormat& f = Formats.at(static_cast<std::size_t>(format));
        game.ComputeBoardOrigin({std::min(100, f.MaxCardWidth), std::min(90, f.MaxCardHeight)});
        game.SetFlipDelay(flipDelay);
    }
    void Start(std::vector<TPlayerRecord> players, int format = 0, int flipDelay = 20) {
        SetUpGame(std::move(players), format, flipDelay);
        game.StartGame();
    }

    std::pair<int, int> CentreOf(CellPosition cell) const {
        const CardSize card = game.CardSizeOfSet();
        return {game.BoardLeft() + (cell.Col - 1) * card.Width + card.Width / 2,
                game.BoardTop() + (cell.Row - 1) * card.Height + card.Height / 2};
    }
    void Click(CellPosition cell) {
        const auto [x, y] = CentreOf(cell);
        game.MouseDown(x, y);
        game.MouseUp(x, y);
    }
    // Ticks until the running delay ends (a computer player may start the next one on that tick);
    // returns the number of ticks it took.
    int RunDelay(int limit = 1000) {
        int ticks = 0;
        while (game.DelayRunning() && ticks < limit) {
            game.Timer1Timer();
            ++ticks;
            if (game.TickCount() == 0) break;
        }
        return ticks;
    }
    // The two cells of every picture on the board.
    std::map<int, std::vector<CellPosition>> PairsOnBoard() const {
        std::map<int, std::vector<CellPosition>> pairs;
        const Board& board = game.GameBoard();
        for (int col = 1; col <= board.Cols(); ++col) {
            for (int row = 1; row <= board.Rows(); ++row) {
                if (board.FaceDown(col, row)) pairs[board.Cell(col, row).Picture].push_back({col, row});
            }
        }
        return pairs;
    }
    // Two face-down cards with the same picture.
    std::pair<CellPosition, CellPosition> SomePair() const {
        // A picture with one card already turned has a single face-down cell left: skip it.
        for (const auto& [picture, cells] : PairsOnBoard()) {
            if (cells.size() >= 2) return {cells[0], cells[1]};
        }
        throw std::logic_error("no face-down pair left on the board");
    }
    // Two face-down cards with different pictures.
    std::pair<CellPosition, CellPosition> SomeMiss() const {
        const auto pairs = PairsOnBoard();
        return {pairs.begin()->second[0], std::next(pairs.begin())->second[0]};
    }
    void PlayMatch() {
        const auto [a, b] = SomePair();
        Click(a);
        Click(b);
        RunDelay();
    }
    void PlayMiss() {
        const auto [a, b] = SomeMiss();
        Click(a);
        Click(b);
        RunDelay();
    }

    TempFolder folder;
    PlayerLibrary library{folder.Path()};
    LibraryRecords records{library};
    FixedClock clock;
    RecordingView view;
    Game game{view, records, clock};
};

}  // namespace velmora::testing
