#include "cardsets/ui/NewSet.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>

#include "cardsets/CardSetWriter.h"
#include "cardsets/SystemColours.h"
#include "cardsets/pictures/PictureFile.h"
#include "cardsets/pictures/PictureImage.h"
#include "cardsets/ui/CardSizeShape.h"
#include "cardsets/ui/FileDialogs.h"
#include "cardsets/ui/PathText.h"
#include "widgets/AnsiText.h"
#include "widgets/CommandGuard.h"
#include "widgets/Messages.h"
#include "widgets/Translation.h"

namespace velmora {

namespace {

constexpr int kLastPage = 4;
constexpr int kCardsPage = 2;
constexpr int kSliderSlack = 16;
constexpr int kSliderThickness = 30;

QString Number(std::int32_t n) { return QString::number(n); }

QString UnstorableText(Tr sentence, const QString& what) { return Translated(sentence).arg(what); }

QImage Thumbnail(const Picture& card) {
    return ToImage(card).scaled(NewSet::ThumbnailSide, NewSet::ThumbnailSide, Qt::IgnoreAspectRatio,
                                Qt::SmoothTransformation);
}

QListWidgetItem* CardItem(const DraftCard& card) {
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(Thumbnail(card.Image))), FromAnsi(card.Name));
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

}  // namespace

NewSet::NewSet(std::filesystem::path saveFolder, std::filesystem::path settingsFolder, CardSetProgress& progress,
               QWidget* parent, HelpHook help)
    : QDialog(parent),
      saveFolder_(std::move(saveFolder)),
      settingsFolder_(std::move(settingsFolder)),
      progress_(progress),
      help_(std::move(help)) {
    setObjectName("TForm3");
    SetText(this, "windowTitle", VELMORA_TR("NewCardSet", "Create New Velmora Set"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(ClientWidth, ClientHeight);
    BuildButtons();
    BuildSizePage();
    BuildBackgroundPage();
    BuildCardsPage();
    BuildInfoPage();
    BuildFinishPage();
    FormShow();
}

int NewSet::Page() const { return pages_->currentIndex(); }

void NewSet::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::LanguageChange) return;
    PlaceCardButtons();
    PlaceCaptionedButtons();
    PlaceInfoFields();
}

void NewSet::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window brought back from the task bar is not opened afresh.
    if (!event->spontaneous()) RunGuarded(this, [this] { FormShow(); });
}

void NewSet::FormShow() {
    draft_.Reset();
    fit_ = PictureFitSettings::Read(settingsFolder_);
    ShowFitOptions();
    {
        const QSignalBlocker blocker(formatList_);
        formatList_->setCurrentIndex(0);
    }
    ShowSize();
    GoTo(0);
    finishButton_->setEnabled(true);
    congratulationsText_->hide();
    readyText_->show();
    SetText(cancelButton_, "text", VELMORA_TR("NewCardSet", "&Cancel"));
    author_->clear();
    email_->clear();
    notes_->clear();
    web_->setText(FromAnsi(draft_.Details.Web));
    ShowBackground();
    ShowCards();
    SetText(instruction_, "text", draft_.Instruction());
    ShowCounter();
}

bool NewSet::eventFilter(QObject* watched, QEvent* event) {
    if (HandleDrop(watched, event)) return true;
    if (watched == pages_->tabBar()) {
        if (event->type() == QEvent::Wheel) return true;
        if (event->type() == QEvent::MouseButtonPress) {
            const int tab = pages_->tabBar()->tabAt(static_cast<QMouseEvent*>(event)->position().toPoint());
            if (tab < 0 || tab == pages_->currentIndex()) return true;
            ShowError(this, Translated(VELMORA_TR("NewCardSet", "Please use Back or Next buttons at the bottom of this window.")));
            return true;
        }
    }
    if (watched == pages_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool pageKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                             key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
        if (pageKey && (key->modifiers() & Qt::ControlModifier)) return true;
    }
    return QDialog::eventFilter(watched, event);
}

// --- Page 1: format and card size

void NewSet::FormatChanged(int index) {
    RunGuarded(this, [this, index] {
        const bool removed = draft_.SetFormat(static_cast<std::size_t>(std::max(index, 0)));
        ShowSize();
        SetText(instruction_, "text", draft_.Instruction());
        if (removed) ShowCards();
        ShowCounter();
    });
}

void NewSet::SizeChanged() {
    RunGuarded(this, [this] {
        if (!draft_.SetCardSize(widthSlider_->value(), heightSlider_->value())) return;
        ShowSize();
        ShowCards();
        ShowCounter();
    });
}

