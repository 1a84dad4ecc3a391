#pragma once
// The style the desktop gives the program, with the overflow arrows of menu bars and tool bars
// read from the style's files only when first drawn. Qt's menu bar asks for its arrow as it is
// built, and reading that picture loads every image plugin there is: milliseconds of start-up
// spent on an arrow that shows only when the window is too narrow for its menus.

#include <QProxyStyle>

namespace velmora {

class DeferredIconStyle : public QProxyStyle {
public:
    // Over base; nullptr: the style Qt would choose itself (the desktop's, or -style).
    explicit DeferredIconStyle(QStyle* base = nullptr) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Makes a DeferredIconStyle the application's style; before the first window is made.
void UseDeferredIconStyle();

}  // namespace velmora
