#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QUrl>

#include "CardSetSamples.h"
#include "cardsets/CardSetWriter.h"
#include "cardsets/ui/Preview.h"
#include "cardsets/ui/SelectSet.h"
#include "cardsets/ui/SetInfo.h"
#include "cardsets/ui/Wait.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedModal.h"
#include "tests/support/UrlRecorder.h"

using namespace velmora;
using velmora::testing::RecordingProgress;
using velmora::testing::SampleSet;
using velmora::testing::ScratchFolder;

namespace {

template <typename T>
T* Child(QWidget& window, const char* name) {
    T* widget = window.findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

QString Field(QWidget& window, const char* name) { return Child<QLineEdit>(window, name)->text(); }

class CardSetWindowsTest : public ::testing::Test {
protected:
    CardSetWindowsTest() {
        CardSetDescription animals = SampleSet(11, 60, 50);
        animals.Details.Author = "Animal painter";
        WriteCardSet(folder / "Animals.cst", animals);
        CardSetDescription zoo = SampleSet(51, 54, 37);
        zoo.Details = {"Zoo keeper", "", "", "Line one\nLine two", "Dutch"};
        WriteCardSet(folder / "Zoo.cst", zoo);
    }

    ScratchFolder folder;
    LoadedCardSet set;
    RecordingProgress progress;
    CardSetContext context{set, folder.Path(), progress};
    fakes::ScriptedMessages messages;
    fakes::ScriptedModal modal;
};

using PleaseWait = CardSetWindowsTest;
using ViewCardSet = CardSetWindowsTest;
using SelectCardSet = CardSetWindowsTest;
using CurrentSetInfo = CardSetWindowsTest;

std::vector<int> BarPositionsOfAFullRead(const std::filesystem::path& folder, const std::string& file, Wait& wait) {
    std::vector<int> positions;
    const QMetaObject::Connection connection = QObject::connect(
        wait.ProgressBar(), &QProgressBar::valueChanged, [&](int value) { positions.push_back(value); });
    LoadedCardSet set;
    set.LoadCardSet(folder, file, CardSetParts::PicturesAndBackground, &wait);
    QObject::disconnect(connection);
    return positions;
}

}  // namespace

TEST_F(PleaseWait, IsAStayOnTopWindowWithABarToAThousand) {
    Wait wait;
    EXPECT_EQ(wait.objectName(), "TForm10");
    EXPECT_EQ(wait.windowTitle(), "Velmora - Please Wait...");
    EXPECT_EQ(wait.size(), QSize(282, 70));
    EXPECT_TRUE(wait.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(wait.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(wait.cursor().shape(), Qt::WaitCursor);
    EXPECT_EQ(wait.ProgressBar()->objectName(), "ProgressBar1");
    EXPECT_EQ(wait.ProgressBar()->maximum(), 1000);
}

TEST_F(PleaseWait, StepsNinetyForElevenCardsAndNineteenForFiftyOne) {
    Wait wait;
    std::vector<int> eleven{0};  // the bar starts at 0 each time the window is shown
    for (int step = 1; step <= 11; ++step) eleven.push_back(90 * step);
    EXPECT_EQ(BarPositionsOfAFullRead(folder.Path(), "Animals.cst", wait), eleven);
    EXPECT_FALSE(wait.isVisible());

    const std::vector<int> fiftyOne = BarPositionsOfAFullRead(folder.Path(), "Zoo.cst", wait);
    ASSERT_EQ(fiftyOne.size(), 52u);  // back to 0 when shown, then one step per card
    EXPECT_EQ(fiftyOne[0], 0);
    EXPECT_EQ(fiftyOne[1], 19);
    EXPECT_EQ(fiftyOne.back(), 969);
    EXPECT_FALSE(wait.isVisible());
}

TEST_F(PleaseWait, IsClosedWhenAReadFails) {
    Wait wait;
    std::vector<std::uint8_t> bytes = folder.ReadFile("Zoo.cst");
    bytes.resize(bytes.size() / 2);
    folder.WriteFile("Cut.cst", bytes);
    LoadedCardSet cut;
    EXPECT_ANY_THROW(cut.LoadCardSet(folder.Path(), "Cut.cst", CardSetParts::PicturesAndBackground, &wait));
    EXPECT_FALSE(wait.isVisible());
}

TEST_F(ViewCardSet, ShowsEveryCardOfAFanaticSetWithItsDetailsAndFileFacts) {
    set.LoadedSetFile = "Zoo.cst";
    Preview preview(context);
    preview.show();
    EXPECT_EQ(preview.objectName(), "TForm7");
    EXPECT_EQ(preview.windowTitle(), "View Card Set - Velmora");
    auto* cards = Child<QListWidget>(preview, "ListView1");
    ASSERT_EQ(cards->count(), 51);
    EXPECT_EQ(cards->item(0)->text(), "card0");
    EXPECT_EQ(cards->iconSize(), QSize(54, 37));
    EXPECT_EQ(Child<QLabel>(preview, "Label1")->text(), "Zoo");
    EXPECT_EQ(Field(preview, "Edit1"), "Zoo keeper");
    EXPECT_EQ(Field(preview, "Edit2"), "Dutch");
    EXPECT_EQ(Child<QPlainTextEdit>(preview, "Memo1")->toPlainText(), "Line one\nLine two");
    EXPECT_EQ(Field(preview, "Edit5"), "51");
    EXPECT_EQ(Field(preview, "Edit6"), "Fanatic (10x10)");
    EXPECT_EQ(Field(preview, "Edit7"), QString::fromStdString(folder.Path().string()) + "/Zoo.cst");
    EXPECT_EQ(Field(preview, "Edit8"),
              QString::number(std::filesystem::file_size(folder / "Zoo.cst")) + " bytes");
    EXPECT_EQ(set.PicturedSetFile, "Zoo.cst");
}

TEST_F(ViewCardSet, AJuniorSetShowsElevenCardsAndReadsItsPicturesOnlyOnce) {
    set.LoadedSetFile = "animals.CST";  // names match whatever their letter case
    Preview preview(context);
    preview.show();
    preview.hide();
    preview.show();
    EXPECT_EQ(progress.shows, 1);
    EXPECT_EQ(Child<QListWidget>(preview, "ListView1")->count(), 11);
    EXPECT_EQ(Field(preview, "Edit6"), "Junior (5x4)");
    EXPECT_EQ(Field(preview, "Edit1"), "Animal painter");
}

TEST_F(ViewCardSet, ASetThatCannotBeReadLeavesNoOtherSetsPicturesOnShow) {
    set.LoadedSetFile = "Zoo.cst";
    Preview preview(context);
    preview.show();
    preview.hide();
    set.LoadedSetFile = "Gone.cst";
    preview.show();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith("Cannot open file"));
    EXPECT_EQ(Child<QListWidget>(preview, "ListView1")->count(), 0);
    EXPECT_EQ(Field(preview, "Edit1"), "");
    EXPECT_EQ(CardSetFileSize(folder.Path(), "Gone.cst"), -1);
}

// A set whose prefix reads but whose pictures are cut short.
void WriteDamagedSet(const ScratchFolder& folder, const std::string& name) {
    WriteCardSet(folder / name, SampleSet(22, 50, 40));
    std::vector<std::uint8_t> bytes = folder.ReadFile(name);
    bytes.resize(bytes.size() * 2 / 3);
    folder.WriteFile(name, bytes);
}

TEST_F(ViewCardSet, ADamagedSetShowsItsNameAndFileWithTheErrorAndNoPictures) {
    WriteDamagedSet(folder, "Broken.cst");
    set.LoadedSetFile = "Zoo.cst";
    Preview preview(context);
    preview.show();
    preview.hide();
    ASSERT_EQ(Child<QListWidget>(preview, "ListView1")->count(), 51);
    set.LoadCardSet(folder.Path(), "Broken.cst", CardSetParts::Details);
    for (int showing = 0; showing < 2; ++showing) {  // the read is tried again on every showing
        preview.show();
        EXPECT_EQ(messages.shown.size(), static_cast<std::size_t>(showing + 1));
        EXPECT_EQ(Child<QLabel>(preview, "Label1")->text(), "Broken");
        EXPECT_EQ(Field(preview, "Edit7").toStdString(), (folder / "Broken.cst").string());
        EXPECT_EQ(Field(preview, "Edit8"),
                  QString::number(std::filesystem::file_size(folder / "Broken.cst")) + " bytes");
        EXPECT_EQ(Child<QListWidget>(preview, "ListView1")->count(), 0);
        EXPECT_EQ(Field(preview, "Edit5"), "");
        preview.hide();
    }
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(set.PicturedSetFile, "Zoo.cst");  // still the set whose pictures are loaded
}

TEST_F(SelectCardSet, ViewingADamagedSetShowsThatSetWithTheErrorNotTheOneBefore) {
    set.LoadCardSet(folder.Path(), "Animals.cst", CardSetParts::PicturesAndBackground);
    folder.WriteFile("Broken.cst", {22, 0, 0, 0, 50});  // not even a whole prefix
    WriteDamagedSet(folder, "Cut.cst");
    std::string lastSet = "Animals";
    Preview preview(context);
    SelectSet select(context, lastSet, preview);
    for (const char* damaged : {"Broken", "Cut"}) {
        modal.Then([&, damaged](QDialog&) {
            auto* sets = Child<QComboBox>(select, "ComboBox1");
            sets->setCurrentText(damaged);
            ASSERT_EQ(sets->currentText(), damaged);
            Child<QPushButton>(select, "Button1")->click();
        });
        modal.Then([&, damaged](QDialog&) {
            EXPECT_EQ(Child<QLabel>(preview, "Label1")->text(), damaged);
            EXPECT_EQ(Child<QListWidget>(preview, "ListView1")->count(), 0) << damaged;
            EXPECT_EQ(Field(preview, "Edit1"), "") << damaged;
        });
    }
    const std::size_t before = messages.shown.size();
    RunModal(select);
    RunModal(select);
    // Broken: once on choosing and once on viewing; Cut: once on viewing.
    EXPECT_EQ(messages.shown.size(), before + 3);
    EXPECT_EQ(set.LoadedSetFile, "Animals.cst");
    EXPECT_EQ(set.Author, "Animal painter");
    EXPECT_EQ(set.CardCount, 11);
    EXPECT_EQ(set.PicturedSetFile, "Animals.cst");
}

TEST_F(SelectCardSet, ChoosesTheFirstSetWhenTheLastOneIsGoneAndRemembersIt) {
    std::string lastSet = "Vanished";
    Preview preview(context);
    SelectSet select(context, lastSet, preview);
    modal.Then([&](QDialog&) {
        auto* sets = Child<QComboBox>(select, "ComboBox1");
        ASSERT_EQ(sets->count(), 2);
        EXPECT_EQ(sets->currentText(), "Animals");
        EXPECT_EQ(set.LoadedSetFile, "Animals.cst");
        EXPECT_EQ(set.CardCount, 11);
        EXPECT_TRUE(set.PicturedSetFile.empty());  // only the prefix was read
    });
    RunModal(select);
    EXPECT_EQ(lastSet, "Animals");
    EXPECT_EQ(modal.opened, std::vector<QString>{"TForm12"});
}

TEST_F(SelectCardSet, ClosingPutsBackTheSetThatWasCurrentWithItsDetails) {
    set.LoadCardSet(folder.Path(), "Animals.cst", CardSetParts::PicturesAndBackground);
    std::string lastSet = "Zoo";  // compared exactly
    Preview preview(context);
    SelectSet select(context, lastSet, preview);
    modal.Then([&](QDialog& dialog) {
        auto* sets = Child<QComboBox>(select, "ComboBox1");
        EXPECT_EQ(sets->currentText(), "Zoo");
        EXPECT_EQ(set.Author, "Zoo keeper");
        sets->setCurrentIndex(0);
        sets->setCurrentIndex(1);
        EXPECT_EQ(set.LoadedSetFile, "Zoo.cst");
        Child<QPushButton>(select, "BitBtn1")->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
    });
    RunModal(select);
    EXPECT_EQ(set.LoadedSetFile, "Animals.cst");
    EXPECT_EQ(set.Author, "Animal painter");
    EXPECT_EQ(set.CardCount, 11);
    EXPECT_EQ(lastSet, "Zoo");
}

TEST_F(SelectCardSet, ViewingFromItShowsTheChosenSetsPicturesNotTheLoadedOnes) {
    set.LoadCardSet(folder.Path(), "Animals.cst", CardSetParts::PicturesAndBackground);
    std::string lastSet = "zoo";  // another letter case is another name here
    Preview preview(context);
    SelectSet select(context, lastSet, preview);
    modal.Then([&](QDialog&) {
        Child<QComboBox>(select, "ComboBox1")->setCurrentIndex(1);
        Child<QPushButton>(select, "Button1")->click();
    });
    modal.Then([&](QDialog&) {
        EXPECT_EQ(Child<QListWidget>(preview, "ListView1")->count(), 51);
        EXPECT_EQ(Field(preview, "Edit1"), "Zoo keeper");
    });
    RunModal(select);
    EXPECT_EQ(modal.opened, (std::vector<QString>{"TForm12", "TForm7"}));
    EXPECT_EQ(lastSet, "Animals");
    EXPECT_EQ(set.LoadedSetFile, "Animals.cst");
    EXPECT_EQ(set.PicturedSetFile, "Zoo.cst");
}

TEST_F(SelectCardSet, AnEmptyFolderIsReportedAndTheWindowClosesAtOnce) {
    ScratchFolder empty;
    CardSetContext emptyContext{set, empty.Path(), progress};
    std::string lastSet = "Zoo";
    Preview preview(emptyContext);
    SelectSet select(emptyContext, lastSet, preview);
    bool openAfterwards = true;
    modal.Then([&](QDialog& dialog) { openAfterwards = dialog.isVisible(); });
    RunModal(select);
    EXPECT_FALSE(openAfterwards);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Plain);
    EXPECT_EQ(messages.shown[0].text, "No Velmora card sets found!");
    EXPECT_EQ(lastSet, "");
}

TEST_F(CurrentSetInfo, ReadsThePrefixOfTheSetLastReadEachTimeItIsShown) {
    set.LoadedSetFile = "Zoo.cst";
    SetInfo info(context);
    info.show();
    EXPECT_EQ(info.objectName(), "TForm13");
    EXPECT_EQ(info.size(), QSize(486, 317));
    EXPECT_EQ(Child<QLabel>(info, "Label1")->text(), "Zoo");
    EXPECT_EQ(Field(info, "Edit1"), "Zoo keeper");
    EXPECT_EQ(Field(info, "Edit2"), "Dutch");
    EXPECT_EQ(set.CardCount, 51);
    EXPECT_TRUE(set.CardPictures.empty());
    info.hide();
    set.LoadedSetFile = "Animals.cst";
    info.show();
    EXPECT_EQ(Field(info, "Edit1"), "Animal painter");
}

TEST_F(CurrentSetInfo, TheWebButtonOpensOnlyAnAddressThatIsThere) {
    velmora::testing::UrlRecorder recorder("http");
    set.LoadedSetFile = "Zoo.cst";  // no web address
    SetInfo info(context);
    info.show();
    Child<QPushButton>(info, "Button1")->click();
    EXPECT_TRUE(recorder.opened.isEmpty());
    info.hide();
    set.LoadedSetFile = "Animals.cst";  // "http://"
    info.show();
    Child<QPushButton>(info, "Button1")->click();
    EXPECT_EQ(recorder.opened.size(), 1);
}

