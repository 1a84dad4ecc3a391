#include <gtest/gtest.h>

#include "players/Percentage.h"
#include "players/PlayerStatistics.h"
#include "players/Scoreboard.h"
#include "tools/support/TempFolder.h"

namespace velmora {
namespace {

TEST(Percentage, RoundsHalfwayValuesToTheEvenNeighbour) {
    EXPECT_EQ(Percentage(3, 8), 38);  // 37.5
    EXPECT_EQ(Percentage(1, 8), 12);  // 12.5
    EXPECT_EQ(Percentage(5, 8), 62);  // 62.5
    EXPECT_EQ(Percentage(7, 8), 88);  // 87.5
    EXPECT_EQ(Percentage(1, 3), 33);
    EXPECT_EQ(Percentage(2, 3), 67);
    EXPECT_EQ(Percentage(8, 8), 100);
    EXPECT_EQ(Percentage(0, 5), 0);
    EXPECT_EQ(PercentText(38), "38%");
}

TEST(Percentage, NoGamesOrNoTurnsGiveZeroWithoutDividing) {
    EXPECT_EQ(Percentage(0, 0), 0);
    EXPECT_EQ(Percentage(7, 0), 0);
    TPlayerRecord fresh = MakePlayerRecord("New", "", false, true, 5);
    EXPECT_EQ(GameWinsPercent(fresh), 0);
    EXPECT_EQ(SuccessfulFlipsPercent(fresh), 0);
}

TEST(Percentage, LargeCountersDoNotOverflow) {
    EXPECT_EQ(Percentage(2147483647, 2147483647), 100);
    EXPECT_EQ(Percentage(1073741824, 2147483647), 50);
}

TEST(PlayerStatistics, DescribesHumansByPasswordTextAndComputersByIQ) {
    TPlayerRecord human = MakePlayerRecord("Ann", "secret", false, true, 5);
    human.GamesPlayed = 8;
    human.GamesWon = 3;
    human.TotalFlips = 8;
    human.SuccessfulFlips = 1;
    const PlayerStatistics shown = DescribePlayer(human);
    EXPECT_EQ(shown.Name, "Ann");
    EXPECT_EQ(shown.PlayerType, "Human");
    // PasswordOn is 0, but the text is there: the window goes by the text.
    EXPECT_EQ(shown.Details, "Password On");
    EXPECT_EQ(shown.GamesPlayed, "8");
    EXPECT_EQ(shown.GamesWon, "3");
    EXPECT_EQ(shown.GameWinsPercent, 38);
    EXPECT_EQ(shown.TotalFlips, "8");
    EXPECT_EQ(shown.SuccessfulFlips, "1");
    EXPECT_EQ(shown.SuccessfulFlipsPercent, 12);

    EXPECT_EQ(DescribePlayer(MakePlayerRecord("Bob", "", true, true, 5)).Details, "Password Off");
    const PlayerStatistics robot = DescribePlayer(MakePlayerRecord("Robo", "x", true, false, 37));
    EXPECT_EQ(robot.PlayerType, "Computer");
    EXPECT_EQ(robot.Details, "IQ : 37");
}

class ScoreboardTest : public ::testing::Test {
protected:
    void Add(const std::string& name, int won, int played, int successful, int flips, bool human = true) {
        TPlayerRecord record = MakePlayerRecord(name, "", false, human, 5);
        record.GamesWon = won;
        record.GamesPlayed = played;
        record.SuccessfulFlips = successful;
        record.TotalFlips = flips;
        records.push_back(record);
    }
    std::vector<std::string> Names(bool includeComputers = false) {
        std::vector<std::string> lines;
        library.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
        std::vector<std::string> names;
        for (const ScoreRow& row : FillScoreboard(library, includeComputers, sort)) names.push_back(row.Name);
        return names;
    }
    void SetUp() override {
        Add("carl", 1, 4, 9, 10);     // 25%, 90%
        Add("Ann", 3, 8, 1, 8);       // 38%, 12%
        Add("Robo", 9, 10, 5, 10, false);  // 90%, 50%
        Add("bob", 1, 2, 3, 10);      // 50%, 30%
    }
    void Save() {
        for (const TPlayerRecord& record : records) {
            ASSERT_EQ(library.AppendPlayer({record.Name.Text(), "", false, record.IsHuman != 0, 5}), "");
        }
        std::vector<std::string> lines;
        library.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
        for (int i = 0; i < library.LibraryCount(); ++i) CopyCounters(records[static_cast<std::size_t>(i)], library.Player(i + 1));
        library.SavePlayerLibrary();
    }