void NewSet::ShowSize() {
    const CardSetFormat& format = draft_.FormatInfo();
    {
        const QSignalBlocker blockWidth(widthSlider_);
        const QSignalBlocker blockHeight(heightSlider_);
        widthSlider_->setRange(1, format.MaxCardWidth);
        widthSlider_->setValue(draft_.CardWidth());
        heightSlider_->setRange(1, format.MaxCardHeight);
        heightSlider_->setValue(draft_.CardHeight());
    }
    widthSlider_->resize(format.MaxCardWidth + kSliderSlack, kSliderThickness);
    heightSlider_->resize(kSliderThickness, format.MaxCardHeight + kSliderSlack);
    widthNumber_->move(widthSlider_->geometry().right() + 6, widthNumber_->y());
    widthNumber_->setText(Number(draft_.CardWidth()));
    heightNumber_->move(heightSlider_->x(), heightSlider_->geometry().bottom() + 4);
    heightNumber_->setText(Number(draft_.CardHeight()));
    sizeShape_->SetCardSize(QSize(draft_.CardWidth(), draft_.CardHeight()));
}

// --- Page 2: background

void NewSet::SelectBitmapClick() {
    const QStringList files = FileDialogs::Current().OpenPictures(this, Translated(VELMORA_TR("NewCardSet", "Set background picture...")));
    if (!files.isEmpty()) TakeBackgroundFile(files.front());
}

void NewSet::TakeBackgroundFile(const QString& path) {
    Picture picture = fit_.FitOn ? ReadCardPictureFile(PathOf(path), {{BackgroundPictureWidth, BackgroundPictureHeight}, FitMode::Crop, 0})
                                 : ReadPictureFile(PathOf(path));
    backgroundImage_->setPixmap(QPixmap::fromImage(ToImage(picture)));
    backgroundImage_->adjustSize();
    const bool taken = draft_.SetBackgroundPicture(std::move(picture));
    if (!taken) ShowError(this, Translated(VELMORA_TR("NewCardSet", "The background image does not have the correct size. Please consult Help file.")));
    ShowBackground();
}

void NewSet::SelectColorClick() {
    const QColor initial = QColor::fromRgb(ResolveColour(draft_.BackgroundColour()));
    const std::optional<QColor> colour = FileDialogs::Current().ChooseColour(this, initial);
    if (!colour) return;
    const auto stored = static_cast<std::uint32_t>(colour->blue()) << 16 |
                        static_cast<std::uint32_t>(colour->green()) << 8 | static_cast<std::uint32_t>(colour->red());
    draft_.SetBackgroundColour(stored);
    ShowBackground();
}

void NewSet::ShowBackground() {
    const auto& picture = draft_.BackgroundPicture();
    SetText(backgroundLabel_, "text", picture ? VELMORA_TR("NewCardSet", "Picture") : VELMORA_TR("NewCardSet", "Color"));
    backgroundImage_->setPixmap(picture ? QPixmap::fromImage(ToImage(*picture)) : QPixmap());
    backgroundImage_->adjustSize();
    QPalette palette = backgroundBox_->viewport()->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(ResolveColour(draft_.BackgroundColour())));
    backgroundBox_->viewport()->setPalette(palette);
    backgroundBox_->viewport()->setAutoFillBackground(true);
}

// --- Page 3: cards

void NewSet::AddClick() {
    const QStringList files = FileDialogs::Current().OpenPictures(this, Translated(VELMORA_TR("NewCardSet", "Add new card...")));
    if (!files.isEmpty()) AddFiles(files);
}

bool NewSet::AddCardFile(const QString& path) {
    if (draft_.Full()) {
        ShowWarning(this, Translated(VELMORA_TR("NewCardSet", "Maximum number of cards reached. You may change the "
                                                              "format of Velmora set if you wish to add more cards.")));
        return false;
    }
    const std::optional<std::string> fileName = ToAnsi(QFileInfo(path).fileName());
    if (!fileName) {
        ShowError(this, UnstorableText(VELMORA_TR("NewCardSet", "The name of the file %1 holds characters that a Velmora set cannot store. Please use other characters."), path));
        return false;
    }
    Picture picture = ReadCard(path);
    if (!draft_.Fits(picture)) {
        ShowError(this, Translated(VELMORA_TR("NewCardSet", "The image %1 does not have correct size. Please consult Help file.")).arg(path));
        return false;
    }
    draft_.AddCard(CardNameFromFile(*fileName), std::move(picture));
    const QSignalBlocker blocker(cardList_);
    cardList_->addItem(CardItem(draft_.Cards().back()));
    selectedImage_->setPixmap(QPixmap::fromImage(ToImage(draft_.Cards().back().Image)));
    selectedImage_->adjustSize();
    return true;
}

void NewSet::RenameClick() {
    const QList<QListWidgetItem*> selected = cardList_->selectedItems();
    if (selected.isEmpty()) {
        ShowError(this, Translated(VELMORA_TR("NewCardSet", "No card selected !")));
        return;
    }
    QListWidgetItem* item = cardList_->currentItem();
    cardList_->editItem(item != nullptr && item->isSelected() ? item : selected.front());
}

void NewSet::CardRenamed(QListWidgetItem* item) {
    const int row = cardList_->row(item);
    if (row < 0 || row >= draft_.CardCount()) return;
    const auto index = static_cast<std::size_t>(row);
    const std::optional<std::string> name = ToAnsi(item->text());
    if (name)
        draft_.RenameCard(index, *name);
    else
        ShowError(this, UnstorableText(VELMORA_TR("NewCardSet", "The name %1 holds characters that a Velmora set cannot store. Please use other characters."), item->text()));
    const QSignalBlocker blocker(cardList_);
    item->setText(FromAnsi(draft_.Cards()[index].Name));
}

