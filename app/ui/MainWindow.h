#pragma once

#include <QMainWindow>

namespace velmora {

// The main window: the board, the players list, the status bar and the menu.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace velmora
