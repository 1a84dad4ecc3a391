#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>

#include "CardSetSamples.h"
#include "ScriptedFileDialogs.h"
#include "cardsets/BmpWriter.h"
#include "cardsets/CardSetReader.h"
#include "cardsets/pictures/PictureFile.h"
#include "cardsets/ui/FileDialogs.h"
#include "cardsets/ui/NewSet.h"
#include "cardsets/ui/PathText.h"
#include "tests/support/ScriptedMessages.h"

using namespace velmora;
using velmora::testing::PatternPicture;
using velmora::testing::RecordingProgress;
using velmora::testing::ScratchFolder;

namespace {

const QString kMaximum =
    "Maximum number of cards reached. You may change the format of Velmora set if you wish to add more cards.";

class NewSetTest : public ::testing::Test {
protected:
    void SetUp() override { wizard.show(); }

    template <typename T>
    T* Get(const char* name) {
        T* widget = wizard.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void Click(const char* name) { Get<QPushButton>(name)->click(); }
    QString Text(const char* name) { return Get<QLabel>(name)->text(); }
    QListWidget* List() { return Get<QListWidget>("ListView1"); }
    // Pictures of other sizes are refused, as they are without fitting.
    void FitOff() { Get<QCheckBox>("CheckBox2")->setChecked(false); }

    QString Path(const std::string& name) { return QString::fromStdString((folder / name).string()); }
    QString Bmp(const std::string& name, int width, int height, std::uint32_t seed = 1) {
        WriteBmp24(folder / name, PatternPicture(width, height, seed));
        return Path(name);
    }
    QStringList Bmps(int count, int width = 50, int height = 50, const std::string& stem = "card") {
        QStringList files;
        for (int i = 0; i < count; ++i)
            files << Bmp(stem + std::to_string(100 + i) + ".bmp", width, height, static_cast<std::uint32_t>(i));
        return files;
    }
    void Add(const QStringList& files) {
        dialogs.Pictures(files);
        Click("BitBtn6");
    }
    void GoToPage(int page) {
        while (wizard.Page() < page) Click("BitBtn4");
    }
    QStringList MessageTexts() const {
        QStringList texts;
        for (const auto& shown : messages.shown) texts << shown.text;
        return texts;
    }
    CardSetContents Finish(const std::string& name) {
        GoToPage(4);
        dialogs.SaveAs(Path(name));
        Click("BitBtn5");
        return ReadCardSetFile(folder / name, name, CardSetParts::PicturesAndBackground);
    }

    ScratchFolder folder;
    RecordingProgress progress;
    fakes::ScriptedMessages messages;
    fakes::ScriptedFileDialogs dialogs;
    NewSet wizard{folder.Path(), progress};
};

}  // namespace

TEST_F(NewSetTest, OpensOnTheFirstPageWithEveryDefault) {
    EXPECT_EQ(wizard.objectName(), "TForm3");
    EXPECT_EQ(wizard.windowTitle(), "Create New Velmora Set");
    EXPECT_EQ(wizard.size(), QSize(434, 428));
    auto* pages = Get<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 5);
    EXPECT_EQ(pages->tabText(0), "Step 1: Size");
    EXPECT_EQ(pages->tabText(4), "Step 5: Finish");
    EXPECT_EQ(wizard.Page(), 0);
    EXPECT_FALSE(Get<QPushButton>("BitBtn3")->isEnabled());
    EXPECT_TRUE(Get<QPushButton>("BitBtn4")->isEnabled());
    EXPECT_TRUE(Get<QPushButton>("BitBtn5")->isHidden());
    EXPECT_EQ(Get<QPushButton>("BitBtn2")->text(), "&Cancel");
    EXPECT_EQ(Get<QPushButton>("BitBtn3")->text(), "&<< Back");
    EXPECT_EQ(Get<QPushButton>("BitBtn4")->text(), "Next >&>");

    auto* formats = Get<QComboBox>("ComboBox1");
    EXPECT_EQ(formats->currentText(), "Junior (5x4)");
    EXPECT_EQ(formats->itemText(3), "Fanatic (10x10)");
    auto* x = Get<QSlider>("TrackBar1");
    auto* y = Get<QSlider>("TrackBar2");
    EXPECT_EQ(x->maximum(), 108);
    EXPECT_EQ(y->maximum(), 93);
    EXPECT_EQ(x->value(), 50);
    EXPECT_EQ(y->value(), 50);
    EXPECT_EQ(x->width(), 124);
    EXPECT_EQ(y->height(), 109);
    EXPECT_EQ(Text("Label4"), "50");
    EXPECT_EQ(Text("Label5"), "50");