    std::vector<TPlayerRecord> records;
    testing::TempFolder folder;
    PlayerLibrary library{folder.Path()};
    ScoreboardSort sort;
};

TEST_F(ScoreboardTest, OpensByGameWinsHighestFirstWithComputersHidden) {
    Save();
    EXPECT_EQ(sort.SortColumn(), 1);
    EXPECT_EQ(Names(), (std::vector<std::string>{"bob", "Ann", "carl"}));
    EXPECT_EQ(Names(true), (std::vector<std::string>{"Robo", "bob", "Ann", "carl"}));
    const auto rows = FillScoreboard(library, false, sort);
    EXPECT_EQ(rows[1].GameWinsPercent, 38);
    EXPECT_EQ(rows[1].SuccessfulFlipsPercent, 12);
}

TEST_F(ScoreboardTest, HeaderClicksSortAndCarryTheDirectionToAnotherColumn) {
    Save();
    sort.ClickColumn(PlayerColumn);  // names A to Z, whatever the letter case
    EXPECT_EQ(Names(), (std::vector<std::string>{"Ann", "bob", "carl"}));
    sort.ClickColumn(PlayerColumn);  // again: Z to A
    EXPECT_EQ(Names(), (std::vector<std::string>{"carl", "bob", "Ann"}));
    EXPECT_EQ(sort.GreaterResult(), -1);
    EXPECT_EQ(sort.LessResult(), +1);
    sort.ClickColumn(GameWinsColumn);  // the reversed direction carries over: lowest first
    EXPECT_EQ(Names(), (std::vector<std::string>{"carl", "Ann", "bob"}));
    sort.ClickColumn(SuccessfulFlipsColumn);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Ann", "bob", "carl"}));
    sort.ClickColumn(SuccessfulFlipsColumn);
    EXPECT_EQ(Names(), (std::vector<std::string>{"carl", "bob", "Ann"}));
    sort.ClickColumn(7);  // no such column: nothing changes
    EXPECT_EQ(sort.SortColumn(), 2);
}

TEST_F(ScoreboardTest, ComparisonFollowsTheSortState) {
    const ScoreRow ann{"Ann", 38, 12};
    const ScoreRow annUpper{"ANN", 38, 12};
    const ScoreRow bob{"bob", 50, 30};
    EXPECT_EQ(sort.Compare(bob, ann), -1);     // higher percentage first
    EXPECT_EQ(sort.Compare(ann, bob), +1);
    EXPECT_EQ(sort.Compare(ann, annUpper), +1);  // equal keys are never "equal"
    sort.ClickColumn(PlayerColumn);
    EXPECT_EQ(sort.Compare(ann, bob), -1);
    EXPECT_EQ(sort.Compare(ScoreRow{"Ann"}, ScoreRow{"Anna"}), -1);  // a proper prefix is smaller
    EXPECT_EQ(sort.Compare(ScoreRow{"\xC9mile"}, ScoreRow{"Zed"}), +1);  // bytes above 127 sort last
}

TEST_F(ScoreboardTest, ManyEqualKeysSortWithoutFault) {
    for (int i = 0; i < 60; ++i) Add("P" + std::to_string(i), 1, 2, 1, 2);
    Save();
    const auto rows = FillScoreboard(library, true, sort);
    ASSERT_EQ(rows.size(), 64u);
    EXPECT_EQ(rows.front().Name, "Robo");
    for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_GE(rows[i - 1].GameWinsPercent, rows[i].GameWinsPercent);
}

}  // namespace
}  // namespace velmora
