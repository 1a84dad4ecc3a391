#pragma once
// Windows that follow the main window's zoom: above 100 % their fonts, the places of their
// controls and their sizes grow by the zoom's factor, so that their text stays as readable as the
// board's. Each window is scaled from its own 100 % layout every time it is shown and goes back to
// it when hidden, so a window that moves its controls meanwhile (Game Over fitting a long name)
// does so at 100 % and is scaled from where it put them.

#include <QObject>

class QWidget;

namespace velmora {

// Scales window and its controls to factor times their 100 % size (1 restores them).
void ZoomWindow(QWidget& window, double factor);

class DialogZoom : public QObject {
public:
    explicit DialogZoom(QObject* parent) : QObject(parent) {}

    // window is scaled at every show from now on.
    void Follow(QWidget& window);
    // The zoom's factor; the windows keep their 100 % size at or below 1.
    void SetFactor(double factor) { factor_ = factor; }
    double Factor() const { return factor_ > 1 ? factor_ : 1; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    double factor_ = 1;
};

}  // namespace velmora
