// Random sequences of everything that changes the player library, worked through the main
// window's menus and the players windows as a user works them, checked after every step against
// a small model: the players in file order with their fields and statistics, and the copies the
// game plays with. No player or statistic may be lost or counted twice. The sequence is fixed by
// its seed; a failure names the seed and the step.
#include <QCheckBox>
#include <QComboBox>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <cstdint>
#include <iostream>
#include <map>
#include <random>
#include <sstream>

#include "cardsets/CardSetWriter.h"
#include "tests/app/AppFixture.h"
#include "tests/cardsets/CardSetSamples.h"
#include "tests/players/ui/WindowTestKit.h"

namespace velmora {
namespace {

using testing::Child;
using testing::Click;
using testing::Type;

constexpr std::uint32_t kSeed = 20240611;
constexpr int kSteps = 2000;

struct ModelPlayer {
    std::string Name;
    std::string Password;
    bool PasswordOn = false;
    bool IsHuman = true;
    int IQ = 5;
    std::int32_t GamePoints = 0, TotalFlips = 0, SuccessfulFlips = 0, GamePairs = 0, GamesPlayed = 0, GamesWon = 0;

    bool AsksForPassword() const { return IsHuman && PasswordOn; }
};

struct Expected {
    MessageKind Kind;
    QString Text;
};

std::string Describe(const ModelPlayer& p) {
    std::ostringstream out;
    out << p.Name << " human=" << p.IsHuman << " pw='" << p.Password << "' on=" << p.PasswordOn << " iq=" << p.IQ
        << " points=" << p.GamePoints << " flips=" << p.TotalFlips << " found=" << p.SuccessfulFlips
        << " pairs=" << p.GamePairs << " played=" << p.GamesPlayed << " won=" << p.GamesWon;
    return out.str();
}

ModelPlayer FromRecord(const TPlayerRecord& r) {
    ModelPlayer p;
    p.Name = r.Name.Text();
    p.Password = r.Password.Text();
    p.PasswordOn = r.PasswordOn != 0;
    p.IsHuman = r.IsHuman != 0;
    p.IQ = r.IQ;
    p.GamePoints = r.GamePoints;
    p.TotalFlips = r.TotalFlips;
    p.SuccessfulFlips = r.SuccessfulFlips;
    p.GamePairs = r.GamePairs;
    p.GamesPlayed = r.GamesPlayed;
    p.GamesWon = r.GamesWon;
    return p;
}

bool SameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

class PlayerLibraryModelTest : public testing::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        WriteCardSet(folder.Path() / "Default.cst", testing::SampleSet(11, 20, 20));  // Junior only: quick to load
        StartProgram();
    }

    // --- the program --------------------------------------------------------------------
    void StartProgram() {
        window.reset();
        Open();
        window->show();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();  // the splash comes and goes before any scripted window
        game.clear();
        lineup.clear();
        running = false;
    }
    int Pick(int n) { return static_cast<int>(rng() % static_cast<std::uint32_t>(n)); }
    bool Chance(int percent) { return Pick(100) < percent; }

