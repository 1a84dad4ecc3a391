// The wizard with pictures of every format and size: fitting on and off, the card size from the
// first picture, dropped files and folders, and the Please Wait window while large files are read.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QUrl>

#include "CardSetSamples.h"
#include "ScriptedFileDialogs.h"
#include "cardsets/BmpWriter.h"
#include "cardsets/pictures/PictureFile.h"
#include "cardsets/ui/FileDialogs.h"
#include "cardsets/ui/NewSet.h"
#include "cardsets/ui/PathText.h"
#include "settings/PictureFitSettings.h"
#include "tests/support/ScriptedMessages.h"

using namespace velmora;
using velmora::testing::PatternPicture;
using velmora::testing::RecordingProgress;
using velmora::testing::ScratchFolder;

namespace {

// A landscape picture: a red disc in the middle of a blue field, so crops and margins show.
QImage Disc(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 255));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 0, 0));
    const int r = std::min(width, height) / 3;
    painter.drawEllipse(QPoint(width / 2, height / 2), r, r);
    return image;
}

class NewSetPicturesTest : public ::testing::Test {
protected:
    void SetUp() override { wizard.show(); }

    template <typename T>
    T* Get(const char* name) {
        T* widget = wizard.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    QListWidget* List() { return Get<QListWidget>("ListView1"); }
    QString Path(const std::string& name) { return QString::fromStdString((folder / name).string()); }
    QString Save(const QImage& image, const std::string& name, const char* format) {
        EXPECT_TRUE(image.save(Path(name), format)) << name;
        return Path(name);
    }
    QStringList MessageTexts() const {
        QStringList texts;
        for (const auto& shown : messages.shown) texts << shown.text;
        return texts;
    }
    // A batch of seven formats and sizes, one of them (the bitmap) of the card size.
    QStringList MixedBatch() {
        QFile svg(Path("e drawing.svg"));
        EXPECT_TRUE(svg.open(QIODevice::WriteOnly));
        svg.write("<svg xmlns='http://www.w3.org/2000/svg' width='300' height='150'><rect width='300' height='150' "
                  "fill='#00ff00'/></svg>");
        svg.close();
        WriteBmp24(folder / "a exact.bmp", PatternPicture(50, 50, 3));
        return {Path("a exact.bmp"), Save(Disc(640, 480), "b photo.jpg", "JPG"), Save(Disc(200, 100), "c wide.png", "PNG"),
                Save(Disc(30, 60), "d tall.webp", "WEBP"), Path("e drawing.svg"), Save(Disc(90, 90), "f square.tiff", "TIFF"),
                Save(Disc(20, 10), "g small.ppm", "PPM")};
    }
    void Drop(QWidget* target, const QList<QUrl>& urls) {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QApplication::processEvents();
    }
    QUrl Url(const std::string& name) { return QUrl::fromLocalFile(Path(name)); }

    ScratchFolder folder;
    RecordingProgress progress;
    fakes::ScriptedMessages messages;
    fakes::ScriptedFileDialogs dialogs;
    NewSet wizard{folder.Path(), progress};
};

}  // namespace

TEST_F(NewSetPicturesTest, AMixedBatchIsCroppedToTheCardsByDefault) {
    EXPECT_TRUE(Get<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>("RadioButton1")->isChecked());
    const QStringList batch = MixedBatch();
    dialogs.Pictures(batch);
    Get<QPushButton>("BitBtn6")->click();
    EXPECT_TRUE(messages.shown.empty()) << MessageTexts().join("\n").toStdString();
    ASSERT_EQ(wizard.Draft().CardCount(), 7);
    EXPECT_EQ(Get<QLabel>("Label12")->text(), "7/11");
    for (const DraftCard& card : wizard.Draft().Cards()) {
        EXPECT_EQ(card.Image.Width, 50) << card.Name;
        EXPECT_EQ(card.Image.Height, 50) << card.Name;
    }
    // The picture of the card size is taken as it is; the photo's disc fills its middle, blue around.
    EXPECT_EQ(wizard.Draft().Cards()[0].Image.Pixels, PatternPicture(50, 50, 3).Pixels);
    const Picture& photo = wizard.Draft().Cards()[1].Image;
    EXPECT_GT(photo.At(25, 25) >> 16 & 0xFF, 200u);
    EXPECT_GT(photo.At(1, 1) & 0xFF, 200u);
    EXPECT_EQ(wizard.Draft().Cards()[4].Image.At(0, 0), 0x00FF00u);  // the drawing covers the card
    EXPECT_EQ(wizard.Draft().Cards()[2].Name, "c wide");
}

