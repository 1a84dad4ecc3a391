// The Edit menu's card-set commands open the card-set windows of the main window.
#include <gtest/gtest.h>

#include <QListWidget>
#include <QProgressBar>

#include "cardsets/CardSetWriter.h"
#include "tests/app/AppFixture.h"
#include "tests/cardsets/CardSetSamples.h"
#include "tests/support/ScriptedMessages.h"
#include "tests/support/ScriptedModal.h"

using namespace velmora;

using CardSetMenu = velmora::testing::AppTest;

TEST_F(CardSetMenu, EditMenuOpensTheWizardTheSelectWindowAndTheInfoWindow) {
    WriteCardSet(folder.Path() / "Default.cst", velmora::testing::SampleSet(11, 40, 40));
    Open();
    fakes::ScriptedMessages messages;
    fakes::ScriptedModal modal;
    Action("CreateNewVelmoraSet1")->trigger();
    Action("ViewVelmoraSet1")->trigger();  // no game running: Select Card Set
    EXPECT_EQ(window->CardSet().LoadedSetFile, "");
    Action("CurrentVelmoraSetInfo1")->trigger();
    EXPECT_EQ(messages.shown.size(), 1u);  // "No Velmora set selected."

    window->CardSet().LoadedSetFile = "Default.cst";
    Action("CurrentVelmoraSetInfo1")->trigger();
    window->Menu().New1->setEnabled(false);  // a game is running: the game's set directly
    Action("ViewVelmoraSet1")->trigger();
    EXPECT_EQ(modal.opened, (std::vector<QString>{"TForm3", "TForm12", "TForm13", "TForm7"}));
    EXPECT_EQ(window->CardSet().PicturedSetFile, "Default.cst");
    EXPECT_EQ(window->GameSettings().LastSet, "Default");
}

TEST_F(CardSetMenu, AGameSetIsReadWithThePleaseWaitWindow) {
    WriteCardSet(folder.Path() / "Default.cst", velmora::testing::SampleSet(22, 40, 40));
    MainWindow& main = Open();
    std::vector<int> positions;
    QObject::connect(main.findChild<QProgressBar*>("ProgressBar1"), &QProgressBar::valueChanged,
                     [&](int value) { positions.push_back(value); });
    main.LoadGameCardSet("Default.cst");
    ASSERT_EQ(positions.size(), 23u);
    EXPECT_EQ(positions.back(), 22 * 45);
}

TEST_F(CardSetMenu, TheNewGameDialogsViewButtonShowsTheChosenSet) {
    WriteCardSet(folder.Path() / "Default.cst", velmora::testing::SampleSet(11, 40, 40));
    WriteCardSet(folder.Path() / "Other.cst", velmora::testing::SampleSet(22, 40, 40));
    MainWindow& main = Open();
    fakes::ScriptedModal modal;
    main.CardSet().LoadCardSet(folder.Path(), "Default.cst", CardSetParts::Details);
    modal.Then([&](QDialog& preview) {
        EXPECT_EQ(preview.findChild<QListWidget*>("ListView1")->count(), 22);
    });
    static_cast<NewGameHost&>(main).ViewCardSet("Other.cst");
    EXPECT_EQ(modal.opened, std::vector<QString>{"TForm7"});
    EXPECT_EQ(main.CardSet().PicturedSetFile, "Other.cst");
}
