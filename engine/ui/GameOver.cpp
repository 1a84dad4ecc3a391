#include "engine/ui/GameOver.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <algorithm>

#include "widgets/Artwork.h"

namespace velmora {

namespace {

constexpr int SentenceWidth = 282;
constexpr int SentenceHeight = 41;

QFont PixelFont(const char* family, int pixels) {
    QFont font(family);
    font.setPixelSize(pixels);
    return font;
}

QPushButton* MakeButton(const char* name, const char* caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
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
    setWindowTitle("Game Over - Velmora by Halvik Software");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setProperty("helpContext", 116);

    auto* frame = new QFrame(this);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    panel_ = frame;
    panel_->setObjectName("Panel1");

    congratulations_ = new QLabel("Congratulations!", panel_);
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

    statsButton_ = MakeButton("Button2", "&Stats", panel_);
    closeButton_ = MakeButton("Button1", "&Close", panel_);
    helpButton_ = MakeButton("Button3", "&Help", panel_);
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(statsButton_, &QPushButton::clicked, this, [this] { StatsClicked(); });
    connect(helpButton_, &QPushButton::clicked, this, [this] {
        if (onHelp) onHelp(HelpKeyword);
    });
    PlaceControls(0, 0);
}

void GameOver::PlaceControls(int extraWidth, int extraHeight) {
    setFixedSize(ClientWidth + extraWidth, ClientHeight + extraHeight);
    panel_->setGeometry(0, 0, width(), height());
    congratulations_->setGeometry(23, 10, SentenceWidth, 22);
    sentence_->setGeometry(23, 40, SentenceWidth + extraWidth, SentenceHeight + extraHeight);
    logo_->setGeometry(23, 92 + extraHeight, 60, 50);
    const int buttonsTop = 148 + extraHeight;
    const int right = width() - 8;
    helpButton_->setGeometry(right - 72, buttonsTop, 72, 25);
    closeButton_->setGeometry(right - 150, buttonsTop, 72, 25);
    statsButton_->setGeometry(right - 228, buttonsTop, 72, 25);
}

void GameOver::SetWinner(const QString& sentence, int libraryPosition) {
    libraryPosition_ = libraryPosition;
    sentence_->setText(sentence);
    // A long name is shown whole: the window grows until the sentence fits.
    const QFontMetrics metrics(sentence_->font());
    const int width = std::max(SentenceWidth, WidestWord(metrics, sentence) + 2);
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
