#include "app/ui/ZoomControl.h"

#include <QAction>
#include <QChildEvent>
#include <QActionGroup>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QKeyEvent>
#include <QStatusBar>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "app/ui/BoardPainter.h"
#include "app/ui/BoardView.h"
#include "widgets/CommandGuard.h"
#include "widgets/DialogZoom.h"
#include "app/ui/MainMenu.h"
#include "app/ui/ZoomedClient.h"

namespace velmora {
namespace {

constexpr int kStatusHeight = 22;
constexpr std::array<Zoom, 5> kMenuOrder = {Zoom::Percent100, Zoom::Percent150, Zoom::Percent200,
                                            Zoom::Percent300, Zoom::Fit};

// The windows whose text follows the zoom: Game Over, New Game, statistics and the card-set windows.
constexpr const char* kZoomedWindows[] = {"TForm11", "TForm2", "TForm6", "TForm12", "TForm7", "TForm13"};

QFont Scaled(QFont font, const Scale& scale) {
    if (font.pixelSize() > 0)
        font.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * scale.Factor())));
    else
        font.setPointSizeF(font.pointSizeF() * scale.Factor());
    return font;
}

}  // namespace

ZoomControl::ZoomControl(QMainWindow& window, ZoomedClient& client, BoardPainter& painter, QLabel& status,
                         const MainMenu& menu, std::function<void()> redraw)
    : QObject(&window),
      window_(window),
      client_(client),
      clientAlive_(&client),
      painter_(painter),
      status_(status),
      menu_(menu),
      redraw_(std::move(redraw)),
      dialogs_(new DialogZoom(this)) {
    for (std::size_t i = 0; i < kMenuOrder.size(); ++i)
        connect(menu_.zooms[i], &QAction::triggered, this,
                [this, i] { RunGuarded(&window_, [this, i] { Choose(kMenuOrder[i]); }); });
    connect(menu_.FullScreen1, &QAction::triggered, this,
            [this](bool on) { RunGuarded(&window_, [this, on] { SetFullScreen(on); }); });
    // Escape reaches the window from whichever of its controls has the focus, and the windows
    // that follow the zoom are seen as they are polished.
    window_.installEventFilter(this);
    client_.onResized = [this] { Relayout(); };
    CheckChoice();
}

ZoomControl::~ZoomControl() {
    if (clientAlive_) client_.onResized = nullptr;
}

Extent ZoomControl::Chrome() const {
    const int menuHeight = window_.menuBar()->isVisible() ? window_.menuBar()->height()
                                                          : window_.menuBar()->sizeHint().height();
    return {0, menuHeight};
}

Extent ZoomControl::Room() const {
    // A hidden window has the room asked for; its parts get their sizes once it is shown.
    if (!window_.isVisible()) return normalRoom_;
    return {client_.width(), client_.height() + window_.statusBar()->height()};
}

void ZoomControl::Restore(const ViewSettings& saved) {
    const QScreen* screen = window_.screen();
    const QSize available = screen != nullptr ? screen->availableGeometry().size() : QSize(640, 480);
    const ViewState state = ResolveView(saved, {available.width(), available.height()}, Chrome());
    choice_ = state.ZoomChoice;
    normalRoom_ = state.RoomSize;
    CheckChoice();
    PlaceOnScreen();
    if (state.FullScreen) SetFullScreen(true);
}

void ZoomControl::PlaceOnScreen() {
    if (window_.isFullScreen()) return;
    window_.resize(normalRoom_.Width + Chrome().Width, normalRoom_.Height + Chrome().Height);
    window_.layout()->activate();
    Relayout();
    if (const QScreen* screen = window_.screen())
        window_.move(screen->availableGeometry().center() - window_.rect().center());
}

ViewSettings ZoomControl::Current() const { return {choice_, normalRoom_, window_.isFullScreen()}; }

void ZoomControl::Choose(Zoom zoom) {
    choice_ = zoom;
    CheckChoice();
    if (window_.isFullScreen()) SetFullScreen(false);
    if (zoom != Zoom::Fit) {
        // The status line takes its zoomed height first, or the room would come out short of the zoom.
        if (!(FixedScale(zoom) == shown_)) Apply(FixedScale(zoom));
        window_.layout()->activate();
        normalRoom_ = ZoomedRoom(zoom);
        // Centred again, so that a grown window stays on the screen. One larger than the screen is
        // cut down by the desktop, and the zoom then shrinks to fit.
        PlaceOnScreen();
        return;
    }
    Relayout();
}

void ZoomControl::SetFullScreen(bool on) {
    if (on)
        window_.setWindowState(window_.windowState() | Qt::WindowFullScreen);
    else
        window_.setWindowState(window_.windowState() & ~Qt::WindowFullScreen);
    menu_.FullScreen1->setChecked(on);
    Relayout();
}

bool ZoomControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::ChildPolished) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        const auto zoomed = [child](const char* name) { return child->objectName() == QLatin1String(name); };
        if (child->isWidgetType() && std::any_of(std::begin(kZoomedWindows), std::end(kZoomedWindows), zoomed))
            dialogs_->Follow(*static_cast<QWidget*>(child));
    }
    if (watched == &window_ && event->type() == QEvent::KeyPress && window_.isFullScreen() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        SetFullScreen(false);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void ZoomControl::SetDeviceRatio(qreal ratio) {
    ratio_ = ratio;
    Relayout();
}

void ZoomControl::CheckChoice() {
    for (std::size_t i = 0; i < kMenuOrder.size(); ++i) menu_.zooms[i]->setChecked(kMenuOrder[i] == choice_);
}

void ZoomControl::Relayout() {
    if (applying_) return;
    const Extent room = Room();
    const bool fullScreen = window_.isFullScreen();
    if (!fullScreen && !window_.isMaximized() && !window_.isMinimized() && window_.isVisible()) normalRoom_ = room;
    // Full screen fills the screen whatever the zoom; the zoom is the window's size again after it.
    const Scale scale = ShownScale(fullScreen ? Zoom::Fit : choice_, room);
    const qreal ratio = ratio_ > 0 ? ratio_ : window_.devicePixelRatioF();
    if (scale == shown_ && ratio == appliedRatio_) return;
    appliedRatio_ = ratio;
    Apply(scale);
}

void ZoomControl::Apply(const Scale& scale) {
    applying_ = true;
    shown_ = scale;
    client_.Apply(scale, appliedRatio_);
    client_.PaintBox()->SetDeviceRatio(appliedRatio_);
    window_.statusBar()->setFixedHeight(scale.Map(kStatusHeight));
    status_.setFont(Scaled(window_.font(), scale));
    painter_.SetScale(scale.Times(Scale::FromRatio(appliedRatio_)));
    dialogs_->SetFactor(scale.Factor());
    applying_ = false;
    redraw_();
}

}  // namespace velmora
