// The wizard's handling of pictures that are not of the card size: the options that fit them, the
// card size taken from the first picture, pictures dropped on the card list or the background
// preview, and the Please Wait window while a batch of large files is read.

#include <QCheckBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QRadioButton>
#include <QScrollArea>
#include <QUrl>

#include "cardsets/FileNames.h"
#include "cardsets/SystemColours.h"
#include "cardsets/pictures/PictureFile.h"
#include "cardsets/ui/NewSet.h"
#include "cardsets/ui/PathText.h"
#include "widgets/CommandGuard.h"
#include "widgets/WindowParts.h"
#include "widgets/Translation.h"

namespace velmora {

namespace {

// Below this much data a batch reads in a blink, and a Please Wait window would only flicker.
constexpr qint64 kProgressBytes = 2 * 1024 * 1024;

// A caption that wraps beside its check box and ticks it when clicked, as the box's own text would.
class CheckCaption : public QLabel {
public:
    CheckCaption(QWidget* parent, QCheckBox* box, const QString& text, QRect geometry) : QLabel(text, parent), box_(box) {
        setWordWrap(true);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setGeometry(geometry);
        box->setAccessibleName(text);
    }

protected:
    void mouseReleaseEvent(QMouseEvent*) override {
        if (box_->isEnabled()) box_->click();
    }

private:
    QCheckBox* box_;
};

QCheckBox* MakeCheck(QWidget* parent, const char* name, Tr caption, QRect geometry) {
    auto* box = new QCheckBox(parent);
    box->setObjectName(name);
    box->setGeometry(geometry.x(), geometry.y(), 18, 20);
    SetText(new CheckCaption(parent, box, Translated(caption), geometry.adjusted(20, 2, 0, 0)), "text", caption);
    SetText(box, "accessibleName", caption);
    return box;
}

// The dropped files in their order, each folder replaced by its picture files in name order.
QStringList DroppedPictures(const QList<QUrl>& urls) {
    QStringList files;
    for (const QUrl& url : urls) {
        if (!url.isLocalFile()) continue;
        const QString path = url.toLocalFile();
        if (!QFileInfo(path).isDir()) {
            files << path;
            continue;
        }
        for (const std::string& name : FileNamesIn(PathOf(path)))
            if (IsReadablePictureName(name)) files << QDir(path).filePath(TextOf(name));
    }
    return files;
}

}  // namespace

void NewSet::BuildFirstSizeOption(QGroupBox* sizeGroup) {
    firstSizeCheck_ = MakeCheck(sizeGroup, "CheckBox1", VELMORA_TR("NewCardSet", "Card size from the first picture"), {212, 176, 176, 40});
    SetText(firstSizeCheck_, "toolTip", VELMORA_TR("NewCardSet", "The first card added sets the largest card size of this format with its aspect ratio."));
    connect(firstSizeCheck_, &QCheckBox::toggled, this, [this] { FitOptionsChanged(); });
}

void NewSet::BuildFitOptions(QWidget* cardsPage) {
    fitCheck_ = MakeCheck(cardsPage, "CheckBox2", VELMORA_TR("NewCardSet", "Fit pictures of other sizes to the cards"), {8, 198, 134, 50});
    cropRadio_ = WithText(new QRadioButton(cardsPage), VELMORA_TR("NewCardSet", "Crop"));
    cropRadio_->setObjectName("RadioButton1");
    cropRadio_->setGeometry(28, 250, 110, 20);
    SetText(cropRadio_, "toolTip", VELMORA_TR("NewCardSet", "Scale to cover the card, centred; what lies beyond the card is cut off."));
    fitRadio_ = WithText(new QRadioButton(cardsPage), VELMORA_TR("NewCardSet", "Fit"));
    fitRadio_->setObjectName("RadioButton2");
    fitRadio_->setGeometry(28, 272, 110, 20);
    SetText(fitRadio_, "toolTip", VELMORA_TR("NewCardSet", "Scale to lie inside the card, centred, on the background colour."));
    for (QWidget* target : {static_cast<QWidget*>(cardList_->viewport()), static_cast<QWidget*>(backgroundBox_->viewport())}) {
        target->setAcceptDrops(true);
        target->installEventFilter(this);
    }
    connect(fitCheck_, &QCheckBox::toggled, this, [this] { FitOptionsChanged(); });
    connect(cropRadio_, &QRadioButton::toggled, this, [this] { FitOptionsChanged(); });
}

void NewSet::ShowFitOptions() {
    const QSignalBlocker blockFirst(firstSizeCheck_);
    const QSignalBlocker blockFit(fitCheck_);
    const QSignalBlocker blockCrop(cropRadio_);
    const QSignalBlocker blockFitMode(fitRadio_);
    firstSizeCheck_->setChecked(fit_.SizeFromFirstPicture);
    fitCheck_->setChecked(fit_.FitOn);
    (fit_.Mode == FitMode::Fit ? fitRadio_ : cropRadio_)->setChecked(true);
    cropRadio_->setEnabled(fit_.FitOn);
    fitRadio_->setEnabled(fit_.FitOn);
}

void NewSet::FitOptionsChanged() {
    fit_.SizeFromFirstPicture = firstSizeCheck_->isChecked();
    fit_.FitOn = fitCheck_->isChecked();
    fit_.Mode = fitRadio_->isChecked() ? FitMode::Fit : FitMode::Crop;
    cropRadio_->setEnabled(fit_.FitOn);
    fitRadio_->setEnabled(fit_.FitOn);
    RunGuarded(this, [this] { fit_.Write(settingsFolder_); });
}

CardTarget NewSet::CardTargetNow() const {
    return {{draft_.CardWidth(), draft_.CardHeight()}, fit_.Effective(), ResolveColour(draft_.BackgroundColour())};
}

Picture NewSet::ReadCard(const QString& path) {
    if (!fit_.SizeFromFirstPicture || draft_.CardCount() != 0) return ReadCardPictureFile(PathOf(path), CardTargetNow());
    Picture whole = ReadPictureFile(PathOf(path));
    const CardSetFormat& format = draft_.FormatInfo();
    // Without fitting, a picture the format can hold is the card size itself.
    const bool held = whole.Width <= format.MaxCardWidth && whole.Height <= format.MaxCardHeight;
    const PictureSize size = !fit_.FitOn && held ? PictureSize{whole.Width, whole.Height}
                                                 : LargestCardFor(format, {whole.Width, whole.Height});
    if (draft_.SetCardSize(size.Width, size.Height)) {
        ShowSize();
        ShowCards();
    }
    const CardTarget card = CardTargetNow();
    return FitPicture(whole, card.Size, card.Mode, card.Margin);
}

void NewSet::AddFiles(const QStringList& files) {
    qint64 bytes = 0;
    for (const QString& file : files) bytes += QFileInfo(file).size();
    ProgressSession session(bytes >= kProgressBytes ? &progress_ : nullptr);
    session.Show();
    session.SetStepFor(static_cast<std::int32_t>(files.size()));
    // The counter follows every card added, however the batch ends.
    try {
        for (const QString& file : files) {
            session.StepIt();
            session.ProcessEvents();
            if (!AddCardFile(file)) break;
        }
    } catch (...) {
        ShowCounter();
        throw;
    }
    session.Close();
    ShowCounter();
}

bool NewSet::HandleDrop(QObject* watched, QEvent* event) {
    const bool onCards = cardList_ != nullptr && watched == cardList_->viewport();
    const bool onBackground = backgroundBox_ != nullptr && watched == backgroundBox_->viewport();
    if (!onCards && !onBackground) return false;
    if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (!drag->mimeData()->hasUrls()) return false;
        drag->acceptProposedAction();
        return true;
    }
    if (event->type() != QEvent::Drop) return false;
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList files = DroppedPictures(drop->mimeData()->urls());
    drop->acceptProposedAction();
    if (files.isEmpty()) return true;
    // After the drop has ended, so that no message box holds up the program the files came from.
    QMetaObject::invokeMethod(
        this,
        [this, files, onCards] {
            RunGuarded(this, [&] {
                if (onCards)
                    AddFiles(files);
                else
                    TakeBackgroundFile(files.front());
            });
        },
        Qt::QueuedConnection);
    return true;
}

}  // namespace velmora