    EXPECT_EQ(Text("Label8"), "Color");
    EXPECT_EQ(Text("Label12"), "0/11");
    EXPECT_EQ(Text("Label11"),
              "Please add 11 cards. Remember that the first card will represent the upper side of your Velmora set!");
    EXPECT_EQ(Get<QLineEdit>("Edit4")->text(), "http://");
    EXPECT_EQ(Get<QLineEdit>("Edit2")->text(), "card set language");
    EXPECT_EQ(Get<QLineEdit>("Edit1")->maxLength(), 200);
    EXPECT_EQ(Get<QLineEdit>("Edit5")->maxLength(), 500);
}

TEST_F(NewSetTest, EveryLabelShowsItsWholeTextBesideItsField) {
    for (const QLabel* label : wizard.findChildren<QLabel*>()) {
        if (label->text().isEmpty() || label->wordWrap()) continue;
        EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
    const QWidget* group = Get<QWidget>("GroupBox5");
    for (const QLabel* label : group->findChildren<QLabel*>()) {
        for (const QLineEdit* field : group->findChildren<QLineEdit*>())
            EXPECT_FALSE(label->geometry().intersects(field->geometry()))
                << label->text().toStdString() << " under " << field->objectName().toStdString();
    }
}

TEST_F(NewSetTest, AFormatChangeDropsASizeAboveTheLimitAndThatRemovesTheCards) {
    Add(Bmps(3));
    Get<QComboBox>("ComboBox1")->setCurrentIndex(1);  // Standard keeps 50 x 50
    EXPECT_EQ(List()->count(), 3);
    EXPECT_EQ(Text("Label12"), "3/22");
    EXPECT_EQ(Text("Label11").left(20), "Please add 22 cards.");

    Get<QComboBox>("ComboBox1")->setCurrentIndex(3);  // Fanatic: 54 x 37
    EXPECT_EQ(Get<QSlider>("TrackBar2")->value(), 37);
    EXPECT_EQ(Get<QSlider>("TrackBar2")->maximum(), 37);
    EXPECT_EQ(Get<QSlider>("TrackBar1")->width(), 54 + 16);
    EXPECT_EQ(Text("Label5"), "37");
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(Text("Label12"), "0/51");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NewSetTest, MovingASliderRemovesEveryCardWithoutAsking) {
    Add(Bmps(4));
    Get<QSlider>("TrackBar1")->setValue(60);
    EXPECT_EQ(wizard.Draft().CardWidth(), 60);
    EXPECT_EQ(Text("Label4"), "60");
    EXPECT_EQ(List()->count(), 0);
    EXPECT_TRUE(wizard.Draft().Cards().empty());
    EXPECT_EQ(Text("Label12"), "0/11");
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(NewSetTest, FifteenPicturesIntoAJuniorSetAddElevenThenWarn) {
    Add(Bmps(15));
    EXPECT_EQ(List()->count(), 11);
    EXPECT_EQ(Text("Label12"), "11/11");
    EXPECT_EQ(MessageTexts(), QStringList{kMaximum});
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(dialogs.titles, QStringList{"Add new card..."});
}

TEST_F(NewSetTest, PicturesOfAnotherSizeEndTheBatchAndKeepTheCardsBeforeThem) {
    FitOff();
    const QString tall = Bmp("tall.bmp", 50, 51);
    const QString wide = Bmp("wide.bmp", 51, 50);
    Add({Bmp("first.bmp", 50, 50), tall, Bmp("after.bmp", 50, 50)});
    EXPECT_EQ(List()->count(), 1);
    Add({wide});
    EXPECT_EQ(List()->count(), 1);
    EXPECT_EQ(Text("Label12"), "1/11");
    EXPECT_EQ(MessageTexts(),
              (QStringList{"The image " + tall + " does not have correct size. Please consult Help file.",
                           "The image " + wide + " does not have correct size. Please consult Help file."}));
}

TEST_F(NewSetTest, AnUnreadablePictureEndsTheBatchWithItsError) {
    folder.WriteFile("broken.jpg", {'x'});
    Add({Bmp("first.bmp", 50, 50), Path("broken.jpg"), Bmp("after.bmp", 50, 50)});
    EXPECT_EQ(List()->count(), 1);
    EXPECT_EQ(Text("Label12"), "1/11");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith("JPEG error #")) << messages.shown[0].text.toStdString();
}

TEST_F(NewSetTest, CardsAreNamedAfterTheirFilesAndRenamedInPlace) {
    Add({Bmp("Ace of hearts.bmp", 50, 50), Bmp("Queen.bmp", 50, 50)});
    EXPECT_EQ(List()->item(0)->text(), "Ace of hearts");
    EXPECT_EQ(wizard.Draft().Cards()[1].Name, "Queen");

    List()->item(1)->setText(QString::fromUtf8("Reine \xC3\xA9"));  // what the in-place editor commits
    EXPECT_EQ(wizard.Draft().Cards()[1].Name, "Reine \xE9");
    List()->item(1)->setText(QString(600, 'q'));
    EXPECT_EQ(wizard.Draft().Cards()[1].Name, std::string(500, 'q'));
    EXPECT_EQ(List()->item(1)->text().size(), 500);
    List()->item(0)->setText(QString::fromUtf8("\xE6\xBC\xA2"));  // no Windows-1252 character
    EXPECT_EQ(wizard.Draft().Cards()[0].Name, "Ace of hearts");
    EXPECT_EQ(List()->item(0)->text(), "Ace of hearts");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
}

TEST_F(NewSetTest, AJpegOfFourLetterExtensionIsNamedWithoutItAndTheDialogOffersIt) {
    QImage face(50, 50, QImage::Format_RGB32);
    face.fill(qRgb(200, 30, 60));
    ASSERT_TRUE(face.save(Path("rose50.jpeg"), "JPG", 90));
    ASSERT_TRUE(face.save(Path("tulip.JPEG"), "JPG", 90));
    Add({Path("rose50.jpeg"), Path("tulip.JPEG"), Bmp("Ace of hearts.bmp", 50, 50)});
    EXPECT_EQ(List()->item(0)->text(), "rose50");
    EXPECT_EQ(List()->item(1)->text(), "tulip");
    EXPECT_EQ(List()->item(2)->text(), "Ace of hearts");

    // What each filter of the picture dialog shows of a folder of every kind of file.
    Bmp("Queen.BMP", 50, 50);
    folder.WriteFile("notes.txt", {'n'});
    face.save(Path("rose.png"), "PNG");
    const QStringList filters = PictureFilter().split(";;");
    ASSERT_EQ(filters.size(), 3);
    const auto shown = [&](const QString& filter) {
        const QString patterns = filter.section('(', 1).chopped(1);
        QDir dir(QString::fromStdString(folder.Path().string()));
        dir.setFilter(QDir::Files | QDir::CaseSensitive);
        dir.setNameFilters(patterns.split(' '));
        dir.setSorting(QDir::Name | QDir::IgnoreCase);
        return dir.entryList();
    };
    EXPECT_TRUE(filters[0].startsWith("Pictures ("));
    EXPECT_EQ(shown(filters[0]), (QStringList{"Ace of hearts.bmp", "Queen.BMP", "rose50.jpeg", "tulip.JPEG"}));
    EXPECT_TRUE(filters[1].startsWith("Bitmaps ("));
    EXPECT_EQ(shown(filters[1]), (QStringList{"Ace of hearts.bmp", "Queen.BMP"}));
    EXPECT_TRUE(filters[2].startsWith("Jpeg images ("));
    EXPECT_EQ(shown(filters[2]), (QStringList{"rose50.jpeg", "tulip.JPEG"}));
}

TEST_F(NewSetTest, RenameAndClearWantASelection) {
    Click("BitBtn7");
    Click("BitBtn8");
    EXPECT_EQ(MessageTexts(), (QStringList{"No card selected !", "No card selected !"}));
    Click("BitBtn9");
    EXPECT_EQ(MessageTexts().last(), "No cards available...");
}

TEST_F(NewSetTest, ClearingTwoOfFiveLeavesThreeInOrderWithTheirPictures) {
    const QStringList files = Bmps(5);
    Add(files);
    List()->item(1)->setSelected(true);
    List()->item(3)->setSelected(true);
    messages.Answer(MessageAnswer::No);
    Click("BitBtn8");
    EXPECT_EQ(List()->count(), 5);
    Click("BitBtn8");
    EXPECT_EQ(MessageTexts(), (QStringList{"Are you sure you want to proceed?", "Are you sure you want to proceed?"}));
    ASSERT_EQ(List()->count(), 3);
    EXPECT_EQ(Text("Label12"), "3/11");
    const int kept[] = {0, 2, 4};
    for (int i = 0; i < 3; ++i) {
        const DraftCard& card = wizard.Draft().Cards()[static_cast<std::size_t>(i)];
        EXPECT_EQ(List()->item(i)->text(), "card" + QString::number(100 + kept[i]));
        EXPECT_EQ(card.Image, ReadPictureFile(folder / ("card" + std::to_string(100 + kept[i]) + ".bmp")));
    }
}

TEST_F(NewSetTest, ClearAllAsksAndEmptiesTheList) {
    Add(Bmps(4));
    Click("BitBtn9");
    EXPECT_EQ(MessageTexts(), QStringList{"This will erase all cards in your Velmora card set! Are you sure you want "
                                          "to proceed?"});
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(Text("Label12"), "0/11");
    EXPECT_TRUE(Get<QLabel>("Image2")->pixmap().isNull());
}

TEST_F(NewSetTest, TabClicksAreRefusedAndOnlyBackAndNextMove) {
    QTabBar* tabs = Get<QTabWidget>("PageControl1")->tabBar();
    const QPointF at = tabs->tabRect(2).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, tabs->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(tabs, &press);
    EXPECT_EQ(wizard.Page(), 0);
    EXPECT_EQ(MessageTexts(), QStringList{"Please use Back or Next buttons at the bottom of this window."});

    Click("BitBtn4");
    EXPECT_EQ(wizard.Page(), 1);
    EXPECT_TRUE(Get<QPushButton>("BitBtn3")->isEnabled());
    Click("BitBtn3");
    EXPECT_EQ(wizard.Page(), 0);
    EXPECT_FALSE(Get<QPushButton>("BitBtn3")->isEnabled());
}

TEST_F(NewSetTest, NextLeavesTheCardsPageOnlyWithTheRequiredCount) {
    GoToPage(2);
    Add(Bmps(5));
    Click("BitBtn4");
    EXPECT_EQ(wizard.Page(), 2);
    EXPECT_EQ(MessageTexts(), QStringList{"You did not create required number of cards (11). Please add 6 cards."});
    Click("BitBtn5");  // Finish checks the count again
    EXPECT_EQ(MessageTexts().last(), "You did not add required number of cards. Please add 6 cards.");
    EXPECT_TRUE(dialogs.titles.filter("save in").isEmpty());

    Add(Bmps(6, 50, 50, "more"));
    GoToPage(4);
    EXPECT_EQ(wizard.Page(), 4);
    EXPECT_FALSE(Get<QPushButton>("BitBtn4")->isEnabled());
    EXPECT_TRUE(Get<QPushButton>("BitBtn5")->isVisible());
}

TEST_F(NewSetTest, ABackgroundOfAnotherSizeIsRefusedAndTheSetGetsTheColour) {
    FitOff();
    dialogs.Pictures({Bmp("bg.bmp", 540, 375)});
    Click("Button1");
    EXPECT_EQ(dialogs.titles, QStringList{"Set background picture..."});
    EXPECT_EQ(MessageTexts(),
              QStringList{"The background image does not have the correct size. Please consult Help file."});
    EXPECT_EQ(Text("Label8"), "Color");
    EXPECT_FALSE(wizard.Draft().BackgroundPicture());

    dialogs.Pictures({});
    Click("Button1");  // cancelled: nothing changes
    EXPECT_EQ(messages.shown.size(), 1u);

    Add(Bmps(11));
    const CardSetContents set = Finish("Plain.cst");
    EXPECT_EQ(set.Payload->Background, BackgroundKind::Colour);
    EXPECT_EQ(set.Payload->BackgroundColour, 0x8000000Fu);
    EXPECT_EQ(set.Prefix.Details.Web, "http://");
    EXPECT_EQ(set.Prefix.Details.Language, "card set language");
}

TEST_F(NewSetTest, AChosenColourReplacesABackgroundPicture) {
    dialogs.Pictures({Bmp("bg.bmp", 540, 374)});
    Click("Button1");
    EXPECT_EQ(Text("Label8"), "Picture");
    ASSERT_TRUE(wizard.Draft().BackgroundPicture());
    dialogs.Colour(QColor(0x12, 0x34, 0x56));
    Click("Button2");
    EXPECT_EQ(Text("Label8"), "Color");
    EXPECT_FALSE(wizard.Draft().BackgroundPicture());
    EXPECT_EQ(wizard.Draft().BackgroundColour(), 0x00563412u);
    Click("Button2");  // cancelled: the colour stays
    EXPECT_EQ(wizard.Draft().BackgroundColour(), 0x00563412u);
}

TEST_F(NewSetTest, FinishWritesTheSetAndLeavesTheWizardFinishedUntilItOpensAgain) {
    Add(Bmps(11));
    GoToPage(3);
    Get<QLineEdit>("Edit1")->setText("Ann");
    Get<QLineEdit>("Edit2")->setText("English");
    GoToPage(4);
    Click("BitBtn5");  // save dialog cancelled
    EXPECT_FALSE(std::filesystem::exists(folder / "Mine.cst"));
    EXPECT_TRUE(Get<QPushButton>("BitBtn5")->isEnabled());
    EXPECT_EQ(dialogs.titles.last(), "save in " + QString::fromStdString(folder.Path().string()));

    const CardSetContents set = Finish("Mine.cst");
    EXPECT_EQ(set.Prefix.CardCount, 11);
    EXPECT_EQ(set.Prefix.Details, (CardSetDetails{"Ann", "", "http://", "", "English"}));
    EXPECT_EQ(set.Payload->CardNames[10], "card110");
    EXPECT_TRUE(Get<QWidget>("Label16")->isVisible());
    EXPECT_EQ(Get<QPushButton>("BitBtn2")->text(), "&Close");
    for (const char* button : {"BitBtn3", "BitBtn4", "BitBtn5"}) EXPECT_FALSE(Get<QPushButton>(button)->isEnabled());
    EXPECT_EQ(progress.shows, 1);
    EXPECT_EQ(progress.closes, 1);
    EXPECT_EQ(progress.positions.back(), 990);

    wizard.hide();
    wizard.show();
    EXPECT_EQ(wizard.Page(), 0);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_FALSE(Get<QWidget>("Label16")->isVisible());
    EXPECT_EQ(Get<QLineEdit>("Edit1")->text(), "");
    EXPECT_EQ(Get<QLineEdit>("Edit2")->text(), "English");
}

TEST_F(NewSetTest, DetailsWindows1252CannotHoldAreRefusedBeforeAnythingIsWritten) {
    Add(Bmps(11));
    Get<QLineEdit>("Edit1")->setText(QString::fromUtf8("\xE6\xBC\xA2"));
    GoToPage(4);
    dialogs.SaveAs(Path("Never.cst"));
    Click("BitBtn5");
    EXPECT_FALSE(std::filesystem::exists(folder / "Never.cst"));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith("The author's name holds characters"));
}

