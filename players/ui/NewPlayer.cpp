#include "players/ui/NewPlayer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "players/NewPlayerCheck.h"
#include "players/PlayerRecord.h"
#include "widgets/AnsiText.h"
#include "widgets/Messages.h"
#include "widgets/Modal.h"
#include "widgets/WindowParts.h"
#include "widgets/Translation.h"

namespace velmora {

NewPlayer::NewPlayer(PlayerLibrary& library, HelpHook help, QWidget* parent) : QDialog(parent), library_(library) {
    setObjectName("TForm4");
    SetText(this, "windowTitle", VELMORA_TR("NewPlayer", "Add New Player - Velmora"));

    nameBox_ = MakeTextBox(this, "Edit1", false, MaxNameLength);
    QLabel* nameLabel = MakeLabel(this, "Label1", VELMORA_TR("NewPlayer", "&Name"));
    nameLabel->setBuddy(nameBox_);
    protectedBox_ = WithText(new QCheckBox(this), VELMORA_TR("NewPlayer", "Password protected player"));
    protectedBox_->setObjectName("CheckBox1");
    passwordBox_ = MakeTextBox(this, "Edit2", true, MaxNameLength);
    passwordLabel_ = MakeLabel(this, "Label2", VELMORA_TR("NewPlayer", "&Password"));
    passwordLabel_->setBuddy(passwordBox_);
    confirmBox_ = MakeTextBox(this, "Edit3", true, MaxNameLength);
    confirmLabel_ = MakeLabel(this, "Label3", VELMORA_TR("NewPlayer", "Con&firm"));
    confirmLabel_->setBuddy(confirmBox_);

    auto* fields = new QGridLayout;
    fields->addWidget(nameLabel, 0, 0);
    fields->addWidget(nameBox_, 0, 1);
    fields->addWidget(protectedBox_, 1, 1);
    fields->addWidget(passwordLabel_, 2, 0);
    fields->addWidget(passwordBox_, 2, 1);
    fields->addWidget(confirmLabel_, 3, 0);
    fields->addWidget(confirmBox_, 3, 1);

    QPushButton* add = MakeButton(this, "BitBtn1", VELMORA_TR("NewPlayer", "&Add"), [this] { AddClick(); });
    add->setDefault(true);
    QPushButton* cancel = MakeButton(this, "BitBtn2", VELMORA_TR("NewPlayer", "&Cancel"), [this] { reject(); });
    QPushButton* helpButton = MakeHelpButton(this, "BitBtn3", VELMORA_TR("NewPlayer", "H&elp"), help, "addnewplayer_w");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(add);
    buttons->addWidget(cancel);
    buttons->addWidget(helpButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildKindGroup());
    layout->addLayout(fields);
    layout->addWidget(BuildIQGroup());
    layout->addLayout(buttons);

    connect(human_, &QRadioButton::toggled, this, [this] { UpdateEnabling(); });
    connect(protectedBox_, &QCheckBox::toggled, this, [this] { UpdateEnabling(); });
    UpdateEnabling();
    setFixedWidth(360);
}

QWidget* NewPlayer::BuildKindGroup() {
    QGroupBox* group = MakeGroup(this, "RadioGroup1", VELMORA_TR("NewPlayer", " Player Is "));
    human_ = WithText(new QRadioButton(group), VELMORA_TR("NewPlayer", "&Human"));
    human_->setObjectName("RadioGroup1Human");
    computer_ = WithText(new QRadioButton(group), VELMORA_TR("NewPlayer", "C&omputer"));
    computer_->setObjectName("RadioGroup1Computer");
    human_->setChecked(true);
    auto* row = new QHBoxLayout(group);
    row->addWidget(human_);
    row->addWidget(computer_);
    return group;
}

QWidget* NewPlayer::BuildIQGroup() {
    iqGroup_ = MakeGroup(this, "GroupBox2", VELMORA_TR("NewPlayer", " Computer IQ "));
    iqBar_ = new QSlider(Qt::Horizontal, iqGroup_);
    iqBar_->setObjectName("TrackBar1");
    iqBar_->setRange(0, 50);
    iqBar_->setValue(5);
    iqBar_->setTickInterval(10);
    iqBar_->setTickPosition(QSlider::TicksBelow);
    iqBar_->setPageStep(1);
    iqShown_ = MakeLabel(iqGroup_, "Label6", QString::number(iqBar_->value()));
    iqShown_->setMinimumWidth(24);
    connect(iqBar_, &QSlider::valueChanged, iqShown_, [this](int value) { iqShown_->setNum(value); });
    auto* row = new QHBoxLayout(iqGroup_);
    row->addWidget(MakeLabel(iqGroup_, "Label4", VELMORA_TR("NewPlayer", "Low")));
    row->addWidget(iqBar_);
    row->addWidget(MakeLabel(iqGroup_, "Label5", VELMORA_TR("NewPlayer", "High")));
    row->addWidget(iqShown_);
    return iqGroup_;
}

// Disabling the group disables the track bar and its labels with it.
void NewPlayer::UpdateEnabling() {
    const bool human = human_->isChecked();
    iqGroup_->setEnabled(!human);
    protectedBox_->setEnabled(human);
    const bool passwordsOpen = human && protectedBox_->isChecked();
    for (QWidget* widget : {static_cast<QWidget*>(passwordLabel_), static_cast<QWidget*>(passwordBox_),
                            static_cast<QWidget*>(confirmLabel_), static_cast<QWidget*>(confirmBox_)}) {
        widget->setEnabled(passwordsOpen);
    }
}

bool NewPlayer::Execute() {
    nameBox_->clear();
    passwordBox_->clear();
    confirmBox_->clear();
    nameBox_->setFocus();
    return RunModal(*this) == QDialog::Accepted;
}

QLineEdit* NewPlayer::BoxToFocus(NewPlayerField field) const {
    switch (field) {
        case NewPlayerField::Password:
            return passwordBox_;
        case NewPlayerField::Confirmation:
            return confirmBox_;
        default:
            return nameBox_;
    }
}

void NewPlayer::AddClick() {
    const auto name = AnsiTextOf(nameBox_, kNameRefused);
    if (!name) return;
    const auto password = AnsiTextOf(passwordBox_, kPasswordRefused);
    if (!password) return;
    const auto confirmation = AnsiTextOf(confirmBox_, kConfirmationRefused);
    if (!confirmation) return;

    const NewPlayerInput input{*name, *password, *confirmation, human_->isChecked(), protectedBox_->isChecked()};
    const NewPlayerRefusal refusal = CheckNewPlayer(input);
    if (!refusal.Message.empty()) {
        ShowError(this, TranslatedEnglish("Players", refusal.Message));
        BoxToFocus(refusal.Focus)->setFocus();
        return;
    }
    // The tick is taken even when the box is disabled, and the password box whatever it holds.
    const Phrase clash = library_.AppendPlayer({*name, *password, protectedBox_->isChecked(),
                                                     human_->isChecked(), iqBar_->value()});
    if (!clash.Empty()) {
        ShowError(this, Translated(clash));
        return;
    }
    accept();
}

}  // namespace velmora
