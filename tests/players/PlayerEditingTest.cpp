#include <gtest/gtest.h>

#include "players/GameLineup.h"
#include "players/NewPlayerCheck.h"
#include "players/PlayerPasswords.h"
#include "tests/support/FileSizeLimit.h"
#include "tools/support/TempFolder.h"

namespace velmora {
namespace {

using testing::ReadBytes;

void ExpectRefusal(const NewPlayerInput& input, const std::string& message, NewPlayerField focus) {
    const NewPlayerRefusal refusal = CheckNewPlayer(input);
    EXPECT_EQ(refusal.Message, message);
    EXPECT_EQ(refusal.Focus, focus);
}

TEST(NewPlayerCheck, RefusesInTheOrderTheUserMeetsTheBoxes) {
    NewPlayerInput input{.Name = "", .Password = "", .Confirmation = "", .IsHuman = true, .PasswordTicked = true};
    ExpectRefusal(input, "Please enter the name.", NewPlayerField::Name);
    input.Name = "Ann";
    ExpectRefusal(input, "Please enter the password.", NewPlayerField::Password);
    input.Password = "abc";
    ExpectRefusal(input, "Please confirm your password.", NewPlayerField::Confirmation);
    input.Confirmation = "ABC";
    ExpectRefusal(input, "Wrong password! Please make sure to enter your password correctly.",
                  NewPlayerField::Confirmation);
    input.Confirmation = "abc";
    ExpectRefusal(input, "", NewPlayerField::None);
}

TEST(NewPlayerCheck, PasswordBoxesCountOnlyForATickedHuman) {
    const NewPlayerInput computer{.Name = "Robo", .Password = "x", .Confirmation = "", .IsHuman = false,
                                  .PasswordTicked = true};
    EXPECT_EQ(CheckNewPlayer(computer).Message, "");
    const NewPlayerInput unticked{.Name = "Ann", .Password = "left over", .Confirmation = "other", .IsHuman = true,
                                  .PasswordTicked = false};
    EXPECT_EQ(CheckNewPlayer(unticked).Message, "");
}

class PasswordTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(library.AppendPlayer({"Ann", "", false, true, 5}), "");
        ASSERT_EQ(library.AppendPlayer({"Bob", "Secret", true, true, 5}), "");
        ASSERT_EQ(library.AppendPlayer({"Cleo", "typed", false, true, 5}), "");
        Reload();
    }
    void Reload() {
        std::vector<std::string> lines;
        library.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
    }
    const TPlayerRecord& Stored(const std::string& name) {
        Reload();
        return library.Player(library.FindLibraryPlayer(name));
    }

    testing::TempFolder folder;
    PlayerLibrary library{folder.Path()};
};

TEST_F(PasswordTest, AskingAndMatchingFollowTheFlagsAndLetterCase) {
    EXPECT_FALSE(AsksForPassword(Stored("Ann")));
    EXPECT_TRUE(AsksForPassword(Stored("Bob")));
    EXPECT_FALSE(AsksForPassword(Stored("Cleo")));  // a password text, but not protected
    EXPECT_FALSE(AsksForPassword(MakePlayerRecord("Robo", "x", true, false, 5)));
    EXPECT_TRUE(PasswordMatches(Stored("Bob"), "Secret"));
    EXPECT_FALSE(PasswordMatches(Stored("Bob"), "secret"));
}

TEST_F(PasswordTest, AddingNeedsTheSamePasswordTwiceAndSaves) {
    const auto before = ReadBytes(library.FilePath());
    EXPECT_EQ(AddPassword(library, "Ann", "one", "two").Message, "Unable to verify your new password ! Please try again.");
    EXPECT_EQ(AddPassword(library, "Ann", "", "").Message, "Unable to verify your new password ! Please try again.");
    EXPECT_EQ(ReadBytes(library.FilePath()), before);

    const PasswordResult added = AddPassword(library, "Ann", "pw", "pw");
    EXPECT_TRUE(added.Saved());
    EXPECT_EQ(added.Message, "Password successfully added !");
    EXPECT_EQ(Stored("Ann").Password.Text(), "pw");
    EXPECT_EQ(Stored("Ann").PasswordOn, 1);
    EXPECT_EQ(AddPassword(library, "Nobody", "pw", "pw").Message, "No player selected for this operation.");
}

