#include "app/ui/InitUnit.h"

#include <QFrame>
#include <QLabel>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <utility>

#include "widgets/Artwork.h"
#include "widgets/Translation.h"

namespace velmora {
namespace {

constexpr int kWidth = 639;
constexpr int kHeight = 452;
// The labels are placed against this narrower width and keep those places once the window grows.
constexpr int kPlacementWidth = 452;
constexpr int kRightGap = 50;

// Light text straight on the picture. A palette rather than a style sheet: the splash is made
// while the main window starts, and a style sheet costs a style of its own for each label.
QLabel* OverlayLabel(QWidget* parent, Tr text) {
    auto* label = WithText(new QLabel(parent), text);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(235, 240, 230));
    label->setPalette(palette);
    return label;
}

}  // namespace

TInitScreen::TInitScreen(QWidget* parent, HelpHook help) : QDialog(parent), timer_(new QTimer(this)) {
    setObjectName("TInitScreen");
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    SetHelpTopic(this, "help_system", std::move(help));

    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    auto* picture = new QLabel(panel);
    picture->setObjectName("Image1");
    picture->setFixedSize(artwork::kSplashSize);
    picture_ = picture;
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    panelLayout->addWidget(picture);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);

    version_ = OverlayLabel(picture, VELMORA_TR("Splash", "Version 1.11"));
    version_->setObjectName("Label1");
    version_->adjustSize();
    notice_ = OverlayLabel(picture, VELMORA_TR("Splash", "Copyright Halvik Software. All rights reserved."));
    notice_->setObjectName("Label2");
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    notice_->resize(213, 36);

    // FormCreate: the version label is centred over the notice, both 50 pixels from the right edge
    // of a window of the placement width.
    const int w = kPlacementWidth;
    notice_->move(w - notice_->width() - kRightGap, 370);
    version_->move(w - notice_->width() / 2 - version_->width() / 2 - kRightGap, 348);
    setFixedSize(kWidth, kHeight);

    timer_->setObjectName("Timer1");
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &TInitScreen::Timer1Timer);
    timer_->start();
}

void TInitScreen::resizeEvent(QResizeEvent* event) {
    if (event->size() != QSize(kWidth, kHeight)) resize(kWidth, kHeight);
    QDialog::resizeEvent(event);
}

void TInitScreen::showEvent(QShowEvent* event) {
    // Painted when first shown rather than at creation: the main window comes up sooner.
    if (picture_->pixmap().isNull()) picture_->setPixmap(QPixmap::fromImage(artwork::SplashPicture()));
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

void TInitScreen::Timer1Timer() {
    if (ticks_ < 2) ++ticks_;
    // The timer runs from creation, so a message box left open before the splash comes up can use
    // up both ticks: the splash then waits for the next tick after it is shown and closes on it.
    if (ticks_ >= 2 && isVisible()) {
        timer_->stop();
        done(QDialog::Rejected);
    }
}

}  // namespace velmora
