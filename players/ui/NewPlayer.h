#pragma once
// The Add New Player window: a human or computer player with name, IQ and optional password is
// appended to velmora.dat.

#include <QDialog>

#include "players/NewPlayerCheck.h"
#include "players/PlayerLibrary.h"
#include "widgets/HelpHook.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSlider;

namespace velmora {

class NewPlayer : public QDialog {
    Q_OBJECT
public:
    NewPlayer(PlayerLibrary& library, HelpHook help, QWidget* parent = nullptr);

    // Shows the window modally with its text boxes emptied (kind, tick and IQ stay as last used);
    // true when a player was added.
    bool Execute();

private:
    QWidget* BuildKindGroup();
    QWidget* BuildIQGroup();
    void UpdateEnabling();
    void AddClick();
    QLineEdit* BoxToFocus(NewPlayerField field) const;

    PlayerLibrary& library_;
    QRadioButton* human_;
    QRadioButton* computer_;
    QLineEdit* nameBox_;
    QCheckBox* protectedBox_;
    QLabel* passwordLabel_;
    QLineEdit* passwordBox_;
    QLabel* confirmLabel_;
    QLineEdit* confirmBox_;
    QGroupBox* iqGroup_;
    QSlider* iqBar_;
    QLabel* iqShown_;
};

}  // namespace velmora
