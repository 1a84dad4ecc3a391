#include "players/ui/ChngPassword.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "players/PlayerPasswords.h"
#include "players/PlayerRecord.h"
#include "players/ui/DeletePlayer.h"
#include "widgets/AnsiText.h"
#include "widgets/CommandGuard.h"
#include "widgets/Messages.h"
#include "widgets/Modal.h"
#include "widgets/WindowParts.h"
#include "widgets/Translation.h"

namespace velmora {
namespace {

QLabel* MakeWrappedText(QWidget* parent, const char* objectName, Tr text) {
    QLabel* label = MakeLabel(parent, objectName, text);
    label->setWordWrap(true);
    return label;
}

QLabel* MakeHeading(QWidget* parent, const char* objectName, Tr text) {
    QLabel* label = MakeLabel(parent, objectName, text);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

void EmptyBoxes(std::initializer_list<QLineEdit*> boxes) {
    for (QLineEdit* box : boxes) box->clear();
}

}  // namespace

ChngPassword::ChngPassword(PlayerLibrary& library, HelpHook help, QWidget* parent)
    : QDialog(parent), library_(library) {
    setObjectName("TfrmPassword");
    SetText(this, "windowTitle", VELMORA_TR("ChangePassword", "Password - Velmora"));

    auto* playerGroup = WithText(new QGroupBox(this), VELMORA_TR("ChangePassword", " Select Player "), "title");
    players_ = MakeList(playerGroup, "lbPlayers");
    players_->setAccessibleName(QCoreApplication::translate("ChangePassword", "Players"));
    (new QVBoxLayout(playerGroup))->addWidget(players_);

    auto* left = new QVBoxLayout;
    left->addWidget(BuildOperationGroup());
    left->addWidget(playerGroup);
    auto* panels = new QVBoxLayout;
    panels->addWidget(BuildAddPanel());
    panels->addWidget(BuildModifyPanel());
    panels->addStretch();
    auto* body = new QHBoxLayout;
    body->addLayout(left);
    body->addLayout(panels, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(MakeButton(this, "Button1", VELMORA_TR("ChangePassword", "&OK"), [this] { OkClick(); }));
    buttons->addWidget(MakeButton(this, "Button2", VELMORA_TR("ChangePassword", "&Cancel"), [this] { reject(); }));
    buttons->addWidget(MakeHelpButton(this, "Button3", VELMORA_TR("ChangePassword", "&Help"), help, "password_w"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    resize(520, 300);
}

QWidget* ChngPassword::BuildOperationGroup() {
    auto* group = WithText(new QGroupBox(this), VELMORA_TR("ChangePassword", " Operation "), "title");
    addOperation_ = WithText(new QRadioButton(group), VELMORA_TR("ChangePassword", "Add Password"));
    addOperation_->setObjectName("RadioButton1");
    changeOperation_ = WithText(new QRadioButton(group), VELMORA_TR("ChangePassword", "Change/Delete Password"));
    changeOperation_->setObjectName("RadioButton2");
    auto* column = new QVBoxLayout(group);
    column->addWidget(addOperation_);
    column->addWidget(changeOperation_);
    // Clicks by the user only: the menu commands choose the operation themselves.
    connect(addOperation_, &QRadioButton::clicked, this, [this] { RunGuarded(this, [this] { ShowOperation(true); }); });
    connect(changeOperation_, &QRadioButton::clicked, this,
            [this] { RunGuarded(this, [this] { ShowOperation(false); }); });
    return group;
}

QWidget* ChngPassword::BuildAddPanel() {
    addPanel_ = new QWidget(this);
    addPanel_->setObjectName("pnlAdd");
    newPassword_ = MakeTextBox(addPanel_, "Edit1", true, MaxNameLength);
    newRepeated_ = MakeTextBox(addPanel_, "Edit2", true, MaxNameLength);
    newPassword_->setAccessibleName(QCoreApplication::translate("ChangePassword", "Password"));
    newRepeated_->setAccessibleName(QCoreApplication::translate("ChangePassword", "Password again"));
    auto* column = new QVBoxLayout(addPanel_);
    column->addWidget(MakeHeading(addPanel_, "Label1", VELMORA_TR("ChangePassword", "Adding Password")));
    column->addWidget(MakeWrappedText(
        addPanel_, "Label2", VELMORA_TR("ChangePassword", "Type your password in the first box and then type it again in the second box.")));
    column->addWidget(newPassword_);
    column->addWidget(newRepeated_);
    column->addWidget(
        MakeWrappedText(addPanel_, "Label3", VELMORA_TR("ChangePassword", "Click OK when ready or Cancel. Be sure to remember your password!")));
    return addPanel_;
}

QWidget* ChngPassword::BuildModifyPanel() {
    modifyPanel_ = new QWidget(this);
    modifyPanel_->setObjectName("pnlModify");
    currentPassword_ = MakeTextBox(modifyPanel_, "Edit5", true, MaxNameLength);
    changedPassword_ = MakeTextBox(modifyPanel_, "Edit3", true, MaxNameLength);
    changedRepeated_ = MakeTextBox(modifyPanel_, "Edit4", true, MaxNameLength);
    auto* column = new QVBoxLayout(modifyPanel_);
    column->addWidget(MakeHeading(modifyPanel_, "Label4", VELMORA_TR("ChangePassword", "Modify Password")));
    column->addWidget(MakeLabel(modifyPanel_, "Label5", VELMORA_TR("ChangePassword", "Current password?")));
    column->addWidget(currentPassword_);
    column->addWidget(MakeLabel(modifyPanel_, "Label6", VELMORA_TR("ChangePassword", "New Password ...")));
    column->addWidget(changedPassword_);
    column->addWidget(MakeLabel(modifyPanel_, "Label7", VELMORA_TR("ChangePassword", "Verify New Password ...")));
    column->addWidget(changedRepeated_);
    column->addWidget(MakeWrappedText(
        modifyPanel_, "Label8", VELMORA_TR("ChangePassword", "Click OK when ready or Cancel. Leave New Password empty if you wish to delete.")));
    return modifyPanel_;
}

void ChngPassword::ExecuteAdd() { Execute(true); }

void ChngPassword::ExecuteChange() { Execute(false); }

void ChngPassword::Execute(bool add) {
    (add ? addOperation_ : changeOperation_)->setChecked(true);
    addPanel_->setVisible(add);
    modifyPanel_->setVisible(!add);
    bool listed = false;
    if (!RunGuarded(this, [this, &listed] { listed = ReloadList(); })) return;
    if (!listed) {
        ShowError(this, Translated(VELMORA_TR("ChangePassword", "No players available for this operation.")));
        return;
    }
    RunModal(*this);
}

void ChngPassword::ShowOperation(bool add) {
    addPanel_->setVisible(add);
    modifyPanel_->setVisible(!add);
    ReloadList();
}

bool ChngPassword::ReloadList() {
    lines_.clear();
    players_->clear();
    const LibraryFilter filter =
        addOperation_->isChecked() ? LibraryFilter::HumansWithoutPassword : LibraryFilter::HumansWithPassword;
    library_.LoadPlayerLibrary(lines_, filter);
    ShowLines(*players_, lines_);
    return !lines_.empty();
}

void ChngPassword::OkClick() {
    QListWidgetItem* selected = players_->currentItem();
    if (selected == nullptr || !selected->isSelected()) {
        ShowError(this, Translated(VELMORA_TR("ChangePassword", "No player selected for this operation.")));
        return;
    }
    const std::string& name = lines_.at(static_cast<std::size_t>(players_->row(selected)));
    if (addOperation_->isChecked()) {
        AddOk(name);
    } else {
        ChangeOk(name);
    }
}

void ChngPassword::AddOk(const std::string& name) {
    const auto password = AnsiTextOf(newPassword_, kPasswordRefused);
    if (!password) return;
    const auto repeated = AnsiTextOf(newRepeated_, kPasswordRefused);
    if (!repeated) return;
    const PasswordResult result = AddPassword(library_, name, *password, *repeated);
    if (result.Outcome != PasswordOutcome::NoPlayer) EmptyBoxes({newPassword_, newRepeated_});
    Report(result);
}

void ChngPassword::ChangeOk(const std::string& name) {
    // A current password Windows-1252 cannot hold is in no record: it is simply wrong.
    const std::optional<std::string> current = ToAnsi(currentPassword_->text());
    if (!current) {
        currentPassword_->clear();
        ShowError(this, Translated(VELMORA_TR("ChangePassword", "Incorrect current password!")));
        return;
    }
    const auto password = AnsiTextOf(changedPassword_, kNewPasswordRefused);
    if (!password) return;
    const auto repeated = AnsiTextOf(changedRepeated_, kNewPasswordRefused);
    if (!repeated) return;
    const PasswordResult result = ChangeOrDeletePassword(library_, name, *current, *password, *repeated);
    if (result.Outcome == PasswordOutcome::IncorrectCurrent) {
        currentPassword_->clear();
    } else if (result.Outcome == PasswordOutcome::Unverified) {
        EmptyBoxes({changedPassword_, changedRepeated_});
    } else if (result.Saved()) {
        EmptyBoxes({changedPassword_, changedRepeated_, currentPassword_});
    }
    Report(result);
}

void ChngPassword::Report(const PasswordResult& result) {
    if (!result.Saved()) {
        ShowError(this, TranslatedEnglish("Players", result.Message));
        return;
    }
    ShowInformation(this, TranslatedEnglish("Players", result.Message));
    accept();
}

}  // namespace velmora
