#pragma once
// The wizard's rectangle drawn at the card size, one pixel per pixel, so the author sees how large
// the cards will be on the board.

#include <QSize>
#include <QWidget>

namespace velmora {

class CardSizeShape : public QWidget {
public:
    explicit CardSizeShape(QWidget* parent = nullptr) : QWidget(parent) {}
    void SetCardSize(QSize size);
    QSize CardSize() const { return size_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSize size_;
};

}  // namespace velmora