TEST_F(NewSetPicturesTest, WithoutFittingTheSizeErrorEndsTheBatchAsBefore) {
    Get<QCheckBox>("CheckBox2")->setChecked(false);
    EXPECT_FALSE(Get<QRadioButton>("RadioButton1")->isEnabled());
    const QStringList batch = MixedBatch();
    Save(Disc(50, 50), "h exact.png", "PNG");
    dialogs.Pictures({batch[0], Path("h exact.png"), batch[2], batch[3]});
    Get<QPushButton>("BitBtn6")->click();
    EXPECT_EQ(wizard.Draft().CardCount(), 2);
    EXPECT_EQ(MessageTexts(),
              QStringList{"The image " + batch[2] + " does not have correct size. Please consult Help file."});

    dialogs.Pictures({Save(Disc(540, 375), "bg.png", "PNG")});
    Get<QPushButton>("Button1")->click();
    EXPECT_FALSE(wizard.Draft().BackgroundPicture());
    EXPECT_EQ(MessageTexts().last(), "The background image does not have the correct size. Please consult Help file.");
}

TEST_F(NewSetPicturesTest, APictureDeclaringAnEnormousSizeEndsTheBatchWithItsName) {
    const QStringList batch = MixedBatch();
    QFile vast(Path("vast.ppm"));
    ASSERT_TRUE(vast.open(QIODevice::WriteOnly));
    vast.write("P6\n20000 20000\n255\n");
    vast.close();
    dialogs.Pictures({batch[0], Path("vast.ppm"), batch[2]});
    Get<QPushButton>("BitBtn6")->click();
    EXPECT_EQ(wizard.Draft().CardCount(), 1);
    EXPECT_EQ(MessageTexts(), QStringList{"The picture " + Path("vast.ppm") + " is too large to be read (20000 x 20000 pixels)"});
}

TEST_F(NewSetPicturesTest, FitPutsTheBackgroundColourInTheMargins) {
    dialogs.Colour(QColor(0x10, 0x80, 0x20));
    Get<QPushButton>("Button2")->click();
    Get<QRadioButton>("RadioButton2")->setChecked(true);
    dialogs.Pictures({Save(Disc(200, 100), "wide.png", "PNG")});
    Get<QPushButton>("BitBtn6")->click();
    ASSERT_EQ(wizard.Draft().CardCount(), 1);
    const Picture& card = wizard.Draft().Cards()[0].Image;
    EXPECT_EQ(card.At(25, 2), 0x108020u);   // above the 50 x 25 picture
    EXPECT_EQ(card.At(25, 47), 0x108020u);  // below it
    EXPECT_GT(card.At(25, 25) >> 16 & 0xFF, 200u);
    EXPECT_GT(card.At(1, 25) & 0xFF, 200u);
}

