#pragma once
// Every window's controls as assistive technology and the Tab key meet them: a control without a
// name of its own is named by the label that stands beside it (to its left on its line, else just
// above it), and Tab goes through the controls in reading order of their places.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace velmora {

// Once the window's layout has given its controls their places.
void DescribeWindowControls(QWidget& window);

// Describes each window of the program whenever it or a part of it is shown; lives as long as its parent.
class AccessibleWindows : public QObject {
public:
    explicit AccessibleWindows(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DescribePending();

    QList<QPointer<QWidget>> pending_;
};

}  // namespace velmora
