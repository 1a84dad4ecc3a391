#include "tests/app/BoardFixture.h"

TEST_F(BoardTest, StartingAGameDrawsBacksWithTheCursorHighlightAndSwitchesTheMenus) {
    Start();
    EXPECT_EQ(window->BoardBuffer().pixel(10, 100), kBackground);  // left margin: the set's background
    EXPECT_EQ(PixelOf({2, 1}), kBack);
    EXPECT_EQ(PixelOf({5, 4}), kBack);
    const QRgb highlighted = PixelOf({1, 1});
    const QColor highlight = window->palette().color(QPalette::Highlight);
    EXPECT_TRUE(Near(highlighted, qRgb((qRed(kBack) + highlight.red()) / 2, (qGreen(kBack) + highlight.green()) / 2,
                                       (qBlue(kBack) + highlight.blue()) / 2)))
        << std::hex << highlighted;

    EXPECT_FALSE(Action("New1")->isEnabled());
    EXPECT_FALSE(Action("Restart1")->isEnabled());
    EXPECT_TRUE(Action("EndGame1")->isEnabled());
    EXPECT_FALSE(window->Menu().edit->menuAction()->isEnabled());
    EXPECT_TRUE(window->StatusText().contains("Ann"));
    auto* list = window->findChild<QTreeWidget*>("ListView1");
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Ann");
    EXPECT_EQ(list->topLevelItem(0)->text(1), "0");
}

TEST_F(BoardTest, PressingInvertsTheCardDraggingMovesThePressedLookAndReleasingTurnsIt) {
    Start();
    Mouse(QEvent::MouseButtonPress, Centre({2, 1}), Qt::LeftButton);
    EXPECT_EQ(PixelOf({2, 1}), kBack ^ 0x00FFFFFFu);
    EXPECT_EQ(OutlineOf({2, 1}), kBack);  // the outline is not inverted

    Mouse(QEvent::MouseMove, Centre({3, 2}), Qt::LeftButton);
    EXPECT_EQ(PixelOf({2, 1}), kBack);  // undone
    EXPECT_NE(PixelOf({3, 2}), kBack);
    EXPECT_NE(PixelOf({3, 2}), kBack ^ 0x00FFFFFFu);  // highlighted and inverted

    Mouse(QEvent::MouseButtonRelease, Centre({3, 2}), Qt::NoButton);
    EXPECT_EQ(PixelOf({3, 2}), Face(PictureOf({3, 2})));
    EXPECT_EQ(PixelOf({2, 1}), kBack);
    EXPECT_EQ(window->CurrentGame().CardsTurned(), 1);
}

TEST_F(BoardTest, ClicksInTheMarginsOrOnATurnedCardTurnNothing) {
    Start();
    Mouse(QEvent::MouseButtonPress, QPoint(10, 100), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, QPoint(10, 100), Qt::NoButton);
    Mouse(QEvent::MouseButtonPress, QPoint(100, 3), Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, QPoint(100, 3), Qt::NoButton);
    EXPECT_EQ(window->CurrentGame().CardsTurned(), 0);
    Click({4, 3});
    Click({4, 3});
    EXPECT_EQ(window->CurrentGame().CardsTurned(), 1);
    EXPECT_EQ(PixelOf({4, 3}), Face(PictureOf({4, 3})));
}

TEST_F(BoardTest, SpaceInvertsWhileHeldAndTurnsTheCursorCardOnRelease) {
    Start();
    Key(QEvent::KeyPress, Qt::Key_Right);
    EXPECT_EQ(PixelOf({1, 1}), kBack);
    EXPECT_NE(PixelOf({2, 1}), kBack);  // the cursor moved there
    // The players list passes its keys to the board too.
    Key(QEvent::KeyPress, Qt::Key_Space, window->findChild<QTreeWidget*>("ListView1"));
    const QRgb pressed = PixelOf({2, 1});
    Key(QEvent::KeyRelease, Qt::Key_Space, window->findChild<QTreeWidget*>("ListView1"));
    EXPECT_NE(pressed, PixelOf({2, 1}));
    EXPECT_EQ(PixelOf({2, 1}), Face(PictureOf({2, 1})));
    EXPECT_EQ(window->CurrentGame().CardsTurned(), 1);
}

