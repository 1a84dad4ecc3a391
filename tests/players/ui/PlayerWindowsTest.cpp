// The password prompt, Add New Player and Delete Player windows.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>

#include "players/ui/DeletePlayer.h"
#include "players/ui/NewPlayer.h"
#include "players/ui/Password.h"
#include "tests/players/ui/WindowTestKit.h"
#include "tests/support/ReadOnlyFolder.h"

namespace velmora {
namespace {

using testing::Child;
using testing::Click;
using testing::Type;

class PromptTest : public testing::LibraryFixture {
protected:
    Password prompt{help};
};

TEST_F(PromptTest, ReturnsTheTypedTextAndPutsTheStandardTextsBack) {
    QString titleSeen;
    QString labelSeen;
    modal.Then([&](QDialog& dialog) {
        titleSeen = dialog.windowTitle();
        labelSeen = Child<QLabel>(dialog, "Label1").text();
        EXPECT_TRUE(Child<QLineEdit>(dialog, "Edit1").text().isEmpty());
        Type(dialog, "Edit1", "Secret");
        Click(dialog, "BitBtn1");
    });
    EXPECT_EQ(prompt.Ask("Enter password Bob", "Please enter the password :"), std::optional<QString>("Secret"));
    EXPECT_EQ(titleSeen, "Enter password Bob");
    EXPECT_EQ(prompt.windowTitle(), "Password - Velmora");
    EXPECT_EQ(Child<QLabel>(prompt, "Label1").text(), "Please enter the password :");

    modal.Then([&](QDialog& dialog) {
        Type(dialog, "Edit1", "typed");
        Click(dialog, "BitBtn2");
    });
    EXPECT_EQ(prompt.Ask("Password - Velmora", "Please enter the password for Bob"), std::nullopt);
    EXPECT_EQ(Child<QLabel>(prompt, "Label1").text(), "Please enter the password :");
    modal.Then([&](QDialog& dialog) { Click(dialog, "BitBtn3"); });  // help, then closed some other way
    EXPECT_EQ(prompt.Ask("t", "l"), std::nullopt);
    EXPECT_EQ(helpTopics, (std::vector<std::string>{"enterpassword_w"}));
}

TEST_F(PromptTest, ComparesWithTheStoredPasswordExactly) {
    const TPlayerRecord bob = MakePlayerRecord("Bob", "Secret", true, true, 5);
    const auto answer = [&](const QString& typed) {
        modal.Then([typed](QDialog& dialog) {
            Type(dialog, "Edit1", typed);
            Click(dialog, "BitBtn1");
        });
        return prompt.AskFor(bob, "t", "l");
    };
    EXPECT_EQ(answer("Secret"), PromptAnswer::Right);
    EXPECT_EQ(answer("secret"), PromptAnswer::Wrong);
    EXPECT_EQ(answer(QString::fromUtf8("Sécret✓")), PromptAnswer::Wrong);
    EXPECT_EQ(prompt.AskFor(bob, "t", "l"), PromptAnswer::Cancelled);
}

class NewPlayerTest : public testing::LibraryFixture {
protected:
    bool Add(const std::function<void(QDialog&)>& fill) {
        modal.Then([fill](QDialog& dialog) {
            fill(dialog);
            Click(dialog, "BitBtn1");
        });
        return window.Execute();
    }
    NewPlayer window{library, help};
};

TEST_F(NewPlayerTest, EnablesTheControlsOfTheChosenKind) {
    auto& human = Child<QRadioButton>(window, "RadioGroup1Human");
    auto& computer = Child<QRadioButton>(window, "RadioGroup1Computer");
    auto& tick = Child<QCheckBox>(window, "CheckBox1");
    auto& iqGroup = Child<QGroupBox>(window, "GroupBox2");
    auto& password = Child<QLineEdit>(window, "Edit2");
    auto& confirm = Child<QLineEdit>(window, "Edit3");
    EXPECT_TRUE(human.isChecked());
    EXPECT_FALSE(iqGroup.isEnabled());
    EXPECT_FALSE(Child<QSlider>(window, "TrackBar1").isEnabled());
    EXPECT_TRUE(tick.isEnabled());
    EXPECT_FALSE(password.isEnabled());
    EXPECT_FALSE(Child<QLabel>(window, "Label3").isEnabled());

    tick.setChecked(true);
    EXPECT_TRUE(password.isEnabled());
    EXPECT_TRUE(confirm.isEnabled());
    EXPECT_TRUE(Child<QLabel>(window, "Label2").isEnabled());

    computer.setChecked(true);
    EXPECT_TRUE(iqGroup.isEnabled());
    EXPECT_TRUE(Child<QLabel>(window, "Label4").isEnabled());
    EXPECT_FALSE(tick.isEnabled());
    EXPECT_TRUE(tick.isChecked());  // keeps its tick
    EXPECT_FALSE(password.isEnabled());
    EXPECT_FALSE(confirm.isEnabled());

    EXPECT_EQ(Child<QLabel>(window, "Label6").text(), "5");
    Child<QSlider>(window, "TrackBar1").setValue(37);
    EXPECT_EQ(Child<QLabel>(window, "Label6").text(), "37");
    EXPECT_EQ(Child<QSlider>(window, "TrackBar1").maximum(), 50);
}

TEST_F(NewPlayerTest, RefusesInOrderAndKeepsTheWindowOpenWithTheTexts) {
    QString nameAfter;
    modal.Then([&](QDialog& dialog) {
        Child<QCheckBox>(dialog, "CheckBox1").setChecked(true);
        Click(dialog, "BitBtn1");
        Type(dialog, "Edit1", "Ann");
        Click(dialog, "BitBtn1");
        Type(dialog, "Edit2", "pw");
        Click(dialog, "BitBtn1");
        Type(dialog, "Edit3", "PW");
        Click(dialog, "BitBtn1");
        EXPECT_TRUE(dialog.isVisible());
        nameAfter = Child<QLineEdit>(dialog, "Edit1").text();
    });
    EXPECT_FALSE(window.Execute());
    EXPECT_EQ(Texts(), (std::vector<QString>{"Please enter the name.", "Please enter the password.",
                                             "Please confirm your password.",
                                             "Wrong password! Please make sure to enter your password correctly."}));
    for (const auto& shown : messages.shown) EXPECT_EQ(shown.kind, MessageKind::Error);
    EXPECT_EQ(nameAfter, "Ann");
    EXPECT_TRUE(OnDisk().empty());
}

TEST_F(NewPlayerTest, StoresWhatTheWindowHoldsAndEmptiesOnlyTheTextBoxesNextTime) {
    // A computer player added with the tick set: protected on paper, never asked.
    EXPECT_TRUE(Add([](QDialog& dialog) {
        Child<QCheckBox>(dialog, "CheckBox1").setChecked(true);
        Child<QRadioButton>(dialog, "RadioGroup1Computer").setChecked(true);
        Type(dialog, "Edit1", "Robo");
    }));
    auto robo = OnDisk("Robo");
    ASSERT_TRUE(robo);
    EXPECT_EQ(robo->IsHuman, 0);
    EXPECT_EQ(robo->PasswordOn, 1);
    EXPECT_EQ(robo->IQ, 5);  // the track bar never moved
    EXPECT_TRUE(messages.shown.empty());

    // The kind and the tick stay from last time; the text boxes are empty again.
    EXPECT_TRUE(Add([](QDialog& dialog) {
        EXPECT_TRUE(Child<QLineEdit>(dialog, "Edit1").text().isEmpty());
        EXPECT_TRUE(Child<QRadioButton>(dialog, "RadioGroup1Computer").isChecked());
        Child<QRadioButton>(dialog, "RadioGroup1Human").setChecked(true);
        Type(dialog, "Edit2", "kept");
        Type(dialog, "Edit3", "kept");
        Child<QCheckBox>(dialog, "CheckBox1").setChecked(false);
        Child<QSlider>(dialog, "TrackBar1").setValue(12);
        Type(dialog, "Edit1", QString::fromUtf8("Zoë"));
    }));
    auto zoe = OnDisk("Zo\xEB");
    ASSERT_TRUE(zoe);
    EXPECT_EQ(zoe->IsHuman, 1);
    EXPECT_EQ(zoe->PasswordOn, 0);
    EXPECT_EQ(zoe->Password.Text(), "kept");
    EXPECT_EQ(zoe->IQ, 12);
}

TEST_F(NewPlayerTest, RefusesATakenNameAndTextThatCannotBeStored) {
    Write({{"Bob"}});
    EXPECT_FALSE(Add([](QDialog& dialog) { Type(dialog, "Edit1", "bob"); }));
    EXPECT_FALSE(Add([](QDialog& dialog) { Type(dialog, "Edit1", QString::fromUtf8("Жора")); }));
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].text, "Please choose different name.bob is already in use.");
    EXPECT_TRUE(messages.shown[1].text.startsWith("The name holds a character that cannot be stored."));
    EXPECT_EQ(OnDisk().size(), 1u);
}

