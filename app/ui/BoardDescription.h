#pragma once
// What a screen reader says for the board, the players list and its rows: read from the game as
// it is shown, so the spoken board never differs from the drawn one.

#include <QString>
#include <functional>

#include "app/ui/BoardView.h"
#include "cardsets/LoadedCardSet.h"
#include "engine/Game.h"

namespace velmora {

// A cell of the format in the board view's pixels.
using CellPlace = std::function<QRect(int col, int row)>;

// "Row 2, column 3, face down", "Row 2, column 3, <the card's name>", "empty" for a removed card;
// the keyboard cursor's cell while a game runs.
AccessibleBoard DescribeBoard(const Game& game, const LoadedCardSet& set, const CellPlace& place);

// A players-list row as spoken: the name and the pairs found.
QString PlayerRowName(const QString& name, int pairs);

}  // namespace velmora
