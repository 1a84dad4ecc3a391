#include "app/ui/CommandGuard.h"
#include "app/ui/MainWindow.h"

int main(int argc, char* argv[]) {
    velmora::VelmoraApplication app(argc, argv);
    velmora::VelmoraApplication::setApplicationName("Velmora");
    velmora::MainWindow window;
    window.show();
    return velmora::VelmoraApplication::exec();
}
