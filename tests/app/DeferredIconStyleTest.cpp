// The style that reads the menu bar's overflow arrow only when it is drawn: what it draws must be
// the arrow of the style beneath, at every size and pixel ratio, and every other icon passes through.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>
#include <memory>

#include "app/ui/DeferredIconStyle.h"

using namespace velmora;

namespace {

QImage Drawn(const QIcon& icon, int side, qreal ratio) { return icon.pixmap(QSize(side, side), ratio).toImage(); }

class DeferredIconStyleTest : public ::testing::Test {
protected:
    // The proxy owns its base.
    QStyle* base = QStyleFactory::create("Fusion");
    DeferredIconStyle style{base};
};

TEST_F(DeferredIconStyleTest, TheOverflowArrowsDrawAsTheBaseStylesAtEverySize) {
    for (QStyle::StandardPixmap which : {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        const QIcon deferred = style.standardIcon(which);
        const QIcon real = base->standardIcon(which);
        EXPECT_FALSE(deferred.isNull());
        for (int side : {8, 13, 16, 32})
            for (qreal ratio : {1.0, 1.25, 1.5, 2.0}) {
                const QImage expected = Drawn(real, side, ratio);
                ASSERT_FALSE(expected.isNull());
                EXPECT_EQ(Drawn(deferred, side, ratio), expected) << which << " " << side << " at " << ratio;
            }
        EXPECT_EQ(deferred.availableSizes(), real.availableSizes());
        EXPECT_EQ(deferred.actualSize(QSize(64, 64)), real.actualSize(QSize(64, 64)));
        // A copy that is changed gets an engine of its own and still draws the arrow.
        QIcon changed = deferred;
        changed.addPixmap(QPixmap(4, 4));
        EXPECT_EQ(Drawn(changed, 16, 1), Drawn(real, 16, 1));
    }
}

TEST_F(DeferredIconStyleTest, OtherIconsAndArrowsAskedWithAnOptionComeFromTheBaseStyle) {
    const QIcon warning = style.standardIcon(QStyle::SP_MessageBoxWarning);
    EXPECT_EQ(Drawn(warning, 32, 1), Drawn(base->standardIcon(QStyle::SP_MessageBoxWarning), 32, 1));
    QStyleOption rightToLeft;
    rightToLeft.direction = Qt::RightToLeft;
    const QIcon arrow = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &rightToLeft);
    EXPECT_EQ(Drawn(arrow, 16, 1),
              Drawn(base->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &rightToLeft), 16, 1));
}

TEST_F(DeferredIconStyleTest, AMenuBarMadeUnderItShowsTheBaseStylesArrowWhenTooNarrowForItsMenus) {
    const QString chosen = QApplication::style()->name();
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(chosen));
    UseDeferredIconStyle();
    {
        QMenuBar bar;
        for (const char* name : {"&Game", "&Edit", "&Options", "&Help"}) bar.addMenu(name);
        bar.resize(60, 30);
        bar.show();
        QApplication::processEvents();
        auto* arrow = bar.findChild<QToolButton*>("qt_menubar_ext_button");
        ASSERT_NE(arrow, nullptr);
        EXPECT_TRUE(arrow->isVisible());
        EXPECT_EQ(Drawn(arrow->icon(), 16, 1), Drawn(plain->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton), 16, 1));
    }
    // The other tests run under the style Qt chose.
    QApplication::setStyle(QStyleFactory::create(chosen));
}

}  // namespace