void NewSet::ClearClick() {
    const QModelIndexList selected = cardList_->selectionModel()->selectedIndexes();
    if (selected.isEmpty()) {
        ShowError(this, Translated(VELMORA_TR("NewCardSet", "No card selected !")));
        return;
    }
    if (!AskYesNo(this, Translated(VELMORA_TR("NewCardSet", "Are you sure you want to proceed?")))) return;
    std::vector<std::size_t> rows;
    for (const QModelIndex& index : selected) rows.push_back(static_cast<std::size_t>(index.row()));
    draft_.RemoveCards(rows);
    ShowCards();
    ShowCounter();
}

void NewSet::ClearAllClick() {
    if (draft_.Cards().empty()) {
        ShowError(this, Translated(VELMORA_TR("NewCardSet", "No cards available...")));
        return;
    }
    if (!AskYesNo(this, Translated(VELMORA_TR("NewCardSet", "This will erase all cards in your Velmora card set! Are you sure you want to proceed?"))))
        return;
    draft_.ClearCards();
    ShowCards();
    ShowCounter();
}

void NewSet::ShowSelectedCard() {
    const int row = cardList_->currentRow();
    if (row >= 0 && row < draft_.CardCount())
        selectedImage_->setPixmap(QPixmap::fromImage(ToImage(draft_.Cards()[static_cast<std::size_t>(row)].Image)));
    else
        selectedImage_->setPixmap(QPixmap());
    selectedImage_->adjustSize();
}

void NewSet::ShowCards() {
    {
        const QSignalBlocker blocker(cardList_);
        cardList_->clear();
        for (const DraftCard& card : draft_.Cards()) cardList_->addItem(CardItem(card));
    }
    selectedImage_->setPixmap(QPixmap());
    selectedImage_->adjustSize();
}

void NewSet::ShowCounter() { counter_->setText(FromAnsi(draft_.Counter())); }

// --- Moving between pages and finishing

void NewSet::GoTo(int page) {
    pages_->setCurrentIndex(page);
    backButton_->setEnabled(page != 0);
    nextButton_->setEnabled(page != kLastPage);
    // Finish stands where Next is.
    nextButton_->setVisible(page != kLastPage);
    finishButton_->setVisible(page == kLastPage);
}

void NewSet::NextClick() {
    if (Page() == kCardsPage && draft_.MissingCards() != 0) {
        ShowError(this, Translated(VELMORA_TR("NewCardSet", "You did not create required number of cards (%1). Please "
                                                            "add %2 cards."))
                            .arg(Number(draft_.RequiredCount()), Number(draft_.MissingCards())));
        return;
    }
    if (Page() < kLastPage) GoTo(Page() + 1);
}

void NewSet::BackClick() {
    if (Page() > 0) GoTo(Page() - 1);
}

bool NewSet::TakeDetails() {
    const std::pair<QLineEdit*, Tr> fields[] = {
        {author_, VELMORA_TR("NewCardSet", "The author's name holds characters that a Velmora set cannot store. Please use other characters.")},
        {email_, VELMORA_TR("NewCardSet", "The e-mail address holds characters that a Velmora set cannot store. Please use other characters.")},
        {web_, VELMORA_TR("NewCardSet", "The web address holds characters that a Velmora set cannot store. Please use other characters.")},
        {notes_, VELMORA_TR("NewCardSet", "The notes holds characters that a Velmora set cannot store. Please use other characters.")},
        {language_, VELMORA_TR("NewCardSet", "The language holds characters that a Velmora set cannot store. Please use other characters.")},
    };
    std::string* targets[] = {&draft_.Details.Author, &draft_.Details.Email, &draft_.Details.Web,
                              &draft_.Details.Notes, &draft_.Details.Language};
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        const std::optional<std::string> text = ToAnsi(fields[i].first->text());
        if (!text) {
            ShowError(this, Translated(fields[i].second));
            return false;
        }
        *targets[i] = CutToTextLength(*text);
    }
    return true;
}

void NewSet::FinishClick() {
    if (draft_.MissingCards() != 0) {
        ShowError(this, Translated(VELMORA_TR("NewCardSet", "You did not add required number of cards. Please add %1 cards."))
                            .arg(Number(draft_.MissingCards())));
        return;
    }
    if (!TakeDetails()) return;
    const QString file = FileDialogs::Current().SaveCardSet(this, TextOf(saveFolder_));
    if (file.isEmpty()) return;
    WriteCardSet(PathOf(file), draft_.Describe(), &progress_);
    readyText_->hide();
    congratulationsText_->show();
    SetText(cancelButton_, "text", VELMORA_TR("NewCardSet", "&Close"));
    nextButton_->setEnabled(false);
    backButton_->setEnabled(false);
    finishButton_->setEnabled(false);
}

}  // namespace velmora