TEST_F(BoardTest, AMatchLeavesTheBackgroundAndAMissTurnsTheCardsBack) {
    Start();
    const auto pairs = Pairs();
    const std::vector<CellPosition>& first = pairs.at(1);
    Click(first[0]);
    Click(first[1]);
    EXPECT_TRUE(window->findChild<QTimer*>("Timer1")->isActive());
    EXPECT_EQ(PixelOf(first[1]), Face(1));
    RunDelay();
    EXPECT_FALSE(window->findChild<QTimer*>("Timer1")->isActive());
    for (const CellPosition& cell : first) EXPECT_EQ(PixelOf(cell), kBackground) << cell.Col;
    EXPECT_EQ(window->findChild<QTreeWidget*>("ListView1")->topLevelItem(0)->text(1), "1");

    const CellPosition a = pairs.at(2)[0];
    const CellPosition b = pairs.at(3)[0];
    Click(a);
    Click(b);
    RunDelay();
    EXPECT_EQ(window->CurrentGame().CurrentPlayer(), 2);
    EXPECT_TRUE(window->StatusText().contains("Bob"));
    for (const CellPosition& cell : {a, b})
        EXPECT_TRUE(PixelOf(cell) == kBack || window->CurrentGame().CellHighlighted(cell.Col, cell.Row));
}

TEST_F(BoardTest, EndGameAskedAndConfirmedRestoresTheMenus) {
    Start();
    Click({2, 2});
    fakes::ScriptedMessages messages;
    messages.Answer(MessageAnswer::No);
    Action("EndGame1")->trigger();
    EXPECT_TRUE(Action("EndGame1")->isEnabled());
    Action("EndGame1")->trigger();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::YesNo);
    EXPECT_TRUE(Action("New1")->isEnabled());
    EXPECT_TRUE(Action("Restart1")->isEnabled());
    EXPECT_FALSE(Action("EndGame1")->isEnabled());
    EXPECT_TRUE(window->Menu().edit->menuAction()->isEnabled());
    // The board is drawn once more with every card face down and no cursor.
    Click({2, 2});
    EXPECT_EQ(PixelOf({1, 1}), kBack);
    EXPECT_EQ(PixelOf({2, 2}), kBack);
}

TEST_F(BoardTest, TheLastPairEndsTheGameWithTheMenusOfNoGameAndTheWinnerWindow) {
    Start();
    velmora::fakes::ScriptedModal modal;
    QString winner;
    const auto readWinner = [&](QDialog& dialog) {
        if (dialog.objectName() == "TForm11") winner = dialog.findChild<QLabel*>("Label2")->text();
    };
    modal.Then(readWinner);
    modal.Then(readWinner);
    for (const auto& [picture, cells] : Pairs()) {
        Click(cells[0]);
        Click(cells[1]);
        RunDelay();
    }
    // The window was first shown during the game, so its splash came up too.
    ASSERT_EQ(std::count(modal.opened.begin(), modal.opened.end(), "TForm11"), 1);
    EXPECT_TRUE(winner.contains("Ann"));
    EXPECT_TRUE(window->StatusText().contains("Ann"));
    EXPECT_TRUE(Action("New1")->isEnabled());
    EXPECT_TRUE(Action("Restart1")->isEnabled());
    EXPECT_FALSE(Action("EndGame1")->isEnabled());
    EXPECT_TRUE(window->Menu().edit->menuAction()->isEnabled());
    EXPECT_EQ(window->findChild<QTreeWidget*>("ListView1")->topLevelItem(0)->text(1), "10");
    // Every cell shows the background again.
    EXPECT_EQ(PixelOf({3, 3}), kBackground);
}

TEST_F(BoardTest, RestartReadsTheGamesSetAgainWhenAnotherWasReadMeanwhile) {
    Start();
    fakes::ScriptedMessages messages;  // answers Yes to End Game and to Restart Game
    Action("EndGame1")->trigger();
    WriteTestSet(folder.Path() / "Other.cst", 0xFF00C800);
    window->LoadGameCardSet("Other.cst");
    Action("Restart1")->trigger();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[1].text, "Are you sure you want to play again?");
    EXPECT_EQ(window->CardSet().PicturedSetFile, "Plain Colours.cst");
    EXPECT_EQ(PixelOf({2, 1}), kBack);
}

