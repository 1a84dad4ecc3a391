#pragma once
// The board area (PaintBox1): shows the board buffer and hands mouse events on to the window, in
// the widget's own pixels (the window maps them to the 100 % board). To assistive technology it is
// a table of cards (BoardAccessible.h), read from what the window describes.

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "engine/BoardInput.h"

namespace velmora {

// The board's meaning of a key: the arrows and Space; every other key is Other.
BoardKey ToBoardKey(int key);

// The board as a screen reader reads it: the cells row by row, each with its spoken name and its
// place in the widget's pixels, and the keyboard cursor's cell (-1: none).
struct AccessibleCell {
    QString Name;
    QRect Place;
    bool operator==(const AccessibleCell&) const = default;
};

struct AccessibleBoard {
    int Rows = 0;
    int Columns = 0;
    std::vector<AccessibleCell> Cells;
    int Cursor = -1;
    bool operator==(const AccessibleBoard&) const = default;
};

class BoardView : public QWidget {
    Q_OBJECT
public:
    using MouseHandler = std::function<void(QPoint)>;

    BoardView(const QImage& buffer, QWidget* parent);

    MouseHandler onMouseDown;
    MouseHandler onMouseMove;
    MouseHandler onMouseUp;
    // What the board shows now; the window reads it from the game.
    std::function<AccessibleBoard()> describe;
    // Assistive technology pressed a cell (row by row from 0), as a click on it would.
    std::function<void(int cell)> onPressCell;

    // The device pixel ratio the buffer was drawn for.
    void SetDeviceRatio(qreal ratio) {
        ratio_ = ratio;
        update();
    }

    AccessibleBoard Described() const { return describe ? describe() : AccessibleBoard{}; }
    // Tells assistive technology what changed since the last call: each cell whose name changed,
    // and the cursor's cell as the focus when the board has the keyboard.
    void ReportChanges();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void ReportFocus(int cell);

    const QImage& buffer_;
    qreal ratio_ = 1;
    AccessibleBoard reported_;
};

}  // namespace velmora
