// The five pages of the wizard and its row of buttons: controls, texts and places.

#include <QCoreApplication>
#include <algorithm>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QTabBar>
#include <QStyledItemDelegate>
#include <QTabWidget>

#include "cardsets/ByteReader.h"
#include "cardsets/ui/CardSizeShape.h"
#include "cardsets/ui/NewSet.h"
#include "widgets/Artwork.h"
#include "widgets/WindowParts.h"
#include "widgets/Translation.h"
#include "cardsets/ui/ShippedTexts.h"

namespace velmora {

namespace {

constexpr int kDetailLength = 200;

constexpr Tr kReadyText = VELMORA_TR("NewCardSet",
    "Please press Finish button to create your Velmora set. The program \n"
    "will ask you for the name of your Velmora set.\n"
    "\n"
    "It may take between several seconds and 1 - 2 minutes to create your\n"
    "Velmora set. Please be patient.\n"
    "\n"
    "The set you will create will have extension CST.");

constexpr Tr kCongratulationsText = VELMORA_TR("NewCardSet",
    "Your new Velmora set has been created and saved to your computer.\n"
    "\n"
    "If you wish to share your Velmora set with your friends, \n"
    "simply send them the file you have just created. It should be located\n"
    "in your Velmora folder. Please consult Help for more information.\n"
    "\n"
    "Thank you for using Velmora.");

// Card names are edited in place; a card set holds at most this many bytes of a name.
class CardNameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) line->setMaxLength(MaxTextLength);
        return editor;
    }
};

// The seven-line texts of the last page keep their own line breaks, so they must fit the page.
void SmallText(QLabel* label) {
    QFont font = label->font();
    font.setPixelSize(11);
    label->setFont(font);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

// The page is a tab before anything is put on it: the tab widget's style sheet then reaches each
// control as it is made, where adding a filled page would restyle every control on it once more.
// The tab's caption is its page's title, so that it follows the language with the page.
QWidget* NewPage(QTabWidget* pages, const char* name, Tr title) {
    auto* page = new QWidget;
    page->setObjectName(name);
    SetText(page, "windowTitle", title);
    pages->addTab(page, page->windowTitle());
    return page;
}

// The fields end 16 pixels inside their group and start after the widest caption.
QLineEdit* MakeField(QWidget* parent, const char* name, int maxLength, int row, int left) {
    QLineEdit* field = MakeTextBox(parent, name, false, maxLength);
    field->setGeometry(left, 26 + row * 32, parent->width() - 16 - left, 22);
    return field;
}

QScrollArea* MakePictureBox(QWidget* parent, const char* boxName, const char* imageName, QRect geometry,
                            QLabel*& image) {
    auto* box = new QScrollArea(parent);
    box->setObjectName(boxName);
    box->setGeometry(geometry);
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image = new QLabel;
    image->setObjectName(imageName);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setWidget(image);
    box->setWidgetResizable(false);
    return box;
}

QSlider* MakeSlider(QWidget* parent, const char* name, Qt::Orientation orientation) {
    auto* slider = new QSlider(orientation, parent);
    slider->setObjectName(name);
    slider->setTickInterval(10);
    slider->setTickPosition(orientation == Qt::Horizontal ? QSlider::TicksBelow : QSlider::TicksRight);
    // The smallest card size at the top, as the rectangle grows downwards.
    slider->setInvertedAppearance(orientation == Qt::Vertical);
    return slider;
}

}  // namespace

