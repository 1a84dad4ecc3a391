#include "cardsets/ui/FileDialogs.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>

#include "cardsets/pictures/CardPictureFile.h"
#include "widgets/Translation.h"

namespace velmora {

namespace {

constexpr Tr kPictureFilter = VELMORA_TR("NewCardSet",
    "Pictures (*.bmp *.jpg *.jpeg *.BMP *.JPG *.JPEG);;Bitmaps (*.bmp *.BMP);;"
    "Jpeg images (*.jpg *.jpeg *.JPG *.JPEG)");
constexpr Tr kCardSetFilter = VELMORA_TR("NewCardSet", "Card-set file (*.cst)");

// Every extension the picture readers take, before the bitmap and JPEG filters.
QString AllPicturesFilter() {
    QStringList patterns;
    for (const std::string& extension : ReadablePictureExtensions()) {
        const QString lower = QString::fromStdString(extension);
        patterns << "*." + lower << "*." + lower.toUpper();
    }
    return Translated(VELMORA_TR("NewCardSet", "All pictures (%1)")).arg(patterns.join(' '));
}

class StandardDialogs : public FileDialogs {
public:
    QStringList OpenPictures(QWidget* parent, const QString& title) override {
        return QFileDialog::getOpenFileNames(parent, title, QDir::currentPath(), PictureDialogFilter());
    }

    QString SaveCardSet(QWidget* parent, const QString& folder) override {
        QFileDialog dialog(parent, Translated(VELMORA_TR("NewCardSet", "Save new card-set as...")), folder,
                           Translated(kCardSetFilter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix("cst");
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().front();
    }

    std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) override {
        const QColor colour = QColorDialog::getColor(initial, parent);
        if (!colour.isValid()) return std::nullopt;
        return colour;
    }
};

StandardDialogs standardDialogs;
FileDialogs* installed = nullptr;

}  // namespace

QString PictureFilter() { return Translated(kPictureFilter); }

QString PictureDialogFilter() { return AllPicturesFilter() + ";;" + Translated(kPictureFilter); }

FileDialogs& FileDialogs::Current() { return installed != nullptr ? *installed : standardDialogs; }

void FileDialogs::Install(FileDialogs* dialogs) { installed = dialogs; }

}  // namespace velmora
