#include "app/ui/FileTypeRegistration.h"

#include <QBuffer>
#include <QProcess>
#include <QStandardPaths>

#include "app/CardSetFileType.h"
#include "widgets/Artwork.h"

namespace velmora {
namespace {

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

void RegisterCardSetFileTypeForUser(const std::filesystem::path& dataFolder, QObject* owner) {
    // Every start but the first finds the entry there: the icon is drawn and encoded only when it
    // is to be written, which also keeps the image plugins from loading before the first frame.
    if (CardSetFileTypeRegistered(dataFolder)) return;
    if (!RegisterCardSetFileType(dataFolder, PngBytes(artwork::CardSetIcon(48)).toStdString())) return;
    // The desktop sees the new entry once its database is rebuilt; where the tool is missing the
    // entry waits for the next rebuild.
    const QString updater = QStandardPaths::findExecutable("update-mime-database");
    if (updater.isEmpty()) return;
    auto* update = new QProcess(owner);
    QObject::connect(update, &QProcess::finished, update, &QObject::deleteLater);
    update->start(updater, {QString::fromStdString((dataFolder / "mime").string())});
}

}  // namespace velmora
