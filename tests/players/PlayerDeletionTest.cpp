#include <gtest/gtest.h>

#include <deque>

#include "players/PlayerDeletion.h"
#include "tests/support/ReadOnlyFolder.h"
#include "tools/support/TempFolder.h"

namespace velmora {
namespace {

using testing::ReadBytes;

class PlayerDeletionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(library.AppendPlayer({"Ann", "", false, true, 5}), "");
        ASSERT_EQ(library.AppendPlayer({"Bob", "Secret", true, true, 5}), "");
        ASSERT_EQ(library.AppendPlayer({"Cid", "", false, true, 5}), "");
        library.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
    }

    DeletionResult Delete(int position) {
        return DeleteAskingPassword(library, position, lines, LibraryFilter::AllPlayers,
                                    [this](const TPlayerRecord& player) {
                                        asked.push_back(player.Name.Text());
                                        const TypedPassword answer = answers.front();
                                        answers.pop_front();
                                        return answer;
                                    });
    }
    static TypedPassword Typed(const std::string& text) { return {false, text}; }

    // Nothing of the library changed: the file, the table and the list.
    void ExpectKept(const std::vector<std::uint8_t>& file) {
        EXPECT_EQ(ReadBytes(library.FilePath()), file);
        ASSERT_EQ(library.LibraryCount(), 3);
        EXPECT_EQ(library.Player(2).Name.Text(), "Bob");
        EXPECT_EQ(lines, (std::vector<std::string>{"Ann", "Bob", "Cid"}));
    }

    testing::TempFolder folder;
    PlayerLibrary library{folder.Path()};
    std::vector<std::string> lines;
    std::deque<TypedPassword> answers;
    std::vector<std::string> asked;
};

TEST_F(PlayerDeletionTest, APlayerWithoutPasswordGoesWithoutAPrompt) {
    EXPECT_EQ(Delete(1).Outcome, DeletionOutcome::Deleted);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(lines, (std::vector<std::string>{"Bob", "Cid"}));
    PlayerLibrary reread(folder.Path());
    std::vector<std::string> reReadLines;
    reread.LoadPlayerLibrary(reReadLines, LibraryFilter::AllPlayers);
    EXPECT_EQ(reReadLines, lines);
}

TEST_F(PlayerDeletionTest, AProtectedPlayerGoesOnlyWithTheExactPassword) {
    const auto before = ReadBytes(library.FilePath());
    answers = {Typed("secret"), {false, std::nullopt}, {true, std::nullopt}, Typed("Secret")};
    EXPECT_EQ(Delete(2).Outcome, DeletionOutcome::WrongPassword);  // letter case matters
    ExpectKept(before);
    EXPECT_EQ(Delete(2).Outcome, DeletionOutcome::WrongPassword);  // a character Windows-1252 lacks
    ExpectKept(before);
    EXPECT_EQ(Delete(2).Outcome, DeletionOutcome::Cancelled);
    ExpectKept(before);
    EXPECT_EQ(Delete(2).Outcome, DeletionOutcome::Deleted);
    EXPECT_EQ(asked, (std::vector<std::string>{"Bob", "Bob", "Bob", "Bob"}));
    EXPECT_EQ(lines, (std::vector<std::string>{"Ann", "Cid"}));
    EXPECT_EQ(library.FindLibraryPlayer("Bob"), 0);
}

TEST_F(PlayerDeletionTest, AnUnwritableLibraryReportsTheFileErrorAndLosesNobody) {
    const auto before = ReadBytes(library.FilePath());
    const testing::ReadOnlyFolder readOnly(folder.Path());
    if (!readOnly.Refuses()) GTEST_SKIP() << "this user writes into read-only folders";
    const DeletionResult unprotected = Delete(1);
    EXPECT_EQ(unprotected.Outcome, DeletionOutcome::FileError);
    ASSERT_TRUE(unprotected.Error.has_value());
    EXPECT_STREQ(unprotected.Error->what(), "File access denied");
    ExpectKept(before);
    answers = {Typed("Secret")};
    EXPECT_EQ(Delete(2).Outcome, DeletionOutcome::FileError);
    ExpectKept(before);
}

}  // namespace
}  // namespace velmora
