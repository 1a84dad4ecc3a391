#pragma once
// The Please Wait window: shown, not modal, while a card set is read or written, with a bar that
// advances once per card.

#include <QDialog>

#include "cardsets/CardSetProgress.h"

class QProgressBar;

namespace velmora {

class Wait : public QDialog, public CardSetProgress {
public:
    static constexpr int ClientWidth = 282;
    static constexpr int ClientHeight = 70;

    explicit Wait(QWidget* parent = nullptr);

    // CardSetProgress
    void ShowProgress() override;
    void SetProgressPosition(int position) override;
    // Lets painting and timers run but holds back the user's input: the work in progress is not
    // re-entrant, and a click could start a second read or write in the middle of it.
    void ProcessEvents() override;
    void CloseProgress() override;

    QProgressBar* ProgressBar() const { return progressBar_; }

private:
    QProgressBar* progressBar_;
};

}  // namespace velmora
