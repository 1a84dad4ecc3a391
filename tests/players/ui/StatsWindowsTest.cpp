// The statistics window and the scoreboard.
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QTreeWidget>

#include "engine/Game.h"
#include "engine/HeadlessView.h"
#include "players/LibraryRecords.h"
#include "players/ui/TableOfPlayers.h"
#include "players/ui/stats.h"
#include "tests/engine/FixedClock.h"
#include "tests/players/ui/WindowTestKit.h"

namespace velmora {
namespace {

using testing::Child;
using testing::Click;

struct ShownStats {
    QString name, type, details, played, won, wonGauge, flips, successful, flipsGauge;
};

ShownStats Read(QDialog& dialog) {
    const auto text = [&](const char* box) { return Child<QLineEdit>(dialog, box).text(); };
    return {Child<QLabel>(dialog, "Label1").text(), text("Edit1"), text("Edit2"), text("Edit3"), text("Edit4"),
            Child<QProgressBar>(dialog, "Gauge1").text(), text("Edit5"), text("Edit6"),
            Child<QProgressBar>(dialog, "Gauge2").text()};
}

class StatsTest : public testing::LibraryFixture {
protected:
    void SetUp() override {
        Write({{"Ann", true, "", false, 3, 8, 1, 8},
               {"Robo", false, "", false, 9, 10, 5, 10},
               {"bob", true, "pw", true, 1, 2, 3, 10},
               {"carl", true, "", false, 1, 4, 9, 10}});
    }
    ShownStats Show(int position) {
        ShownStats shown;
        modal.Then([&](QDialog& dialog) {
            shown = Read(dialog);
            Click(dialog, "BitBtn1");
        });
        stats.ShowPlayerStatistics(position);
        return shown;
    }
    QStringList Column(QDialog& dialog, int column) {
        auto& table = Child<QTreeWidget>(dialog, "ListView1");
        QStringList texts;
        for (int i = 0; i < table.topLevelItemCount(); ++i) texts << table.topLevelItem(i)->text(column);
        return texts;
    }

    velmora::testing::FixedClock clock;
    HeadlessView view;
    LibraryRecords records{library};
    Game game{view, records, clock};
    Stats stats{library, game, help};
    TableOfPlayers scoreboard{library, stats, help};
};

TEST_F(StatsTest, ShowsRoundedPercentagesOnTheGauges) {
    const ShownStats ann = Show(1);
    EXPECT_EQ(ann.name, "Ann");
    EXPECT_EQ(ann.type, "Human");
    EXPECT_EQ(ann.details, "Password Off");
    EXPECT_EQ(ann.played, "8");
    EXPECT_EQ(ann.won, "3");
    EXPECT_EQ(ann.wonGauge, "38%");
    EXPECT_EQ(ann.flips, "8");
    EXPECT_EQ(ann.successful, "1");
    EXPECT_EQ(ann.flipsGauge, "12%");
    EXPECT_TRUE(Child<QLineEdit>(stats, "Edit1").isReadOnly());

    const ShownStats robo = Show(2);
    EXPECT_EQ(robo.type, "Computer");
    EXPECT_EQ(robo.details, "IQ : 5");
    EXPECT_EQ(Show(3).details, "Password On");
}

TEST_F(StatsTest, ShowsTheRunningGamesTurnsButSavesNothing) {
    TPlayerRecord annInGame = library.Player(1);
    annInGame.TotalFlips = 20;
    annInGame.SuccessfulFlips = 5;
    game.SetGamePlayers(std::vector<TPlayerRecord>{annInGame, library.Player(4)});
    const auto bytes = velmora::testing::ReadBytes(library.FilePath());
    const ShownStats ann = Show(1);
    EXPECT_EQ(ann.flips, "20");
    EXPECT_EQ(ann.flipsGauge, "25%");
    EXPECT_EQ(velmora::testing::ReadBytes(library.FilePath()), bytes);

    // The scoreboard re-reads the file: the game in progress does not show there.
    QStringList flips;
    modal.Then([&](QDialog& dialog) {
        scoreboard.findChild<QCheckBox*>("CheckBox1")->setChecked(false);
        flips = Column(dialog, 2);
    });
    scoreboard.Execute();
    EXPECT_EQ(flips, (QStringList{"30%", "12%", "90%"}));
}

TEST_F(StatsTest, APositionWithoutAPlayerShowsNothing) {
    stats.ShowPlayerStatistics(0);
    stats.ShowPlayerStatistics(5);
    EXPECT_TRUE(modal.opened.empty());
}

TEST_F(StatsTest, ScoreboardSortsByHeaderAndKeepsItsStateForTheRun) {
    QStringList opening, withComputers, byName, byNameBack, winsCarried;
    modal.Then([&](QDialog& dialog) {
        opening = Column(dialog, 0);
        Child<QCheckBox>(dialog, "CheckBox1").setChecked(true);
        withComputers = Column(dialog, 0);
        auto* header = Child<QTreeWidget>(dialog, "ListView1").header();
        emit header->sectionClicked(0);
        byName = Column(dialog, 0);
        emit header->sectionClicked(0);
        byNameBack = Column(dialog, 0);
        emit header->sectionClicked(1);
        winsCarried = Column(dialog, 0);
    });
    scoreboard.Execute();
    EXPECT_EQ(opening, (QStringList{"bob", "Ann", "carl"}));
    EXPECT_EQ(withComputers, (QStringList{"Robo", "bob", "Ann", "carl"}));
    EXPECT_EQ(byName, (QStringList{"Ann", "bob", "carl", "Robo"}));
    EXPECT_EQ(byNameBack, (QStringList{"Robo", "carl", "bob", "Ann"}));
    EXPECT_EQ(winsCarried, (QStringList{"carl", "Ann", "bob", "Robo"}));

    QStringList reopened, percents;
    modal.Then([&](QDialog& dialog) {
        reopened = Column(dialog, 0);
        percents = Column(dialog, 1);
    });
    scoreboard.Execute();
    EXPECT_EQ(reopened, winsCarried);
    EXPECT_EQ(percents, (QStringList{"25%", "38%", "50%", "90%"}));
}

TEST_F(StatsTest, ScoreboardStatsNeedsASelectedRow) {
    ShownStats shown;
    modal.Then([&](QDialog& dialog) {
        Click(dialog, "BitBtn5");
        emit Child<QTreeWidget>(dialog, "ListView1").itemDoubleClicked(nullptr, 0);  // no row selected: nothing
        auto& table = Child<QTreeWidget>(dialog, "ListView1");
        table.setCurrentItem(table.topLevelItem(2));
        Click(dialog, "BitBtn5");
        Click(dialog, "BitBtn2");
    });
    modal.Then([&](QDialog& dialog) { shown = Read(dialog); });
    scoreboard.Execute();
    EXPECT_EQ(Texts(), (std::vector<QString>{"No player selected..."}));
    EXPECT_EQ(shown.name, "carl");
    EXPECT_EQ(modal.opened, (std::vector<QString>{"TForm9", "TForm6"}));
    EXPECT_EQ(helpTopics, (std::vector<std::string>{"scoreboard_w"}));
}

}  // namespace
}  // namespace velmora