    std::vector<ModelPlayer> FilePlayers() const {
        PlayerLibrary reader(folder.Path());
        std::vector<std::string> lines;
        reader.LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
        std::vector<ModelPlayer> players;
        for (int i = 1; i <= reader.LibraryCount(); ++i) players.push_back(FromRecord(reader.Player(i)));
        return players;
    }
    std::vector<ModelPlayer> TablePlayers() const {
        std::vector<ModelPlayer> players;
        PlayerLibrary& table = window->Library();
        for (int i = 1; i <= table.LibraryCount(); ++i) players.push_back(FromRecord(table.Player(i)));
        return players;
    }
    static void Compare(const char* what, const std::vector<ModelPlayer>& actual,
                        const std::vector<ModelPlayer>& expected) {
        ASSERT_EQ(actual.size(), expected.size()) << what << ": number of players";
        for (std::size_t i = 0; i < actual.size(); ++i) {
            EXPECT_EQ(Describe(actual[i]), Describe(expected[i])) << what << ": position " << i + 1;
        }
    }
    void Check() {
        Compare("velmora.dat", FilePlayers(), model);
        Compare("the library table", TablePlayers(), model);
        std::vector<ModelPlayer> inGame;
        for (const TPlayerRecord& r : window->CurrentGame().GamePlayers()) inGame.push_back(FromRecord(r));
        if (!game.empty()) Compare("the game's players", inGame, game);
        EXPECT_EQ(window->CurrentGame().GameRunning(), running);
        if (running) {
            EXPECT_EQ(window->CurrentGame().CurrentPlayer(), current);
        }
        ASSERT_EQ(messages.shown.size(), expected.size()) << "messages shown in this step";
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(messages.shown[i].kind, expected[i].Kind) << messages.shown[i].text.toStdString();
            if (!expected[i].Text.isNull()) {
                EXPECT_EQ(messages.shown[i].text, expected[i].Text);
            }
        }
    }

    ModelPlayer* Find(const std::string& name) {
        for (ModelPlayer& p : model) {
            if (p.Name == name) return &p;
        }
        return nullptr;
    }
    std::vector<int> Positions(const std::function<bool(const ModelPlayer&)>& keep) const {
        std::vector<int> positions;
        for (std::size_t i = 0; i < model.size(); ++i) {
            if (keep(model[i])) positions.push_back(static_cast<int>(i));
        }
        return positions;
    }

    // --- adding ---------------------------------------------------------------------------
    ModelPlayer RandomNewPlayer() {
        static const char* const names[] = {"Ann", "Bob", "Cid", "Dee", "Eve", "Fay", "Gus", "Hal", "Ivy", "Jon"};
        ModelPlayer p;
        p.Name = names[Pick(10)];
        if (Chance(20)) p.Name[static_cast<std::size_t>(Pick(3))] ^= 0x20;  // another letter case
        p.IsHuman = Chance(80);
        p.PasswordOn = Chance(40);
        if (p.PasswordOn || Chance(15)) p.Password = "pw" + std::to_string(Pick(10));
        if (p.IsHuman && p.PasswordOn && p.Password.empty()) p.Password = "pw";
        p.IQ = Pick(51);
        return p;
    }
    // Works the Add New Player window; the model learns what the file must now hold.
    std::function<void(QDialog&)> AddPlayerStep(const ModelPlayer& p) {
        const bool clash = std::ranges::any_of(model, [&](const ModelPlayer& m) { return SameIgnoringCase(m.Name, p.Name); });
        if (clash) {
            expected.push_back({MessageKind::Error, QString::fromStdString("Please choose different name." + p.Name +
                                                                           " is already in use.")});
        } else {
            model.push_back(p);
        }
        return [p](QDialog& addPlayer) {
            Child<QRadioButton>(addPlayer, p.IsHuman ? "RadioGroup1Human" : "RadioGroup1Computer").setChecked(true);
            Child<QCheckBox>(addPlayer, "CheckBox1").setChecked(p.PasswordOn);
            Child<QSlider>(addPlayer, "TrackBar1").setValue(p.IQ);
            Type(addPlayer, "Edit1", QString::fromStdString(p.Name));
            Type(addPlayer, "Edit2", QString::fromStdString(p.Password));
            Type(addPlayer, "Edit3", QString::fromStdString(p.Password));
            Click(addPlayer, "BitBtn1");
            if (addPlayer.result() != QDialog::Accepted) Click(addPlayer, "BitBtn2");
        };
    }
    void AddFromEditMenu() {
        modal.Then(AddPlayerStep(RandomNewPlayer()));
        Action("AddNewPlayer1")->trigger();
    }
    void AddFromNewGameDialog() {
        const ModelPlayer p = RandomNewPlayer();
        modal.Then([this, p](QDialog& newGame) {
            modal.Then(AddPlayerStep(p));
            Click(newGame, "BitBtn6");
            Click(newGame, "BitBtn2");
        });
        Action("New1")->trigger();
    }

    // --- deleting -------------------------------------------------------------------------
    enum class Answer { NotAsked, Right, Wrong, Cancelled };
    // Scripts the password prompt for p, when p is asked for one, and says how it was answered.
    Answer AnswerPrompt(const ModelPlayer& p) {
        const Answer answer = ChooseAnswer(p);
        ScriptPrompt(p, answer);
        return answer;
    }
    Answer ChooseAnswer(const ModelPlayer& p) {
        if (!p.AsksForPassword()) return Answer::NotAsked;
        const int roll = Pick(10);
        return roll == 0 ? Answer::Cancelled : roll == 1 ? Answer::Wrong : Answer::Right;
    }
    // The prompt opens from within another window: its step must be queued from that window's step.
    void ScriptPrompt(const ModelPlayer& p, Answer answer) {
        if (answer == Answer::NotAsked) return;
        const std::string typed = answer == Answer::Right ? p.Password : p.Password + "x";
        modal.Then([answer, typed](QDialog& prompt) {
            Type(prompt, "Edit1", QString::fromStdString(typed));
            Click(prompt, answer == Answer::Cancelled ? "BitBtn2" : "BitBtn1");
        });
    }
    static bool GoesOn(Answer answer) { return answer == Answer::NotAsked || answer == Answer::Right; }
    void DeleteFromEditMenu() {
        if (model.empty()) return;
        const int row = Pick(static_cast<int>(model.size()));
        const ModelPlayer p = model[static_cast<std::size_t>(row)];
        const Answer answer = ChooseAnswer(p);
        if (GoesOn(answer)) model.erase(model.begin() + row);
        if (answer == Answer::Wrong) expected.push_back({MessageKind::Error, "Incorrect password."});
        modal.Then([this, row, p, answer](QDialog& window) {
            ScriptPrompt(p, answer);
            testing::Select(window, "ListBox2", row);
            Click(window, "BitBtn1");
            Click(window, "BitBtn2");
        });
        Action("DeletePlayer1")->trigger();
    }
    void DeleteFromNewGameDialog() {
        if (model.empty()) return;
        const int row = Pick(static_cast<int>(model.size()));
        const ModelPlayer p = model[static_cast<std::size_t>(row)];
        const bool chosen = std::ranges::find(lineup, p.Name) != lineup.end();
        modal.Then([this, row, p, chosen](QDialog& newGame) {
            if (chosen) {
                expected.push_back({MessageKind::Plain, QString::fromStdString("You cannot delete player " + p.Name +
                                                                               " selected to play.")});
            } else {
                const Answer answer = AnswerPrompt(p);
                if (GoesOn(answer)) model.erase(model.begin() + row);
                if (answer == Answer::Wrong) expected.push_back({MessageKind::Plain, "Wrong password!"});
            }
            testing::Select(newGame, "ListBox2", row);
            Click(newGame, "BitBtn7");
            Click(newGame, "BitBtn2");
        });
        Action("New1")->trigger();
    }

    // --- passwords ------------------------------------------------------------------------
    void AddPassword() {
        const std::vector<int> open = Positions([](const ModelPlayer& p) { return p.IsHuman && p.Password.empty(); });
        if (open.empty()) {
            expected.push_back({MessageKind::Error, "No players available for this operation."});
            Action("AddPassword1")->trigger();
            return;
        }
        const int row = Pick(static_cast<int>(open.size()));
        ModelPlayer& p = model[static_cast<std::size_t>(open[static_cast<std::size_t>(row)])];
        const std::string password = "new" + std::to_string(Pick(10));
        p.Password = password;
        p.PasswordOn = true;
        expected.push_back({MessageKind::Information, "Password successfully added !"});
        modal.Then([row, password](QDialog& window) {
            testing::Select(window, "lbPlayers", row);
            Type(window, "Edit1", QString::fromStdString(password));
            Type(window, "Edit2", QString::fromStdString(password));
            Click(window, "Button1");
        });
        Action("AddPassword1")->trigger();
    }
    void ChangePassword() {
        const std::vector<int> set = Positions([](const ModelPlayer& p) { return p.IsHuman && !p.Password.empty(); });
        if (set.empty()) {
            expected.push_back({MessageKind::Error, "No players available for this operation."});
            Action("ChangePassword1")->trigger();
            return;
        }
        const int row = Pick(static_cast<int>(set.size()));
        ModelPlayer& p = model[static_cast<std::size_t>(set[static_cast<std::size_t>(row)])];
        const bool right = Chance(85);
        const std::string current = right ? p.Password : p.Password + "?";
        const std::string password = Chance(40) ? "" : "chg" + std::to_string(Pick(10));
        if (right) {
            p.Password = password;
            p.PasswordOn = !password.empty();
            expected.push_back({MessageKind::Information, password.empty() ? "Password successfully deleted !"
                                                                            : "Password successfully changed !"});
        } else {
            expected.push_back({MessageKind::Error, "Incorrect current password!"});
        }
        modal.Then([row, current, password](QDialog& window) {
            testing::Select(window, "lbPlayers", row);
            Type(window, "Edit5", QString::fromStdString(current));
            Type(window, "Edit3", QString::fromStdString(password));
            Type(window, "Edit4", QString::fromStdString(password));
            Click(window, "Button1");
            if (window.result() != QDialog::Accepted) Click(window, "Button2");
        });
        Action("ChangePassword1")->trigger();
    }

    // --- games ----------------------------------------------------------------------------
    void NewGame() {
        std::vector<int> humans = Positions([](const ModelPlayer& p) { return p.IsHuman; });
        if (humans.size() < 2) return;
        std::ranges::shuffle(humans, rng);
        humans.resize(static_cast<std::size_t>(2 + Pick(std::min<int>(3, static_cast<int>(humans.size()) - 1))));
        std::vector<ModelPlayer> chosen;
        modal.Then([this, humans, &chosen](QDialog& newGame) {
            Click(newGame, "BitBtn8");  // >>
            for (const int position : humans) {
                const ModelPlayer& p = model[static_cast<std::size_t>(position)];
                const Answer answer = AnswerPrompt(p);
                testing::Select(newGame, "ListBox2", position);
                Click(newGame, "BitBtn3");  // <
                if (GoesOn(answer)) chosen.push_back(p);
                if (answer == Answer::Wrong) expected.push_back({MessageKind::Plain, "Wrong password!"});
            }
            if (chosen.size() < 2) expected.push_back({MessageKind::Plain, "Please select at least 2 players."});
            Click(newGame, "BitBtn11");  // Next
            if (chosen.size() < 2) {
                Click(newGame, "BitBtn2");
                return;
            }
            Child<QComboBox>(newGame, "ComboBox2").setCurrentText("Junior (5x4)");
            Click(newGame, "BitBtn1");  // Start
        });
        Action("New1")->trigger();
        lineup.clear();
        for (const ModelPlayer& p : chosen) lineup.push_back(p.Name);
        if (chosen.size() < 2) return;
        game = chosen;
        BeginGame();
    }
    void BeginGame() {
        for (ModelPlayer& p : game) p.GamePoints = p.GamePairs = 0;
        running = true;
        current = 1;
    }
    void Restart() {
        if (game.empty() || running) return;
        expected.push_back({MessageKind::YesNo, "Are you sure you want to play again?"});
        Action("Restart1")->trigger();
        BeginGame();
    }
    void EndGame() {
        expected.push_back({MessageKind::YesNo, "Are you sure?"});
        Action("EndGame1")->trigger();
        running = false;
    }

    QPoint Centre(CellPosition cell) const {
        const Game& g = window->CurrentGame();
        const CardSize card = g.CardSizeOfSet();
        return {g.BoardLeft() + (cell.Col - 1) * card.Width + card.Width / 2,
                g.BoardTop() + (cell.Row - 1) * card.Height + card.Height / 2};
    }
    void ClickCard(CellPosition cell) {
        auto* board = window->findChild<QWidget*>("PaintBox1");
        for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            const QPoint at = Centre(cell);
            QMouseEvent event(type, at, at, Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, {});
            QApplication::sendEvent(board, &event);
        }
    }
    std::map<int, std::vector<CellPosition>> FaceDownPairs() const {
        std::map<int, std::vector<CellPosition>> pairs;
        const Board& board = window->CurrentGame().GameBoard();
        for (int col = 1; col <= board.Cols(); ++col)
            for (int row = 1; row <= board.Rows(); ++row)
                if (board.FaceDown(col, row)) pairs[board.Cell(col, row).Picture].push_back({col, row});
        return pairs;
    }
    // One turn of the current player: a pair found, or a miss when two pairs are left at least.
    void PlayTurn() {
        QApplication::setActiveWindow(window.get());
        const auto pairs = FaceDownPairs();
        ASSERT_FALSE(pairs.empty());
        ModelPlayer& player = game[static_cast<std::size_t>(current - 1)];
        const bool miss = pairs.size() > 1 && Chance(45);
        player.TotalFlips += 1;
        if (miss) {
            ClickCard(pairs.begin()->second[0]);
            ClickCard(std::next(pairs.begin())->second[1]);
            current = current % static_cast<int>(game.size()) + 1;
        } else {
            const auto& cells = std::next(pairs.begin(), Pick(static_cast<int>(pairs.size())))->second;
            ClickCard(cells[0]);
            ClickCard(cells[1]);
            player.SuccessfulFlips += 1;
            player.GamePoints += 1;
            player.GamePairs += 1;
        }
        auto* timer = window->findChild<QTimer*>("Timer1");
        for (int i = 0; i < 500 && timer->isActive(); ++i) QMetaObject::invokeMethod(timer, "timeout");
        if (!miss && pairs.size() == 1) FinishGame();
    }
    // What the end of a game does to the model: counts, then the counters go to the library by name.
    void FinishGame() {
        running = false;
        std::int32_t most = -1;
        for (ModelPlayer& p : game) {
            p.GamesPlayed += 1;
            most = std::max(most, p.GamePoints);
        }
        const auto winners = std::ranges::count_if(game, [&](const ModelPlayer& p) { return p.GamePoints == most; });
        if (winners < static_cast<long>(game.size())) {
            for (ModelPlayer& p : game) {
                if (p.GamePoints == most) p.GamesWon += 1;
            }
        }
        for (const ModelPlayer& p : game) {
            if (ModelPlayer* record = Find(p.Name)) {
                record->GamePoints = p.GamePoints;
                record->TotalFlips = p.TotalFlips;
                record->SuccessfulFlips = p.SuccessfulFlips;
                record->GamePairs = p.GamePairs;
                record->GamesPlayed = p.GamesPlayed;
                record->GamesWon = p.GamesWon;
            }
        }
    }
    void PlayToEnd() {
        while (running && !::testing::Test::HasFailure()) PlayTurn();
    }

    // --- the file -------------------------------------------------------------------------
    void Reload() { Action("Seebestplayers1")->trigger(); }
    // Part of a record at the end: bytes a broken write left, or the last record cut short.
    void DamageFileAndRestart() {
        const std::filesystem::path file = folder.Path() / "velmora.dat";
        std::vector<std::uint8_t> bytes = testing::ReadBytes(file);
        if (!model.empty() && Chance(50)) {
            bytes.resize((model.size() - 1) * 152 + static_cast<std::size_t>(1 + Pick(151)));
            model.pop_back();
        } else {
            const int extra = 1 + Pick(151);
            for (int i = 0; i < extra; ++i) bytes.push_back(static_cast<std::uint8_t>(Pick(256)));
        }
        testing::WriteBytes(file, bytes);
        const std::string copy = damagedCopies == 0 ? "velmora.dat.damaged"
                                                    : "velmora.dat.damaged." + std::to_string(damagedCopies);
        ++damagedCopies;
        const std::string kept =
            model.size() == 1 ? "1 player was kept." : std::to_string(model.size()) + " players were kept.";
        expected.push_back({MessageKind::Warning,
                            QString::fromStdString("The player library velmora.dat was damaged: it ended in part of "
                                                   "a player record. " + kept + " The damaged file was kept as " +
                                                   copy + ".")});
        StartProgram();
        EXPECT_EQ(testing::ReadBytes(folder.Path() / copy), bytes);
    }

    // --- the run --------------------------------------------------------------------------
    std::string Step() {
        if (running) {
            const int roll = Pick(100);
            if (roll < 88) return PlayTurn(), "play a turn";
            if (roll < 94) return PlayToEnd(), "play to the end";
            if (roll < 97) return EndGame(), "end the game";
            if (roll < 99) return Reload(), "open the scoreboard";
            return StartProgram(), "start the program again";
        }
        switch (Pick(24)) {
            case 0: case 1: case 2: return AddFromEditMenu(), "add from the Edit menu";
            case 3: case 4: case 5: return AddFromNewGameDialog(), "add from the New Game dialog";
            case 6: case 7: return DeleteFromEditMenu(), "delete from the Edit menu";
            case 8: return DeleteFromNewGameDialog(), "delete from the New Game dialog";
            case 9: case 10: return AddPassword(), "add a password";
            case 11: case 12: return ChangePassword(), "change or delete a password";
            case 13: case 14: case 15: return NewGame(), "new game";
            case 16: case 17: return Restart(), "restart the game";
            case 18: case 19: case 20: return Reload(), "open the scoreboard";
            case 21: return Chance(30) ? (StartProgram(), "start the program again") : (Reload(), "open the scoreboard");
            case 22: return Chance(50) ? (DamageFileAndRestart(), "damage velmora.dat and start again")
                                       : (Reload(), "open the scoreboard");
            default: return NewGame(), "new game";
        }
    }

    fakes::ScriptedMessages messages;
    fakes::ScriptedModal modal;
    std::mt19937 rng{kSeed};
    std::vector<ModelPlayer> model;
    std::vector<ModelPlayer> game;
    std::vector<std::string> lineup;
    std::vector<Expected> expected;
    bool running = false;
    int current = 1;
    int damagedCopies = 0;
};

