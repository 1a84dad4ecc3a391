#include "app/ui/DeferredIconStyle.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <optional>

namespace velmora {
namespace {

// An icon that asks its style for the real picture the first time it is measured or drawn.
class DeferredIconEngine : public QIconEngine {
public:
    // QPointer holds only non-const objects; neither is changed through it.
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : style_(style), which_(which), widget_(const_cast<QWidget*>(widget)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        Real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().actualSize(size, mode, state);
    }
    // At a ratio of 1 QIcon asks its engine for exactly this size.
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Real().pixmap(size, 1.0, mode, state);
    }
    // size is in device pixels here. QIcon asks only above a ratio of 1, where dividing by the
    // ratio gives back the logical size it was multiplied from, and so the real engine its size.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return Real().pixmap(size / scale, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return Real().availableSizes(mode, state);
    }
    // Asking whether there is a picture must not read it: a button asks as it is made.
    bool isNull() override { return real_ ? real_->isNull() : false; }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& Real() {
        if (!real_) {
            // A style replaced meanwhile is gone; the application's present one draws instead.
            const QStyle* style = style_ ? style_.data() : QApplication::style();
            real_ = style->standardIcon(which_, nullptr, widget_.data());
        }
        return *real_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<QWidget> widget_;
    std::optional<QIcon> real_;
};

}  // namespace

QIcon DeferredIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    // Without an option the style takes the application's layout direction, which the program never changes.
    if (option == nullptr && (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton))
        return QIcon(new DeferredIconEngine(baseStyle(), icon, widget));
    return QProxyStyle::standardIcon(icon, option, widget);
}

void UseDeferredIconStyle() { QApplication::setStyle(new DeferredIconStyle); }

}  // namespace velmora
