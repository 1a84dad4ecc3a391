#include "cardsets/ui/Preview.h"

#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include "cardsets/CardSetFormats.h"
#include "cardsets/FileNames.h"
#include "cardsets/pictures/PictureImage.h"
#include "cardsets/ui/PathText.h"
#include "widgets/AnsiText.h"
#include "widgets/Artwork.h"
#include "widgets/CommandGuard.h"
#include "widgets/WindowParts.h"
#include "widgets/Links.h"
#include "widgets/Translation.h"
#include "cardsets/ui/ShippedTexts.h"

namespace velmora {

namespace {

constexpr int kLabelWidth = 96;
constexpr int kRowHeight = 26;

QLineEdit* DetailRow(QWidget* group, const char* name, Tr caption, int row, int fieldWidth = 164) {
    MakeLabel(group, "", caption, {10, 24 + row * kRowHeight, kLabelWidth, 20});
    return MakeReadOnlyField(group, name, {10 + kLabelWidth, 22 + row * kRowHeight, fieldWidth, 22});
}

}  // namespace

std::int64_t CardSetFileSize(const CardSetFolders& folders, const std::string& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(LocateCardSet(folders, file), error);
    return error ? -1 : static_cast<std::int64_t>(size);
}

Preview::Preview(CardSetContext context, QWidget* parent) : QDialog(parent), context_(context) {
    setObjectName("TForm7");
    SetText(this, "windowTitle", VELMORA_TR("ViewCardSet", "View Card Set - Velmora"));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    resize(InitialWidth, InitialHeight);

    cardList_ = new QListWidget;
    cardList_->setObjectName("ListView1");
    cardList_->setViewMode(QListView::IconMode);
    cardList_->setMovement(QListView::Static);
    cardList_->setResizeMode(QListView::Adjust);
    cardList_->setWordWrap(true);
    cardList_->setSpacing(4);
    cardList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cardList_->setSelectionMode(QAbstractItemView::NoSelection);
    cardList_->setFocusPolicy(Qt::NoFocus);
    cardList_->setStyleSheet("QListWidget::item { border: 1px solid palette(mid); }");

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(cardList_, 1);
    row->addWidget(BuildPanel());
}

QWidget* Preview::BuildPanel() {
    auto* panel = new QWidget;
    panel->setObjectName("Panel1");
    panel->setFixedWidth(PanelWidth);
    panel->setMinimumHeight(InitialHeight);
    title_ = MakeLabel(panel, "Label1", VELMORA_TR("ViewCardSet", "Card-Set Name"), {52, 12, 240, 26});
    QFont titleFont("Arial");
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    MakeLabel(panel, "Image1", QString(), {10, 8, 36, 36})->setPixmap(QPixmap::fromImage(artwork::CardSetIcon(32)));

    QGroupBox* details = MakeGroup(panel, "GroupBox1", VELMORA_TR("ViewCardSet", " Details "), {8, 52, 284, 360});
    author_ = DetailRow(details, "Edit1", VELMORA_TR("ViewCardSet", "Author:"), 0);
    language_ = DetailRow(details, "Edit2", VELMORA_TR("ViewCardSet", "Language:"), 1);
    email_ = DetailRow(details, "Edit3", VELMORA_TR("ViewCardSet", "Email :"), 2);
    web_ = DetailRow(details, "Edit4", VELMORA_TR("ViewCardSet", "Web :"), 3, 134);
    MakeButton(details, "Button1", "...", [this] { OpenAddress(web_->text()); })
        ->setGeometry(10 + kLabelWidth + 138, 22 + 3 * kRowHeight, 26, 22);
    MakeLabel(details, "", VELMORA_TR("ViewCardSet", "Notes :"), {10, 24 + 4 * kRowHeight, kLabelWidth, 20});
    notes_ = MakeReadOnlyNotes(details, "Memo1", {10 + kLabelWidth, 22 + 4 * kRowHeight, 164, 100});
    totalCards_ = DetailRow(details, "Edit5", VELMORA_TR("ViewCardSet", "Total Cards :"), 8);
    maxCardSize_ = DetailRow(details, "Edit6", VELMORA_TR("ViewCardSet", "Max. Card Size :"), 9);
    fileName_ = DetailRow(details, "Edit7", VELMORA_TR("ViewCardSet", "Name of File :"), 10);
    fileSize_ = DetailRow(details, "Edit8", VELMORA_TR("ViewCardSet", "Size of File :"), 11);

    MakeHelpButton(panel, "BitBtn1", VELMORA_TR("ViewCardSet", "&Help"), context_.help, "viewcardset_w")->setGeometry(8, 424, 84, 27);
    QPushButton* close = MakeButton(panel, "BitBtn2", VELMORA_TR("ViewCardSet", "&Close"), [this] { reject(); });
    close->setGeometry(208, 424, 84, 27);
    close->setDefault(true);
    return panel;
}

void Preview::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    RunGuarded(this, [this] { FormShow(); });
}