void NewSet::BuildButtons() {
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl1");
    pages_->setGeometry(8, 4, ClientWidth - 16, 382);
    pages_->tabBar()->setFocusPolicy(Qt::NoFocus);
    pages_->setAccessibleName(QCoreApplication::translate("NewCardSet", "Steps of the new card set"));
    // All five titles stay in view, as the pages are not picked there but only shown.
    pages_->tabBar()->setUsesScrollButtons(false);
    pages_->tabBar()->setExpanding(false);
    pages_->setStyleSheet("QTabBar::tab { padding: 4px 3px; font-size: 11px; }");
    pages_->tabBar()->installEventFilter(this);
    pages_->installEventFilter(this);

    const int y = ClientHeight - 36;
    helpButton_ = MakeHelpButton(this, "BitBtn1", VELMORA_TR("NewCardSet", "&Help"), help_, "how_to_create");
    helpButton_->setGeometry(8, y, 75, 25);
    backButton_ = MakeButton(this, "BitBtn3", VELMORA_TR("NewCardSet", "&<< Back"), [this] { BackClick(); });
    backButton_->setGeometry(180, y, 78, 25);
    nextButton_ = MakeButton(this, "BitBtn4", VELMORA_TR("NewCardSet", "Next >&>"), [this] { NextClick(); });
    nextButton_->setGeometry(264, y, 78, 25);
    finishButton_ = MakeButton(this, "BitBtn5", VELMORA_TR("NewCardSet", "&Finish"), [this] { FinishClick(); });
    finishButton_->setGeometry(264, y, 78, 25);
    finishButton_->setDefault(true);
    cancelButton_ = MakeButton(this, "BitBtn2", VELMORA_TR("NewCardSet", "C&ancel"), [this] { reject(); });
    cancelButton_->setGeometry(348, y, 78, 25);
}

void NewSet::BuildSizePage() {
    QWidget* page = NewPage(pages_, "TabSheet1", VELMORA_TR("NewCardSet", "Step 1: Size"));
    QGroupBox* format = MakeGroup(page, "GroupBox1", VELMORA_TR("NewCardSet", "Velmora set &format "), {8, 6, 394, 76});
    formatList_ = new QComboBox(format);
    formatList_->setObjectName("ComboBox1");
    for (const CardSetFormat& f : CardSetFormats) formatList_->addItem(ShownFormatName(f.Name));
    formatList_->setGeometry(12, 30, 150, 24);
    QLabel* note = MakeLabel(format, "Label1", VELMORA_TR("NewCardSet", "Format of Velmora set determines the size limit of each card."),
                             {176, 22, 206, 40});
    note->setWordWrap(true);

    QGroupBox* size = MakeGroup(page, "GroupBox2", VELMORA_TR("NewCardSet", " &Size of each card "), {8, 88, 394, 248});
    QLabel* x = MakeLabel(size, "Label2", VELMORA_TR("NewCardSet", "&X "), {12, 30, 16, 20});
    widthSlider_ = MakeSlider(size, "TrackBar1", Qt::Horizontal);
    widthSlider_->move(30, 24);
    x->setBuddy(widthSlider_);
    widthNumber_ = MakeLabel(size, "Label4", QString(), {0, 30, 40, 20});
    QLabel* y = MakeLabel(size, "Label3", VELMORA_TR("NewCardSet", "&Y "), {12, 70, 16, 20});
    heightSlider_ = MakeSlider(size, "TrackBar2", Qt::Vertical);
    heightSlider_->move(30, 64);
    y->setBuddy(heightSlider_);
    heightNumber_ = MakeLabel(size, "Label5", QString(), {30, 0, 40, 20});
    sizeShape_ = new CardSizeShape(size);
    sizeShape_->setObjectName("Shape1");
    sizeShape_->setGeometry(80, 70, MaxCardWidth + 1, MaxCardHeight + 1);
    MakeBold(MakeLabel(size, "Label6", VELMORA_TR("NewCardSet", "Important :"), {212, 84, 170, 18}));
    MakeLabel(size, "Label7", VELMORA_TR("NewCardSet", "Changing size of card will \ndelete any previously\nadded pictures."), {212, 104, 170, 54});
    BuildFirstSizeOption(size);
    connect(formatList_, &QComboBox::currentIndexChanged, this, [this](int index) { FormatChanged(index); });
    connect(widthSlider_, &QSlider::valueChanged, this, [this] { SizeChanged(); });
    connect(heightSlider_, &QSlider::valueChanged, this, [this] { SizeChanged(); });
}

void NewSet::BuildBackgroundPage() {
    QWidget* page = NewPage(pages_, "TabSheet2", VELMORA_TR("NewCardSet", "Step 2: Background"));
    backgroundLabel_ = MakeLabel(page, "Label8", VELMORA_TR("NewCardSet", "Color"), {12, 2, 200, 18});
    backgroundBox_ = MakePictureBox(page, "ScrollBox1", "Image1", {12, 20, 381, 241}, backgroundImage_);
    backgroundBox_->setAutoFillBackground(true);
    backgroundText_ = MakeLabel(page, "Label9",
                             VELMORA_TR("NewCardSet",
                                        "Choose between bitmap file or single color background.\n"
                                        "If you choose bitmap file to represent your background, its size must be "
                                        "exactly 540 (W) x 374 (H) pixels."),
                             {12, 266, 268, 72});
    backgroundText_->setWordWrap(true);
    backgroundText_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bitmapButton_ = MakeButton(page, "Button1", VELMORA_TR("NewCardSet", "Select Bitmap..."), [this] { SelectBitmapClick(); });
    colourButton_ = MakeButton(page, "Button2", VELMORA_TR("NewCardSet", "Select Color..."), [this] { SelectColorClick(); });
    PlaceCaptionedButtons();
}