class DeletePlayerTest : public testing::LibraryFixture {
protected:
    Password prompt{help};
    DeletePlayer window{library, prompt, help};
};

TEST_F(DeletePlayerTest, DeletesAnUnprotectedPlayerAtOnceAndStaysOpen) {
    Write({{"Ann"}, {"Robo", false, "x", true}, {"Cid"}});
    QStringList before;
    QStringList after;
    modal.Then([&](QDialog& dialog) {
        before = testing::Lines(dialog, "ListBox2");
        testing::Select(dialog, "ListBox2", 1);  // a computer player is never asked
        Click(dialog, "BitBtn1");
        after = testing::Lines(dialog, "ListBox2");
        EXPECT_TRUE(dialog.isVisible());
    });
    window.Execute();
    EXPECT_EQ(before, (QStringList{"Ann", "Robo (computer)", "Cid"}));
    EXPECT_EQ(after, (QStringList{"Ann", "Cid"}));
    EXPECT_EQ(modal.opened, (std::vector<QString>{"TForm14"}));
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(OnDisk().size(), 2u);
}

TEST_F(DeletePlayerTest, AsksAProtectedPlayersPasswordAndDeletesOnlyWhenRight) {
    Write({{"Bob", true, "Secret", true}});
    const auto deleteBob = [&](const std::function<void(QDialog&)>& answer) {
        modal.Then([&](QDialog& dialog) {
            testing::Select(dialog, "ListBox2", 0);
            Click(dialog, "BitBtn1");
        });
        modal.Then(answer);
        window.Execute();
    };
    QString label;
    deleteBob([&](QDialog& dialog) {
        label = Child<QLabel>(dialog, "Label1").text();
        Click(dialog, "BitBtn2");
    });
    EXPECT_EQ(label, "Please enter the password for Bob");
    EXPECT_TRUE(messages.shown.empty());  // cancelled: nothing said, nothing deleted
    deleteBob([](QDialog& dialog) {
        Type(dialog, "Edit1", "secret");
        Click(dialog, "BitBtn1");
    });
    EXPECT_EQ(Texts(), (std::vector<QString>{"Incorrect password."}));
    EXPECT_EQ(OnDisk().size(), 1u);
    deleteBob([](QDialog& dialog) {
        Type(dialog, "Edit1", "Secret");
        Click(dialog, "BitBtn1");
    });
    EXPECT_TRUE(OnDisk().empty());
    EXPECT_EQ(std::filesystem::file_size(library.FilePath()), 0u);  // the only player: an empty file
}

