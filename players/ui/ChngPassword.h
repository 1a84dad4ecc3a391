#pragma once
// The Password window: gives a human player a password, changes it or removes it.

#include <QDialog>
#include <string>
#include <vector>

#include "players/PlayerLibrary.h"
#include "players/PlayerPasswords.h"
#include "widgets/HelpHook.h"

class QLineEdit;
class QListWidget;
class QRadioButton;
class QWidget;

namespace velmora {

class ChngPassword : public QDialog {
    Q_OBJECT
public:
    ChngPassword(PlayerLibrary& library, HelpHook help, QWidget* parent = nullptr);

    // "Add Pass&word" and "Chan&ge/Delete Password": choose the operation and show the window
    // modally, unless no player is available for it.
    void ExecuteAdd();
    void ExecuteChange();

private:
    QWidget* BuildOperationGroup();
    QWidget* BuildAddPanel();
    QWidget* BuildModifyPanel();
    void Execute(bool add);
    void ShowOperation(bool add);
    bool ReloadList();  // false when the list is empty
    void OkClick();
    void AddOk(const std::string& name);
    void ChangeOk(const std::string& name);
    void Report(const PasswordResult& result);

    PlayerLibrary& library_;
    QRadioButton* addOperation_;
    QRadioButton* changeOperation_;
    QListWidget* players_;
    std::vector<std::string> lines_;
    QWidget* addPanel_;
    QWidget* modifyPanel_;
    QLineEdit* newPassword_;      // Edit1
    QLineEdit* newRepeated_;      // Edit2
    QLineEdit* changedPassword_;  // Edit3
    QLineEdit* changedRepeated_;  // Edit4
    QLineEdit* currentPassword_;  // Edit5
};

}  // namespace velmora
