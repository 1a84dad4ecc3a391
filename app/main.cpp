#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <filesystem>
#include <optional>

#include "settings/LanguageSetting.h"
#include "app/ui/DeferredIconStyle.h"
#include "app/ui/Language.h"
#include "app/ui/MainWindow.h"
#include "app/ui/OpenCardSet.h"
#include "app/ui/ScriptedGame.h"
#include "app/ui/SystemLocations.h"
#include "widgets/CommandGuard.h"
#include "widgets/HelpHook.h"

namespace {

struct StartUp {
    std::optional<std::filesystem::path> file;  // absolute: the current folder changes below
    bool scriptedGame = false;
    bool scriptedBoard = false;
};

// --help and --version print and end the program here, as does a wrong option.
StartUp ParseCommandLine(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription("A memory-matching card game for two to nine players.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("FILE.cst", "A card set to add to your card sets and choose.", "[FILE.cst]");
    // The test hook of app/ui/ScriptedGame.h, left out of --help.
    QCommandLineOption scripted("scripted-game");
    scripted.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(scripted);
    QCommandLineOption board("scripted-board");
    board.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(board);
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("velmora: give at most one card-set file\n", stderr);
        std::exit(2);
    }
    StartUp startUp;
    startUp.scriptedGame = parser.isSet(scripted);
    startUp.scriptedBoard = parser.isSet(board);
    if (!files.isEmpty())
        startUp.file = std::filesystem::path(QFile::encodeName(QFileInfo(files[0]).absoluteFilePath()).toStdString());
    return startUp;
}

}  // namespace

int main(int argc, char* argv[]) {
    velmora::VelmoraApplication app(argc, argv);
    velmora::VelmoraApplication::setApplicationName("Velmora");
    velmora::VelmoraApplication::setApplicationVersion(VELMORA_VERSION);
    velmora::UseDeferredIconStyle();
    const StartUp startUp = ParseCommandLine(app);
    const velmora::Locations locations = velmora::SystemLocations();
    velmora::MakeWrittenFolders(locations);
    // What is named relative to the program folder resolves there.
    QDir::setCurrent(velmora::VelmoraApplication::applicationDirPath());
    velmora::InstallHelpKey();
    // Before the windows are built, so that each is laid out in the language it shows first.
    velmora::ApplyLanguage(velmora::LanguageSetting::Read(locations.SettingsFolder).Code);
    velmora::MainWindow window{locations};
    if (startUp.scriptedGame) return velmora::PlayScriptedGame(window, startUp.file);
    if (startUp.scriptedBoard) velmora::StartScriptedBoard(window);
    else if (startUp.file)
        window.RunAfterStartUp([&window, file = *startUp.file] { velmora::OpenCardSetFile(window, file); });
    window.show();
    return velmora::VelmoraApplication::exec();
}