void NewSet::BuildCardsPage() {
    QWidget* page = NewPage(pages_, "TabSheet3", VELMORA_TR("NewCardSet", "Step 3: Cards"));
    MakeLabel(page, "Label10", VELMORA_TR("NewCardSet", "Add files you have prepared for your Velmora set."), {8, 4, 394, 18});
    instruction_ = MakeLabel(page, "Label11", QString(), {8, 22, 394, 34});
    instruction_->setWordWrap(true);
    instruction_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    QGroupBox* selected = MakeGroup(page, "GroupBox3", VELMORA_TR("NewCardSet", " Selected Card "), {8, 60, 130, 132});
    selectedBox_ = MakePictureBox(selected, "ScrollBox2", "Image2", {6, 20, 118, 104}, selectedImage_);

    QGroupBox* all = MakeGroup(page, "GroupBox4", VELMORA_TR("NewCardSet", " All Cards "), {146, 60, 256, 278});
    cardList_ = new QListWidget(all);
    cardList_->setObjectName("ListView1");
    cardList_->setGeometry(8, 20, 240, 188);
    cardList_->setViewMode(QListView::IconMode);
    cardList_->setMovement(QListView::Static);
    cardList_->setResizeMode(QListView::Adjust);
    cardList_->setIconSize(QSize(ThumbnailSide, ThumbnailSide));
    cardList_->setGridSize(QSize(76, 68));
    cardList_->setWordWrap(true);
    cardList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    cardList_->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    cardList_->setItemDelegate(new CardNameDelegate(cardList_));
    cardButtons_ = {MakeButton(all, "BitBtn6", VELMORA_TR("NewCardSet", "&Add..."), [this] { AddClick(); }),
                    MakeButton(all, "BitBtn7", VELMORA_TR("NewCardSet", "&Rename"), [this] { RenameClick(); }),
                    MakeButton(all, "BitBtn8", VELMORA_TR("NewCardSet", "&Clear"), [this] { ClearClick(); }),
                    MakeButton(all, "BitBtn9", VELMORA_TR("NewCardSet", "C&lear All"), [this] { ClearAllClick(); })};
    PlaceCardButtons();
    counter_ = MakeLabel(all, "Label12", QString(), {172, 249, 76, 18});
    counter_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    BuildFitOptions(page);
    connect(cardList_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) { CardRenamed(item); });
    connect(cardList_, &QListWidget::currentRowChanged, this, [this] { ShowSelectedCard(); });
}

void NewSet::BuildInfoPage() {
    QWidget* page = NewPage(pages_, "TabSheet4", VELMORA_TR("NewCardSet", "Step 4: Info"));
    QGroupBox* info = MakeGroup(page, "GroupBox5", VELMORA_TR("NewCardSet", " Velmora Set Author Info: "), {8, 6, 394, 196});
    const Tr captions[] = {VELMORA_TR("NewCardSet", "Author's Name :"), VELMORA_TR("NewCardSet", "Language :"),
                           VELMORA_TR("NewCardSet", "E-mail :"), VELMORA_TR("NewCardSet", "Web Address :"),
                           VELMORA_TR("NewCardSet", "Notes and Comments:")};
    for (int row = 0; row < 5; ++row) MakeLabel(info, "", captions[row], {12, 28 + row * 32, 116, 18});
    author_ = MakeField(info, "Edit1", kDetailLength, 0, 132);
    language_ = MakeField(info, "Edit2", kDetailLength, 1, 132);
    email_ = MakeField(info, "Edit3", kDetailLength, 2, 132);
    web_ = MakeField(info, "Edit4", kDetailLength, 3, 132);
    notes_ = MakeField(info, "Edit5", MaxTextLength, 4, 132);
    PlaceInfoFields();
    SetText(language_, "text", VELMORA_TR("NewCardSet", "card set language"));
    MakeLabel(page, "Label13", VELMORA_TR("NewCardSet", "All information is strictly optional."), {12, 214, 380, 18});
}