TEST_F(PasswordTest, ChangingChecksTheCurrentPasswordFirst) {
    const auto before = ReadBytes(library.FilePath());
    const PasswordResult wrong = ChangeOrDeletePassword(library, "Bob", "secret", "a", "b");
    EXPECT_EQ(wrong.Message, "Incorrect current password!");
    EXPECT_EQ(wrong.Outcome, PasswordOutcome::IncorrectCurrent);
    EXPECT_FALSE(wrong.Saved());
    EXPECT_EQ(ChangeOrDeletePassword(library, "Bob", "Secret", "a", "b").Message,
              "Unable to verify your new password ! Please try again.");
    EXPECT_EQ(ReadBytes(library.FilePath()), before);

    EXPECT_EQ(ChangeOrDeletePassword(library, "Bob", "Secret", "New", "New").Message, "Password successfully changed !");
    EXPECT_EQ(Stored("Bob").Password.Text(), "New");
    EXPECT_EQ(ChangeOrDeletePassword(library, "Bob", "New", "", "").Message, "Password successfully deleted !");
    EXPECT_EQ(Stored("Bob").Password.Text(), "");
    EXPECT_EQ(Stored("Bob").PasswordOn, 0);

    // Unprotected with a password text: changing it turns the protection on.
    EXPECT_TRUE(ChangeOrDeletePassword(library, "Cleo", "typed", "x", "x").Saved());
    EXPECT_EQ(Stored("Cleo").PasswordOn, 1);
}

TEST_F(PasswordTest, AFailedSaveReportsNoSuccessAndKeepsTableAndFile) {
    const auto before = ReadBytes(library.FilePath());
    {
        testing::FileSizeLimit full(100);
        EXPECT_ANY_THROW(ChangeOrDeletePassword(library, "Bob", "Secret", "", ""));
    }
    EXPECT_EQ(library.Player(2).Password.Text(), "Secret");
    EXPECT_EQ(library.Player(2).PasswordOn, 1);
    EXPECT_EQ(ReadBytes(library.FilePath()), before);
}

TPlayerRecord Player(const std::string& name, bool human = true) { return MakePlayerRecord(name, "", false, human, 5); }

TEST(GameLineup, RefusesADuplicateBeforeATenthPlayer) {
    GameLineup lineup;
    for (int i = 1; i <= 9; ++i) {
        ASSERT_EQ(lineup.RefusalToAdd(Player("P" + std::to_string(i))), "");
        lineup.Add(Player("P" + std::to_string(i)));
    }
    EXPECT_EQ(lineup.RefusalToAdd(Player("P10")), "Maximum number of players for the game has been reached.");
    EXPECT_EQ(lineup.RefusalToAdd(Player("P3")), "P3, is duplicate. Please choose another player.");
    lineup.Add(Player("P10"));
    EXPECT_EQ(lineup.Count(), 9);
    // Names are compared exactly here.
    lineup.Remove(9);
    EXPECT_EQ(lineup.RefusalToAdd(Player("p3")), "");
}

TEST(GameLineup, RemovesKeepsTurnOrderAndRefusesDeletingAChosenPlayer) {
    GameLineup lineup;
    lineup.Add(Player("Ann"));
    lineup.Add(Player("Robo", false));
    lineup.Add(Player("Bob"));
    EXPECT_EQ(lineup.Lines(), (std::vector<std::string>{"Ann", "Robo (computer)", "Bob"}));
    EXPECT_TRUE(lineup.CanStart());
    lineup.Remove(1);
    lineup.Remove(0);
    lineup.Remove(4);
    EXPECT_EQ(lineup.Lines(), (std::vector<std::string>{"Robo (computer)", "Bob"}));
    EXPECT_EQ(lineup.RefusalToDelete("Bob"), "You cannot delete player Bob selected to play.");
    EXPECT_EQ(lineup.RefusalToDelete("Ann"), "");
    lineup.Remove(2);
    EXPECT_FALSE(lineup.CanStart());
    lineup.Clear();
    EXPECT_EQ(lineup.Count(), 0);
}

TEST(GameLineup, TakesTheCountersOfTheLastGameSoTheNextGameBuildsOnThem) {
    GameLineup lineup;
    lineup.Add(Player("Ann"));
    lineup.Add(Player("Bob"));
    TPlayerRecord annAfterGame = Player("Ann");
    annAfterGame.TotalFlips = 7;
    annAfterGame.SuccessfulFlips = 3;
    annAfterGame.GamesPlayed = 1;
    annAfterGame.GamesWon = 1;
    annAfterGame.Password.Assign("not taken over");
    const std::vector<TPlayerRecord> game{annAfterGame, Player("Someone else")};
    lineup.TakeCountersFrom(game);
    EXPECT_EQ(lineup.Players()[0].TotalFlips, 7);
    EXPECT_EQ(lineup.Players()[0].GamesWon, 1);
    EXPECT_EQ(lineup.Players()[0].Password.Text(), "");
    EXPECT_EQ(lineup.Players()[1].TotalFlips, 0);
    EXPECT_EQ(lineup.Count(), 2);
}

}  // namespace
}  // namespace velmora
