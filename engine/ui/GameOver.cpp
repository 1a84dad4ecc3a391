#include "engine/ui/GameOver.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <algorithm>

#include "widgets/Artwork.h"
#include "widgets/Translation.h"
#include "widgets/WindowParts.h"

namespace velmora {

namespace {

constexpr int SentenceWidth = 282;
constexpr int SentenceHeight = 41;

QFont PixelFont(const char* family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QPushButton* MakeButton(const char* name, Tr caption, QWidget* parent) {
    auto* button = WithText(new QPushButton(parent), caption);
    button->setObjectName(name);
    return button;
}

// The widest word of the text: a name without spaces cannot be wrapped and must fit whole.
int WidestWord(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QString& word : text.split(' ', Qt::SkipEmptyParts)) widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

}  // namespace

GameOver::GameOver(QWidget* parent) : QDialog(parent) {
    setObjectName("TForm11");
    SetText(this, "windowTitle", VELMORA_TR("GameOver", "Game Over - Velmora by Halvik Software"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    panel_ = frame;
    panel_->setObjectName("Panel1");

    congratulations_ = WithText(new QLabel(panel_), VELMORA_TR("GameOver", "Congratulations!"));
    congratulations_->setObjectName("Label1");
    congratulations_->setFont(PixelFont("MS Sans Serif", 15));
    sentence_ = new QLabel(panel_);
    sentence_->setObjectName("Label2");
    sentence_->setFont(PixelFont("Arial", 15));
    sentence_->setWordWrap(true);
    sentence_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    logo_ = new QLabel(panel_);
    logo_->setObjectName("Image2");
    logo_->setPixmap(QPixmap::fromImage(artwork::Logo(QSize(60, 50))));

    statsButton_ = MakeButton("Button2", VELMORA_TR("GameOver", "&Stats"), panel_);
    closeButton_ = MakeButton("Button1", VELMORA_TR("GameOver", "&Close"), panel_);
    // The main window sets onHelp after the window is made.
    helpButton_ = MakeHelpButton(panel_, "Button3", VELMORA_TR("GameOver", "&Help"),
                                 [this](const char* topic) {
                                     if (onHelp) onHelp(topic);
                                 },
                                 HelpKeyword);
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(statsButton_, &QPushButton::clicked, this, [this] { StatsClicked(); });
    PlaceControls(0, 0);
}

void GameOver::PlaceControls(int extraWidth, int extraHeight) {
    setFixedSize(ClientWidth + extraWidth, ClientHeight + extraHeight);
    panel_->setGeometry(0, 0, width(), height());
    congratulations_->setGeometry(23, 10, SentenceWidth + extraWidth, 22);
    sentence_->setGeometry(23, 40, SentenceWidth + extraWidth, SentenceHeight + extraHeight);
    logo_->setGeometry(23, 92 + extraHeight, 60, 50);
    const int buttonsTop = 148 + extraHeight;
    int right = width() - 8;
    for (QPushButton* button : {helpButton_, closeButton_, statsButton_}) {
        button->setGeometry(right - ButtonWidth(*button), buttonsTop, ButtonWidth(*button), 25);
        right -= ButtonWidth(*button) + 6;
    }
}

int GameOver::ButtonWidth(const QPushButton& button) { return std::max(72, button.sizeHint().width()); }

void GameOver::SetWinner(const Phrase& sentence, int libraryPosition) {
    libraryPosition_ = libraryPosition;
    winner_ = sentence;
    Layout();
}

void GameOver::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) Layout();
}

void GameOver::Layout() {
    const QString sentence = Translated(winner_);
    sentence_->setText(sentence);
    // A long name is shown whole: the window grows until the sentence fits, and the greeting and
    // the buttons in their language.
    const QFontMetrics metrics(sentence_->font());
    const int buttons = ButtonWidth(*helpButton_) + ButtonWidth(*closeButton_) + ButtonWidth(*statsButton_) + 12;
    const int width = std::max({SentenceWidth, WidestWord(metrics, sentence) + 2,
                                congratulations_->sizeHint().width(), buttons + 16 - (ClientWidth - SentenceWidth)});
    const int height = metrics.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, sentence).height();
    PlaceControls(width - SentenceWidth, std::max(0, height - SentenceHeight));
}

void GameOver::StatsClicked() {
    // A winner no longer in the library has no statistics to show.
    if (libraryPosition_ >= 1 && onStats) onStats(libraryPosition_);
}

void GameOver::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    statsButton_->setFocus();
}

void GameOver::done(int result) {
    if (onClosed) onClosed();
    QDialog::done(result);
}

}  // namespace velmora