void NewSet::BuildFinishPage() {
    QWidget* page = NewPage(pages_, "TabSheet5", VELMORA_TR("NewCardSet", "Step 5: Finish"));
    readyText_ = new QWidget(page);
    readyText_->setGeometry(0, 0, 410, 240);
    MakeBold(MakeLabel(readyText_, "Label14", VELMORA_TR("NewCardSet", "Ready to create your Velmora set !"), {16, 16, 380, 20}));
    SmallText(MakeLabel(readyText_, "Label15", kReadyText, {16, 44, 390, 130}));
    congratulationsText_ = new QWidget(page);
    congratulationsText_->setGeometry(0, 0, 410, 240);
    MakeBold(MakeLabel(congratulationsText_, "Label16", VELMORA_TR("NewCardSet", "Congratulations!"), {16, 16, 380, 20}));
    SmallText(MakeLabel(congratulationsText_, "Label17", kCongratulationsText, {16, 44, 390, 130}));
    QLabel* logo = MakeLabel(page, "Image3", QString(), {300, 240, 96, 80});
    logo->setPixmap(QPixmap::fromImage(artwork::Logo(QSize(96, 80))));
}

// The buttons are measured as the page's style sheet draws them, so long captions may overfill
// the row: its gaps narrow first, then its three buttons share what is still missing, so that the
// last stays inside its group.
void NewSet::PlaceCardButtons() {
    std::array<int, 4> widths{};
    for (std::size_t i = 0; i < widths.size(); ++i) widths[i] = std::max(75, cardButtons_[i]->sizeHint().width());
    const int room = cardButtons_[0]->parentWidget()->width() - 2 * 8 - widths[0] - widths[1] - widths[2];
    const int gap = std::clamp(room / 2, 1, 7);
    const int missing = std::max(0, 2 * gap - room);
    for (std::size_t i = 0; i < 3; ++i) widths[i] -= (missing + 2) / 3;
    int left = 8;
    for (std::size_t i = 0; i < cardButtons_.size(); ++i) {
        if (i == 3) left = 8;
        cardButtons_[i]->setGeometry(left, i == 3 ? 245 : 214, widths[i], 25);
        left += widths[i] + gap;
    }
}

namespace {

// At least the original's width, or the caption's with room on either side.
int WidthFor(const QPushButton* button, int least) {
    return std::max(least, button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() + 10);
}

}  // namespace

// The original's places fit English captions; a longer caption widens its button towards the room on
// its left: Next (and Finish in its place) and Back from Cancel towards Help, the picture buttons into
// the text beside them, which wraps in what is left.
void NewSet::PlaceCaptionedButtons() {
    const int next = std::max(WidthFor(nextButton_, 78), WidthFor(finishButton_, 78));
    for (QPushButton* button : {nextButton_, finishButton_}) button->setGeometry(342 - next, button->y(), next, 25);
    const int back = std::min(WidthFor(backButton_, 78), 342 - next - 6 - 8 - 75 - 6);
    backButton_->setGeometry(342 - next - 6 - back, backButton_->y(), back, 25);
    const int pictures = std::min(std::max(WidthFor(bitmapButton_, 107), WidthFor(colourButton_, 107)), 180);
    const int left = 393 - pictures;
    bitmapButton_->setGeometry(left, 270, pictures, 25);
    colourButton_->setGeometry(left, 302, pictures, 25);
    backgroundText_->setGeometry(12, 266, left - 6 - 12, 72);
}

// The captions' column is as wide as the widest of them in the language and font in use.
void NewSet::PlaceInfoFields() {
    QWidget* info = author_->parentWidget();
    int captionWidth = 116;
    const QList<QLabel*> captions = info->findChildren<QLabel*>();
    for (const QLabel* caption : captions) captionWidth = std::max(captionWidth, caption->sizeHint().width());
    for (QLabel* caption : captions) caption->resize(captionWidth, 18);
    const int left = 12 + captionWidth + 4;
    for (QLineEdit* field : {author_, language_, email_, web_, notes_})
        field->setGeometry(left, field->y(), info->width() - 16 - left, field->height());
}

}  // namespace velmora