void Preview::FormShow() {
    // Nothing of an earlier showing stays while the set is read: should the read fail, the window
    // must not show one set's pictures under another set's details.
    ClearAll();
    LoadedCardSet& set = context_.set;
    if (!set.LoadedSetFile.empty() && !SameFileName(set.LoadedSetFile, set.PicturedSetFile)) {
        try {
            set.LoadCardSet(context_.folders, set.LoadedSetFile, CardSetParts::Pictures, &context_.progress);
        } catch (...) {
            // The window names the set it could not read, so that the error is seen to be that set's.
            ShowFileFacts();
            throw;
        }
    }
    set.PicturedSetFile = set.LoadedSetFile;
    ShowDetails();
    ShowCards();
}

void Preview::ClearAll() {
    cardList_->clear();
    SetText(title_, "text", VELMORA_TR("ViewCardSet", "Card-Set Name"));
    for (QLineEdit* field : {author_, language_, email_, web_, totalCards_, maxCardSize_, fileName_, fileSize_})
        field->clear();
    notes_->clear();
}

void Preview::ShowDetails() {
    const LoadedCardSet& set = context_.set;
    author_->setText(FromAnsi(set.Author));
    language_->setText(ShownSetText(set.Language));
    email_->setText(FromAnsi(set.Email));
    web_->setText(FromAnsi(set.Web));
    notes_->setPlainText(ShownSetText(set.Notes));
    totalCards_->setText(QString::number(set.CardCount));
    maxCardSize_->setText(ShownFormatName(LargestFormatName(set.CardCount)));
    ShowFileFacts();
    // Long texts show from their start, as a reader expects.
    for (QLineEdit* field : {author_, language_, email_, web_}) field->setCursorPosition(0);
}

void Preview::ShowFileFacts() {
    const LoadedCardSet& set = context_.set;
    // The folder the set is read from, which for a shipped set is not the user's.
    const std::filesystem::path folder = LocateCardSet(context_.folders, set.LoadedSetFile).parent_path();
    fileName_->setText(TextOf(folder / "") + QFile::decodeName(set.LoadedSetFile.c_str()));
    fileName_->setCursorPosition(0);
    fileSize_->setText(Translated(VELMORA_TR("ViewCardSet", "%1 bytes")).arg(CardSetFileSize(context_.folders, set.LoadedSetFile)));
    title_->setText(SetTitle(set.LoadedSetFile));
}

void Preview::ShowCards() {
    const LoadedCardSet& set = context_.set;
    cardList_->setIconSize(QSize(set.CardWidth, set.CardHeight));
    for (std::size_t i = 0; i < set.CardPictures.size(); ++i) {
        const QString name = i < set.CardNames.size() ? ShownSetText(set.CardNames[i]) : QString();
        cardList_->addItem(new QListWidgetItem(QIcon(QPixmap::fromImage(ToImage(set.CardPictures[i]))), name));
    }
}

}  // namespace velmora
