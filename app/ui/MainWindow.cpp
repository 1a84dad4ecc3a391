#include "app/ui/MainWindow.h"

namespace velmora {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("TForm1");
    setWindowTitle("Velmora");
    resize(651, 398);
}

}  // namespace velmora
