// The Password window: adding, changing and deleting a password, read back from velmora.dat.
#include <QRadioButton>

#include "players/ui/ChngPassword.h"
#include "tests/players/ui/WindowTestKit.h"

namespace velmora {
namespace {

using testing::Child;
using testing::Click;
using testing::Lines;
using testing::Select;
using testing::Type;

class ChngPasswordTest : public testing::LibraryFixture {
protected:
    void SetUp() override { Write({{"Ann"}, {"Robo", false}, {"Bob", true, "Secret", true}, {"Cleo", true, "t", false}}); }
    ChngPassword window{library, help};
};

TEST_F(ChngPasswordTest, ListsOnlyHumansOfTheOperationAndSwitchesBetweenThem) {
    QStringList addList;
    QStringList changeList;
    bool addPanelShown = false;
    bool modifyPanelShown = true;
    modal.Then([&](QDialog& dialog) {
        addList = Lines(dialog, "lbPlayers");
        addPanelShown = Child(dialog, "pnlAdd").isVisible();
        modifyPanelShown = Child(dialog, "pnlModify").isVisible();
        Child<QRadioButton>(dialog, "RadioButton2").click();
        changeList = Lines(dialog, "lbPlayers");
        EXPECT_FALSE(Child(dialog, "pnlAdd").isVisible());
        EXPECT_TRUE(Child(dialog, "pnlModify").isVisible());
    });
    window.ExecuteAdd();
    EXPECT_EQ(addList, (QStringList{"Ann"}));
    EXPECT_TRUE(addPanelShown);
    EXPECT_FALSE(modifyPanelShown);
    // A password text without protection is listed with the passwords.
    EXPECT_EQ(changeList, (QStringList{"Bob", "Cleo"}));
    EXPECT_TRUE(Child<QRadioButton>(window, "RadioButton2").isChecked());
}

TEST_F(ChngPasswordTest, AddsAPasswordOnceTypedTwiceAlike) {
    modal.Then([](QDialog& dialog) {
        Click(dialog, "Button1");  // nobody selected
        Select(dialog, "lbPlayers", 0);
        Type(dialog, "Edit1", "one");
        Type(dialog, "Edit2", "two");
        Click(dialog, "Button1");
        EXPECT_TRUE(Child<QLineEdit>(dialog, "Edit1").text().isEmpty());
        Type(dialog, "Edit1", "pw");
        Type(dialog, "Edit2", "pw");
        Click(dialog, "Button1");
    });
    window.ExecuteAdd();
    EXPECT_EQ(Texts(), (std::vector<QString>{"No player selected for this operation.",
                                             "Unable to verify your new password ! Please try again.",
                                             "Password successfully added !"}));
    EXPECT_EQ(messages.shown[2].kind, MessageKind::Information);
    const auto ann = OnDisk("Ann");
    EXPECT_EQ(ann->Password.Text(), "pw");
    EXPECT_EQ(ann->PasswordOn, 1);
    // Ann now appears among the passwords, and nobody is left without one.
    modal.Then([](QDialog& dialog) { EXPECT_EQ(Lines(dialog, "lbPlayers"), (QStringList{"Ann", "Bob", "Cleo"})); });
    window.ExecuteChange();
    messages.shown.clear();
    window.ExecuteAdd();
    EXPECT_EQ(Texts(), (std::vector<QString>{"No players available for this operation."}));
    EXPECT_EQ(modal.opened.size(), 2u);  // the last opening closed before it was shown
}

TEST_F(ChngPasswordTest, ChangesThenDeletesAfterTheCurrentPasswordIsRight) {
    modal.Then([](QDialog& dialog) {
        Select(dialog, "lbPlayers", 0);
        Type(dialog, "Edit5", "secret");
        Type(dialog, "Edit3", "a");
        Type(dialog, "Edit4", "b");
        Click(dialog, "Button1");  // the current password is refused before the new ones are read
        EXPECT_TRUE(Child<QLineEdit>(dialog, "Edit5").text().isEmpty());
        EXPECT_EQ(Child<QLineEdit>(dialog, "Edit3").text(), "a");
        Type(dialog, "Edit5", "Secret");
        Click(dialog, "Button1");
        EXPECT_TRUE(Child<QLineEdit>(dialog, "Edit3").text().isEmpty());
        Type(dialog, "Edit3", "New");
        Type(dialog, "Edit4", "New");
        Click(dialog, "Button1");
    });
    window.ExecuteChange();
    EXPECT_EQ(Texts(), (std::vector<QString>{"Incorrect current password!",
                                             "Unable to verify your new password ! Please try again.",
                                             "Password successfully changed !"}));
    EXPECT_EQ(OnDisk("Bob")->Password.Text(), "New");

    messages.shown.clear();
    modal.Then([](QDialog& dialog) {
        EXPECT_TRUE(Child<QLineEdit>(dialog, "Edit5").text().isEmpty());
        Select(dialog, "lbPlayers", 0);
        Type(dialog, "Edit5", "New");
        Click(dialog, "Button1");
    });
    window.ExecuteChange();
    EXPECT_EQ(Texts(), (std::vector<QString>{"Password successfully deleted !"}));
    EXPECT_EQ(OnDisk("Bob")->Password.Text(), "");
    EXPECT_EQ(OnDisk("Bob")->PasswordOn, 0);

    // Changing the password of an unprotected player with a password text protects the player.
    modal.Then([](QDialog& dialog) {
        EXPECT_EQ(Lines(dialog, "lbPlayers"), (QStringList{"Cleo"}));
        Select(dialog, "lbPlayers", 0);
        Type(dialog, "Edit5", "t");
        Type(dialog, "Edit3", "u");
        Type(dialog, "Edit4", "u");
        Click(dialog, "Button1");
        EXPECT_EQ(dialog.result(), QDialog::Accepted);  // closed after the success
    });
    window.ExecuteChange();
    EXPECT_EQ(OnDisk("Cleo")->PasswordOn, 1);
}

TEST_F(ChngPasswordTest, CancelKeepsTheTypedTextForTheNextOpening) {
    modal.Then([](QDialog& dialog) {
        Type(dialog, "Edit1", "half");
        Click(dialog, "Button3");
        Click(dialog, "Button2");
    });
    window.ExecuteAdd();
    modal.Then([](QDialog& dialog) { EXPECT_EQ(Child<QLineEdit>(dialog, "Edit1").text(), "half"); });
    window.ExecuteAdd();
    EXPECT_EQ(helpTopics, (std::vector<std::string>{"password_w"}));
    EXPECT_EQ(OnDisk("Ann")->Password.Text(), "");
}

}  // namespace
}  // namespace velmora
