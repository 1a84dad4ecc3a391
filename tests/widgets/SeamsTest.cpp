#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/ScriptedMessages.h"
#include "widgets/AnsiText.h"
#include "widgets/CommandGuard.h"

using namespace velmora;

TEST(AnsiText, RoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    const auto back = ToAnsi(FromAnsi(all));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, all);
}

TEST(AnsiText, MapsTheWindowsCharactersAndRefusesOthers) {
    EXPECT_EQ(FromAnsi("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(ToAnsi(QString::fromUtf8("Zoë €5")), std::optional<std::string>("Zo\xEB \x80" "5"));
    EXPECT_FALSE(ToAnsi(QString::fromUtf8("Жора")).has_value());
    EXPECT_FALSE(ToAnsi(QString::fromUtf8("🂡")).has_value());
}

TEST(CommandGuard, ShowsARaisedErrorInTheErrorBoxAndReportsFailure) {
    fakes::ScriptedMessages messages;
    EXPECT_FALSE(RunGuarded(nullptr, [] { throw std::runtime_error("Cannot open file Zo\xEB.cst"); }));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
    EXPECT_EQ(messages.shown[0].text, QString::fromUtf8("Cannot open file Zoë.cst"));
    EXPECT_TRUE(RunGuarded(nullptr, [] {}));
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST(Messages, QuestionsTakeTheScriptedAnswers) {
    fakes::ScriptedMessages messages;
    messages.Answer(MessageAnswer::No);
    messages.Answer(MessageAnswer::Cancel);
    EXPECT_FALSE(AskYesNo(nullptr, "Are you sure?"));
    EXPECT_FALSE(AskOkCancel(nullptr, "Are you sure you want to exit Velmora?"));
    EXPECT_TRUE(AskYesNo(nullptr, "Again?"));
    ASSERT_EQ(messages.shown.size(), 3u);
    EXPECT_EQ(messages.shown[1].kind, MessageKind::OkCancel);
}