TEST_F(NewSetTest, AFailedWriteIsAnErrorAndTheWizardStaysReady) {
    Add(Bmps(11));
    GoToPage(4);
    dialogs.SaveAs(Path("missing-folder/Set.cst"));
    Click("BitBtn5");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith("Cannot create file")) << messages.shown[0].text.toStdString();
    EXPECT_TRUE(Get<QPushButton>("BitBtn5")->isEnabled());
    EXPECT_EQ(progress.shows, progress.closes);
}

TEST_F(NewSetTest, ASetFromBitmapAndJpegPicturesReadsBackPixelForPixel) {
    // The card back: an 8-bit bitmap, whose colour table becomes the set's palette.
    QImage back(50, 50, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < 256; ++i) table << qRgb(255 - i, i, i / 2);
    back.setColorTable(table);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) back.setPixel(x, y, static_cast<uint>((x * 5 + y) % 256));
    ASSERT_TRUE(back.save(Path("00 back.bmp"), "BMP"));
    QStringList files{Path("00 back.bmp")};
    for (int i = 1; i <= 10; ++i) {
        const std::string name = (i < 10 ? "0" : "") + std::to_string(i) + " face";
        if (i % 2 == 0) {
            files << Bmp(name + ".bmp", 50, 50, static_cast<std::uint32_t>(i));
        } else {
            QImage face(50, 50, QImage::Format_RGB32);
            face.fill(QColor::fromHsv(i * 30, 200, 220));
            ASSERT_TRUE(face.save(Path(name + ".jpg"), "JPG", 90));
            files << Path(name + ".jpg");
        }
    }
    QImage background(540, 374, QImage::Format_RGB32);
    background.fill(Qt::darkGreen);
    ASSERT_TRUE(background.save(Path("felt.jpg"), "JPG", 80));
    dialogs.Pictures({Path("felt.jpg")});
    Click("Button1");
    Add(files);

    const CardSetContents set = Finish("Mixed.cst");
    ASSERT_EQ(set.Payload->CardPictures.size(), 11u);
    for (int i = 0; i < 11; ++i) {
        const Picture decoded = ReadPictureFile(PathOf(files[i]));
        EXPECT_EQ(set.Payload->CardPictures[static_cast<std::size_t>(i)].Pixels, decoded.Pixels) << i;
    }
    EXPECT_EQ(set.Payload->CardNames[1], "01 face");
    for (int i = 0; i < 256; ++i) EXPECT_EQ(set.Payload->Palette[static_cast<std::size_t>(i)], table[i] & 0xFFFFFFu);
    ASSERT_EQ(set.Payload->Background, BackgroundKind::Picture);
    EXPECT_EQ(set.Payload->BackgroundTile.Pixels, ReadPictureFile(folder / "felt.jpg").Pixels);
}