TEST_F(BoardTest, RestartAfterViewingAnotherSetDrawsTheGamesSetAtItsOwnCardSize) {
    Start();
    fakes::ScriptedMessages messages;  // answers Yes to End Game and to Restart Game
    Action("EndGame1")->trigger();
    // Another set with smaller cards of another back, viewed through Select Card Set.
    CardSetDescription other;
    other.CardWidth = 60;
    other.CardHeight = 50;
    for (int i = 0; i <= 10; ++i) {
        other.CardNames.push_back("other " + std::to_string(i));
        other.CardPictures.emplace_back(60, 50, i == 0 ? 0x0000C800u : 0x00C8C8C8u);
    }
    other.BackgroundColour = kBackgroundStored;
    WriteCardSet(folder.Path() / "Other.cst", other);
    fakes::ScriptedModal modal;
    modal.Then([](QDialog& select) {
        auto* sets = select.findChild<QComboBox*>("ComboBox1");
        sets->setCurrentIndex(sets->findText("Other"));
        select.findChild<QPushButton*>("Button1")->click();  // View Velmora Set
    });
    Action("ViewVelmoraSet1")->trigger();
    ASSERT_EQ(modal.opened, (std::vector<QString>{"TForm12", "TForm7"}));
    ASSERT_EQ(window->CardSet().PicturedSetFile, "Other.cst");
    ASSERT_EQ(window->CardSet().LoadedSetFile, "plain colours.cst");

    Action("Restart1")->trigger();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(window->CurrentGame().CardSizeOfSet().Width, kCard.Width);
    EXPECT_EQ(window->CurrentGame().CardSizeOfSet().Height, kCard.Height);
    EXPECT_EQ(window->CurrentGame().BoardLeft(), 20);
    EXPECT_EQ(window->CurrentGame().BoardTop(), 7);
    // The corner of card (2, 1) of the 100 x 90 board: the background at the other set's size.
    EXPECT_EQ(window->BoardBuffer().pixel(125, 12), kBack);
    EXPECT_EQ(PixelOf({5, 4}), kBack);
    EXPECT_EQ(window->CardSet().PicturedSetFile, "Plain Colours.cst");
}

TEST_F(BoardTest, ADamagedSetIsRefusedWithItsErrorAndTheBoardKeepsItsPictures) {
    Start();
    const auto damaged = folder.Path() / "Damaged.cst";
    std::filesystem::copy_file(folder.Path() / "Plain Colours.cst", damaged);
    std::filesystem::resize_file(damaged, std::filesystem::file_size(damaged) / 2);
    EXPECT_THROW(window->LoadGameCardSet("Damaged.cst"), std::exception);
    EXPECT_EQ(window->CardSet().PicturedSetFile, "plain colours.cst");
    window->DrawBoard();
    EXPECT_EQ(PixelOf({2, 1}), kBack);
}

TEST_F(BoardTest, TheCardSetCheckNamesLostSetsAtStartUpAndOnRequest) {
    WriteTestSet(folder.Path() / "Lost");
    Open();
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Lost.cst"));
    WriteTestSet(folder.Path() / "Found later");
    fakes::ScriptedMessages messages;
    Action("CardSetCheck1")->trigger();
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "Found later.cst"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Information);
    EXPECT_EQ(messages.shown[0].text, "Card set check completed!");
}

TEST_F(BoardTest, DoubleClickingAPlayerOpensTheStatisticsOfThatLibraryPlayer) {
    Start();
    ASSERT_EQ(window->Library().AppendPlayer({"Bob", "", false, true, 5}), "");
    ASSERT_EQ(window->Library().AppendPlayer({"Ann", "", false, true, 5}), "");
    std::vector<std::string> lines;
    window->Library().LoadPlayerLibrary(lines, LibraryFilter::AllPlayers);
    std::vector<int> opened;
    window->showPlayerStatistics = [&](int position) { opened.push_back(position); };
    auto* list = window->findChild<QTreeWidget*>("ListView1");
    QTreeWidgetItem* ann = list->findItems("Ann", Qt::MatchExactly).value(0);
    ASSERT_NE(ann, nullptr);
    list->setCurrentItem(ann);
    emit list->itemDoubleClicked(ann, 0);
    EXPECT_EQ(opened, std::vector<int>({2}));
    ann->setSelected(true);
    Key(QEvent::KeyPress, Qt::Key_Return, list);  // the keyboard's way
    EXPECT_EQ(opened, std::vector<int>({2, 2}));
}
