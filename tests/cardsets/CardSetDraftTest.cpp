#include <gtest/gtest.h>

#include "CardSetSamples.h"
#include "cardsets/CardSetDraft.h"
#include "cardsets/CardSetWriter.h"
#include "cardsets/LoadedCardSet.h"

using namespace velmora;
using velmora::testing::PatternPicture;

namespace {

void AddCards(CardSetDraft& draft, int count) {
    for (int i = 0; i < count; ++i)
        draft.AddCard("card" + std::to_string(i),
                      PatternPicture(draft.CardWidth(), draft.CardHeight(), static_cast<std::uint32_t>(i)));
}

std::vector<std::string> Names(const CardSetDraft& draft) {
    std::vector<std::string> names;
    for (const DraftCard& card : draft.Cards()) names.push_back(card.Name);
    return names;
}

}  // namespace

TEST(CardSetDraft, StartsAsAJuniorSetOf50By50WithTheWizardsDefaults) {
    CardSetDraft draft;
    EXPECT_EQ(draft.Format(), 0u);
    EXPECT_EQ(draft.RequiredCount(), 11);
    EXPECT_EQ(draft.CardWidth(), 50);
    EXPECT_EQ(draft.CardHeight(), 50);
    EXPECT_EQ(draft.Counter(), "0/11");
    EXPECT_EQ(draft.Instruction(),
              "Please add 11 cards. Remember that the first card will represent the upper side of your Velmora set!");
    EXPECT_EQ(draft.Details.Web, "http://");
    EXPECT_EQ(draft.Details.Language, "card set language");
    EXPECT_EQ(draft.BackgroundColour(), 0x8000000Fu);
    EXPECT_FALSE(draft.BackgroundPicture());
}

TEST(CardSetDraft, ResetKeepsOnlyTheLanguage) {
    CardSetDraft draft;
    draft.SetFormat(3);
    AddCards(draft, 3);
    draft.Details = {"Ann", "ann@example.org", "www", "notes", "English"};
    draft.SetBackgroundColour(0x00FF0000);
    draft.Reset();
    EXPECT_EQ(draft.Format(), 0u);
    EXPECT_TRUE(draft.Cards().empty());
    EXPECT_EQ(draft.CardWidth(), 50);
    EXPECT_EQ(draft.Details, (CardSetDetails{"", "", "http://", "", "English"}));
    EXPECT_EQ(draft.BackgroundColour(), ButtonFaceColour);
}

TEST(CardSetDraft, AFormatWhoseLimitIsBelowTheSizeDropsTheSizeAndRemovesTheCards) {
    CardSetDraft draft;
    AddCards(draft, 4);
    EXPECT_TRUE(draft.SetFormat(3));  // Fanatic: 54 x 37
    EXPECT_EQ(draft.CardWidth(), 50);
    EXPECT_EQ(draft.CardHeight(), 37);
    EXPECT_TRUE(draft.Cards().empty());
    EXPECT_EQ(draft.Counter(), "0/51");
}

TEST(CardSetDraft, AFormatThatKeepsTheSizeKeepsTheCards) {
    CardSetDraft draft;
    AddCards(draft, 5);
    EXPECT_FALSE(draft.SetFormat(1));  // Standard: 77 x 62
    EXPECT_EQ(draft.Cards().size(), 5u);
    EXPECT_EQ(draft.RequiredCount(), 22);
    EXPECT_EQ(draft.Counter(), "5/22");
    EXPECT_EQ(draft.Instruction().English().substr(0, 20), "Please add 22 cards.");
}

TEST(CardSetDraft, EveryChangeOfSizeRemovesTheCardsAndSizesStayWithinTheFormat) {
    CardSetDraft draft;
    AddCards(draft, 2);
    EXPECT_FALSE(draft.SetCardSize(50, 50));
    EXPECT_EQ(draft.Cards().size(), 2u);
    EXPECT_TRUE(draft.SetCardSize(51, 50));
    EXPECT_TRUE(draft.Cards().empty());
    draft.SetCardSize(500, 0);
    EXPECT_EQ(draft.CardWidth(), 108);
    EXPECT_EQ(draft.CardHeight(), 1);
}

TEST(CardSetDraft, FullAndFitsDecideWhatMayBeAdded) {
    CardSetDraft draft;
    EXPECT_TRUE(draft.Fits(Picture(50, 50)));
    EXPECT_FALSE(draft.Fits(Picture(50, 51)));
    EXPECT_FALSE(draft.Fits(Picture(51, 50)));
    AddCards(draft, 10);
    EXPECT_FALSE(draft.Full());
    EXPECT_EQ(draft.MissingCards(), 1);
    AddCards(draft, 1);
    EXPECT_TRUE(draft.Full());
    EXPECT_EQ(draft.MissingCards(), 0);
}