TEST_F(NewSetPicturesTest, TheOptionsAreKeptInTheirOwnSection) {
    Get<QCheckBox>("CheckBox2")->setChecked(false);
    Get<QRadioButton>("RadioButton2")->setChecked(true);
    Get<QCheckBox>("CheckBox1")->setChecked(true);
    const PictureFitSettings kept = PictureFitSettings::Read(folder.Path());
    EXPECT_FALSE(kept.FitOn);
    EXPECT_EQ(kept.Mode, FitMode::Fit);
    EXPECT_TRUE(kept.SizeFromFirstPicture);
    const std::string ini = velmora::testing::ReadText(folder / "velmora.ini");
    EXPECT_EQ(ini.find("[inivalues]"), std::string::npos);
    wizard.hide();
    wizard.show();
    EXPECT_FALSE(Get<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_TRUE(Get<QRadioButton>("RadioButton2")->isChecked());
    EXPECT_TRUE(Get<QCheckBox>("CheckBox1")->isChecked());
}

TEST_F(NewSetPicturesTest, TheFirstPictureCanSetTheCardSize) {
    Get<QComboBox>("ComboBox1")->setCurrentIndex(3);  // Fanatic, 54 x 37 at most
    Get<QCheckBox>("CheckBox1")->setChecked(true);
    dialogs.Pictures({Save(Disc(400, 300), "first.png", "PNG"), Save(Disc(300, 400), "second.png", "PNG")});
    Get<QPushButton>("BitBtn6")->click();
    EXPECT_EQ(wizard.Draft().CardWidth(), 49);
    EXPECT_EQ(wizard.Draft().CardHeight(), 37);
    EXPECT_EQ(Get<QSlider>("TrackBar1")->value(), 49);
    EXPECT_EQ(Get<QLabel>("Label5")->text(), "37");
    ASSERT_EQ(wizard.Draft().CardCount(), 2);
    EXPECT_EQ(wizard.Draft().Cards()[1].Image.Width, 49);
}

TEST_F(NewSetPicturesTest, DroppedFilesAndFoldersAreAddedInOrder) {
    Save(Disc(80, 80), "zebra.png", "PNG");
    Save(Disc(60, 40), "yak.jpg", "JPG");
    Drop(List()->viewport(), {Url("zebra.png"), Url("yak.jpg")});
    ASSERT_EQ(wizard.Draft().CardCount(), 2);
    EXPECT_EQ(wizard.Draft().Cards()[0].Name, "zebra");
    EXPECT_EQ(wizard.Draft().Cards()[1].Name, "yak");

    std::filesystem::create_directory(folder / "album");
    Save(Disc(70, 50), "album/Cat.png", "PNG");
    WriteBmp24(folder / "album" / "ant.bmp", PatternPicture(50, 50, 9));
    Save(Disc(50, 90), "album/bee.tif", "TIFF");
    folder.WriteFile("album/notes.txt", {'h', 'i'});
    Drop(List()->viewport(), {Url("album")});
    EXPECT_TRUE(messages.shown.empty()) << MessageTexts().join("\n").toStdString();
    ASSERT_EQ(wizard.Draft().CardCount(), 5);
    EXPECT_EQ(wizard.Draft().Cards()[2].Name, "ant");
    EXPECT_EQ(wizard.Draft().Cards()[3].Name, "bee");
    EXPECT_EQ(wizard.Draft().Cards()[4].Name, "Cat");
    EXPECT_EQ(Get<QLabel>("Label12")->text(), "5/11");
}

TEST_F(NewSetPicturesTest, APictureDroppedOnThePreviewIsCroppedToTheBackground) {
    Drop(Get<QScrollArea>("ScrollBox1")->viewport(), {QUrl::fromLocalFile(Save(Disc(800, 600), "felt.png", "PNG"))});
    ASSERT_TRUE(wizard.Draft().BackgroundPicture());
    EXPECT_EQ(wizard.Draft().BackgroundPicture()->Width, 540);
    EXPECT_EQ(wizard.Draft().BackgroundPicture()->Height, 374);
    EXPECT_EQ(Get<QLabel>("Label8")->text(), "Picture");
    EXPECT_EQ(wizard.Draft().CardCount(), 0);
}

TEST_F(NewSetPicturesTest, ThePleaseWaitWindowAdvancesOncePerLargePicture) {
    QStringList batch;
    for (int i = 0; i < 3; ++i) {
        WriteBmp24(folder / ("big" + std::to_string(i) + ".bmp"), PatternPicture(1000, 1000, static_cast<std::uint32_t>(i)));
        batch << Path("big" + std::to_string(i) + ".bmp");
    }
    dialogs.Pictures(batch);
    Get<QPushButton>("BitBtn6")->click();
    EXPECT_EQ(wizard.Draft().CardCount(), 3);
    EXPECT_EQ(progress.shows, 1);
    EXPECT_EQ(progress.closes, 1);
    EXPECT_EQ(progress.positions, (std::vector<int>{333, 666, 999}));

    dialogs.Pictures({Save(Disc(50, 50), "small.png", "PNG")});
    Get<QPushButton>("BitBtn6")->click();
    EXPECT_EQ(progress.shows, 1);  // a small batch reads without it
}

TEST(PictureDialog, OffersEveryReadablePictureFirst) {
    const QString filter = PictureDialogFilter();
    EXPECT_TRUE(filter.startsWith("All pictures (*.bmp *.BMP ")) << filter.toStdString();
    for (const char* pattern : {"*.png", "*.gif", "*.webp", "*.tif", "*.tiff", "*.ppm", "*.pgm", "*.svg", "*.jpg", "*.JPEG"})
        EXPECT_TRUE(filter.section(";;", 0, 0).contains(pattern)) << pattern;
    const QStringList filters = filter.split(";;");
    ASSERT_EQ(filters.size(), 4);
    EXPECT_TRUE(filters[1].startsWith("Pictures ("));
    EXPECT_TRUE(filters[2].startsWith("Bitmaps ("));
    EXPECT_TRUE(filters[3].startsWith("Jpeg images ("));
}
