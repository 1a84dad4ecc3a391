#pragma once
// The standard dialogs of the card-set windows: the picture dialog, the save dialog and the colour
// dialog. Tests install a scripted implementation that answers them.

#include <QColor>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace velmora {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen existing .bmp/.jpg files, in the dialog's order; empty when cancelled.
    virtual QStringList OpenPictures(QWidget* parent, const QString& title) = 0;
    // The file to write, with the extension "cst" added when none was typed; empty when cancelled.
    // The dialog has asked before an existing file is replaced.
    virtual QString SaveCardSet(QWidget* parent, const QString& folder) = 0;
    virtual std::optional<QColor> ChooseColour(QWidget* parent, const QColor& initial) = 0;

    // The implementation in use: the real dialogs unless another one was installed.
    static FileDialogs& Current();
    // Installs an implementation (not owned); nullptr restores the real dialogs.
    static void Install(FileDialogs* dialogs);
};

// The three picture filters, ";;" between them: pictures, bitmaps, JPEG images. Each names the
// extensions the reader takes, in both letter cases, since the file system here tells cases apart.
QString PictureFilter();

// The dialog's filters: "All pictures (...)" with every readable extension first, then the three above.
QString PictureDialogFilter();

}  // namespace velmora