TEST(CardSetDraft, RemovingSelectedCardsKeepsTheOthersInOrderWithTheirPictures) {
    CardSetDraft draft;
    AddCards(draft, 5);
    const Picture second = draft.Cards()[1].Image;
    const Picture fifth = draft.Cards()[4].Image;
    draft.RemoveCards({3, 0, 3});
    EXPECT_EQ(Names(draft), (std::vector<std::string>{"card1", "card2", "card4"}));
    EXPECT_EQ(draft.Cards()[0].Image, second);
    EXPECT_EQ(draft.Cards()[2].Image, fifth);
    draft.RemoveCards({7});
    EXPECT_EQ(draft.Cards().size(), 3u);
}

TEST(CardSetDraft, NamesAreKeptWithin500Bytes) {
    CardSetDraft draft;
    draft.AddCard(std::string(600, 'a'), Picture(50, 50));
    EXPECT_EQ(draft.Cards()[0].Name.size(), 500u);
    draft.RenameCard(0, std::string(501, 'b'));
    EXPECT_EQ(draft.Cards()[0].Name, std::string(500, 'b'));
    draft.RenameCard(5, "nothing there");
    EXPECT_EQ(draft.Cards().size(), 1u);
}

TEST(CardSetDraft, CardNamesComeFromTheFileNameLessFolderAndExtension) {
    EXPECT_EQ(CardNameFromFile("C:\\Cards\\Ace of hearts.bmp"), "Ace of hearts");
    EXPECT_EQ(CardNameFromFile("/home/ann/cards/Queen.jpg"), "Queen");
    EXPECT_EQ(CardNameFromFile("x.j"), "x");
    EXPECT_EQ(CardNameFromFile(std::string(700, 'n') + ".bmp").size(), 500u);
}

TEST(CardSetDraft, TheWholeExtensionIsCutWhateverItsLength) {
    EXPECT_EQ(CardNameFromFile("/cards/rose50.jpeg"), "rose50");
    EXPECT_EQ(CardNameFromFile("C:\\Cards\\rose50.JPEG"), "rose50");
    EXPECT_EQ(CardNameFromFile("/cards/queen.of.hearts.bmp"), "queen.of.hearts");
    EXPECT_EQ(CardNameFromFile("/cards.old/Queen"), "Queen");  // a dot in a folder is no extension
    EXPECT_EQ(CardNameFromFile(std::string(700, 'n') + ".jpeg"), std::string(500, 'n'));
}

TEST(CardSetDraft, OnlyABoardSizedBackgroundPictureIsTakenAndItResetsTheColour) {
    CardSetDraft draft;
    draft.SetBackgroundColour(0x000000FF);
    EXPECT_TRUE(draft.SetBackgroundPicture(Picture(540, 374)));
    EXPECT_TRUE(draft.BackgroundPicture());
    EXPECT_EQ(draft.BackgroundColour(), ButtonFaceColour);
    EXPECT_FALSE(draft.SetBackgroundPicture(Picture(540, 375)));
    EXPECT_FALSE(draft.BackgroundPicture());
    EXPECT_TRUE(draft.SetBackgroundPicture(Picture(540, 374)));
    draft.SetBackgroundColour(0x00123456);
    EXPECT_FALSE(draft.BackgroundPicture());
    EXPECT_EQ(draft.BackgroundColour(), 0x00123456u);
}

TEST(CardSetDraft, DescribesAWritableSetWithTheCardBacksPalette) {
    velmora::testing::ScratchFolder folder;
    CardSetDraft draft;
    AddCards(draft, 11);
    ColourTable palette{};
    palette[0] = 0x00FF0000;
    palette[255] = 0x000000FF;
    DraftCard back = draft.Cards()[0];
    draft.ClearCards();
    back.Image.Palette = palette;
    draft.AddCard(back.Name, back.Image);
    AddCards(draft, 10);
    draft.Details.Author = "Ann";

    const CardSetDescription set = draft.Describe();
    EXPECT_EQ(set.Palette, palette);
    EXPECT_EQ(set.CardNames.front(), "card0");
    EXPECT_EQ(set.BackgroundColour, ButtonFaceColour);
    WriteCardSet(folder / "Drafted.cst", set);
    LoadedCardSet loaded;
    loaded.LoadCardSet(folder.Path(), "Drafted.cst", CardSetParts::PicturesAndBackground);
    EXPECT_EQ(loaded.CardCount, 11);
    EXPECT_EQ(loaded.Author, "Ann");
    EXPECT_EQ(loaded.Web, "http://");
    EXPECT_EQ(loaded.CardPictures[3].Pixels, draft.Cards()[3].Image.Pixels);
}