TEST_F(PlayerLibraryModelTest, NoPlayerOrStatisticIsEverLostOrCountedTwice) {
    std::vector<std::string> done;
    std::map<std::string, int> counts;
    int games = 0;
    for (int step = 1; step <= kSteps; ++step) {
        messages.shown.clear();
        expected.clear();
        modal.opened.clear();
        const bool wasRunning = running;
        std::string what = "(raised an exception)";
        try {
            what = Step();
            Check();
        } catch (const std::exception& error) {
            ADD_FAILURE() << "exception: " << error.what();
        }
        ++counts[what];
        if (wasRunning && !running && what.starts_with("play")) ++games;
        done.push_back(what);
        if (HasFailure()) {
            std::ostringstream recent;
            for (std::size_t i = done.size() > 8 ? done.size() - 8 : 0; i < done.size(); ++i)
                recent << "\n  " << i + 1 << ": " << done[i];
            ADD_FAILURE() << "seed " << kSeed << ", step " << step << " (" << what << "); the last steps:"
                          << recent.str();
            return;
        }
    }
    std::cout << "[ model    ] seed " << kSeed << ": " << kSteps << " steps, " << games << " games finished, "
              << model.size() << " players at the end\n";
    for (const auto& [what, count] : counts) std::cout << "[ model    ]   " << count << " x " << what << "\n";
    EXPECT_GT(games, 10);
}

}  // namespace
}  // namespace velmora
