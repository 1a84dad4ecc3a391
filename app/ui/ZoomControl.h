#pragma once
// The main window's zoom and full screen: the Options menu's Zoom items and Full Screen, the scale
// the window is shown at for its room, and the view kept in the settings file. The window's parts
// are laid out by ZoomedClient and drawn by BoardPainter at the scale this object picks.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>

#include "app/ViewSettings.h"
#include "app/Zoom.h"

class QLabel;
class QMainWindow;

namespace velmora {

class BoardPainter;
class DialogZoom;
class ZoomedClient;
struct MainMenu;

class ZoomControl : public QObject {
public:
    // redraw composes the board again once the buffer has its new size.
    ZoomControl(QMainWindow& window, ZoomedClient& client, BoardPainter& painter, QLabel& status,
                const MainMenu& menu, std::function<void()> redraw);
    ~ZoomControl() override;

    // Before the window is placed: the saved view, or the first start's rule where it is missing or absurd.
    void Restore(const ViewSettings& saved);
    // Sizes the window for its room and centres it on its screen's available area.
    void PlaceOnScreen();
    ViewSettings Current() const;

    void Choose(Zoom zoom);
    void SetFullScreen(bool on);
    Zoom Choice() const { return choice_; }
    const Scale& Shown() const { return shown_; }
    // The screen's device pixel ratio; tests and a move to another screen set it.
    void SetDeviceRatio(qreal ratio);

    // A position in the board area's pixels as a position on the 100 % board.
    QPoint ToBoard(QPoint p) const { return {shown_.Unmap(p.x()), shown_.Unmap(p.y())}; }
    // Game Over, New Game, statistics and the card-set windows, children of the window, follow the
    // zoom's font scale: each from its polish on, which comes before its first show, so a window
    // made when first opened follows as one made with the main window.
    DialogZoom& Dialogs() { return *dialogs_; }

    // Lays the window out again for its room: after a resize, a screen change or a new choice.
    void Relayout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Extent Room() const;
    Extent Chrome() const;
    void Apply(const Scale& scale);
    void CheckChoice();

    QMainWindow& window_;
    ZoomedClient& client_;
    // The client is a sibling child of the window and may be destroyed first.
    QPointer<ZoomedClient> clientAlive_;
    BoardPainter& painter_;
    QLabel& status_;
    const MainMenu& menu_;
    std::function<void()> redraw_;
    DialogZoom* dialogs_;

    Zoom choice_ = Zoom::Percent100;
    Scale shown_;
    qreal ratio_ = 0;  // 0: the window's own
    qreal appliedRatio_ = 1;
    Extent normalRoom_;
    bool applying_ = false;
};

}  // namespace velmora
