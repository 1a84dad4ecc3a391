#pragma once
// The About window: the program's name, version and the maker's addresses. It closes only
// through its Close button.

#include <QDialog>

#include "widgets/HelpHook.h"

class QLabel;
class QPushButton;

namespace velmora {

class TExitForm : public QDialog {
    Q_OBJECT
public:
    explicit TExitForm(QWidget* parent = nullptr, HelpHook help = HelpWindowHook());

    QLabel* WebLink() const { return link_; }
    QPushButton* CloseButton() const { return close_; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* link_;
    QPushButton* close_;
};

}  // namespace velmora
