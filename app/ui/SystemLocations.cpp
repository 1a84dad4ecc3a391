#include "app/ui/SystemLocations.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace velmora {
namespace {

std::filesystem::path PathOf(const QString& text) { return QFile::encodeName(text).toStdString(); }

}  // namespace

LocationFacts SystemLocationFacts() {
    LocationFacts facts;
    const QString programFolder = QCoreApplication::applicationDirPath();
    facts.ProgramFolder = PathOf(programFolder);
    facts.ProgramFolderWritable = QFileInfo(programFolder).isWritable();
    facts.InstallPrefix = VELMORA_INSTALL_PREFIX;
    facts.BinDir = VELMORA_INSTALL_BINDIR;
    facts.DataDir = VELMORA_INSTALL_DATADIR;
    facts.ConfigHome = PathOf(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    facts.DataHome = PathOf(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    // The first generic data folder is the user's own; XDG_DATA_DIRS follows.
    const QStringList dataFolders = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (qsizetype i = 1; i < dataFolders.size(); ++i) facts.DataDirs.push_back(PathOf(dataFolders[i]));
    return facts;
}

}  // namespace velmora
