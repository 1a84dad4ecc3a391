#include "app/ui/BoardDescription.h"

#include <QCoreApplication>

#include "widgets/AnsiText.h"

namespace velmora {
namespace {

QString CardName(const LoadedCardSet& set, int image) {
    if (image >= 0 && static_cast<std::size_t>(image) < set.CardNames.size() &&
        !set.CardNames[static_cast<std::size_t>(image)].empty())
        return FromAnsi(set.CardNames[static_cast<std::size_t>(image)]);
    return QCoreApplication::translate("BoardView", "card %1").arg(image);
}

QString CellName(const Game& game, const LoadedCardSet& set, int col, int row) {
    const std::optional<int> image = game.CellImage(col, row);
    if (!image) return QCoreApplication::translate("BoardView", "empty");
    if (*image == 0) return QCoreApplication::translate("BoardView", "Row %1, column %2, face down")
                               .arg(QString::number(row), QString::number(col));
    return QCoreApplication::translate("BoardView", "Row %1, column %2, %3")
        .arg(QString::number(row), QString::number(col), CardName(set, *image));
}

}  // namespace

AccessibleBoard DescribeBoard(const Game& game, const LoadedCardSet& set, const CellPlace& place) {
    const Board& board = game.GameBoard();
    AccessibleBoard described;
    described.Rows = board.Rows();
    described.Columns = board.Cols();
    described.Cells.reserve(static_cast<std::size_t>(board.Rows() * board.Cols()));
    for (int row = 1; row <= board.Rows(); ++row)
        for (int col = 1; col <= board.Cols(); ++col) {
            described.Cells.push_back({CellName(game, set, col, row), place(col, row)});
            if (game.Cursor().Cell() == CellPosition{col, row} && game.GameRunning())
                described.Cursor = static_cast<int>(described.Cells.size()) - 1;
        }
    return described;
}

QString PlayerRowName(const QString& name, int pairs) {
    return QCoreApplication::translate("MainWindow", "%1, pairs found: %2").arg(name, QString::number(pairs));
}

}  // namespace velmora
