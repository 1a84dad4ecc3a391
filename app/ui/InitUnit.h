#pragma once
// The splash window shown while the program starts; it closes itself after about two seconds.

#include <QDialog>

#include "widgets/HelpHook.h"

class QLabel;
class QTimer;

namespace velmora {

class TInitScreen : public QDialog {
    Q_OBJECT
public:
    explicit TInitScreen(QWidget* parent = nullptr, HelpHook help = HelpWindowHook());

    QLabel* VersionLabel() const { return version_; }
    QLabel* NoticeLabel() const { return notice_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Timer1Timer();

    QLabel* picture_;
    QLabel* version_;
    QLabel* notice_;
    QTimer* timer_;
    unsigned char ticks_ = 0;
};

}  // namespace velmora