TEST_F(DeletePlayerTest, AnUnwritableLibraryShowsTheFileErrorAndKeepsThePlayerListed) {
    Write({{"Ann"}, {"Cid"}});
    const testing::ReadOnlyFolder readOnly(folder.Path());
    if (!readOnly.Refuses()) GTEST_SKIP() << "this user writes into read-only folders";
    QStringList after;
    modal.Then([&](QDialog& dialog) {
        testing::Select(dialog, "ListBox2", 0);
        Click(dialog, "BitBtn1");
        after = testing::Lines(dialog, "ListBox2");
    });
    window.Execute();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(Texts(), (std::vector<QString>{"File access denied"}));
    EXPECT_EQ(after, (QStringList{"Ann", "Cid"}));
    EXPECT_EQ(OnDisk().size(), 2u);
}

TEST_F(DeletePlayerTest, DeleteWithoutASelectionDoesNothing) {
    Write({{"Ann"}});
    modal.Then([](QDialog& dialog) {
        Click(dialog, "BitBtn1");
        Click(dialog, "BitBtn3");
    });
    window.Execute();
    EXPECT_EQ(OnDisk().size(), 1u);
    EXPECT_EQ(helpTopics, (std::vector<std::string>{"deleteplayer_w"}));
}

}  // namespace
}  // namespace velmora
