#include <QDir>
#include <filesystem>

#include "app/ui/MainWindow.h"
#include "widgets/CommandGuard.h"
#include "widgets/HelpWindow.h"

int main(int argc, char* argv[]) {
    velmora::VelmoraApplication app(argc, argv);
    velmora::VelmoraApplication::setApplicationName("Velmora");
    // Card sets, the player library and the sounds are named relative to the program folder.
    const QString folder = velmora::VelmoraApplication::applicationDirPath();
    QDir::setCurrent(folder);
    velmora::InstallHelpKey();
    velmora::MainWindow window{std::filesystem::path(folder.toStdString())};
    window.show();
    return velmora::VelmoraApplication::exec();
}
