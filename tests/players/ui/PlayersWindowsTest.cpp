// The players windows as the main window holds them: each menu command opens its window.
#include <QMainWindow>

#include "players/ui/PlayersWindows.h"
#include "tests/players/ui/NewGameKit.h"

namespace velmora {
namespace {

class PlayersWindowsTest : public testing::NewGameFixture {};

TEST_F(PlayersWindowsTest, EachCommandOpensItsWindowOverTheMainWindow) {
    WriteSet("Default", 51);
    Write({{"Ann"}, {"Bob", true, "pw", true}});
    auto mainWindow = std::make_unique<QMainWindow>();
    {
        PlayersWindows windows(library, game, cardSet, folder.Path(), host, help, mainWindow.get());
        windows.New1Click();
        windows.Seebestplayers1Click();
        windows.AddNewPlayer1Click();
        windows.DeletePlayer1Click();
        windows.AddPassword1Click();
        windows.ChangePassword1Click();
        windows.ShowPlayerStatistics(2);
        EXPECT_EQ(modal.opened,
                  (std::vector<QString>{"TForm2", "TForm9", "TForm4", "TForm14", "TfrmPassword", "TfrmPassword", "TForm6"}));
        EXPECT_EQ(windows.NewGameWindow().parentWidget(), mainWindow.get());
        EXPECT_TRUE(messages.shown.empty());
    }
    // The windows were deleted with the set, and the main window still closes cleanly.
    EXPECT_TRUE(mainWindow->findChildren<QDialog*>().isEmpty());
    mainWindow.reset();
}

}  // namespace
}  // namespace velmora
