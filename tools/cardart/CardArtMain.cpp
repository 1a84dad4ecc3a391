// Writes the shipped card sets into a folder, or draws the card pictures at one size for looking
// at them.
//   velmora-cardart sets FOLDER
//   velmora-cardart pictures FOLDER WIDTH HEIGHT
//   velmora-cardart icons FOLDER NAME      (the desktop's icon theme folders below FOLDER)
#include <QDir>
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <exception>

#include "widgets/Artwork.h"
#include "tools/cardart/CardArt.h"
#include "tools/cardart/ShippedSets.h"

namespace {

int WritePictures(const QString& folder, QSize size) {
    if (size.width() <= 0 || size.height() <= 0) {
        std::fprintf(stderr, "bad card size\n");
        return 2;
    }
    if (!velmora::cardart::CardBack(size).save(folder + "/back.png")) return 1;
    for (int face = 1; face <= velmora::cardart::kFaceCount; ++face)
        if (!velmora::cardart::CardFace(face, size).save(folder + QString("/face%1.png").arg(face, 2, 10, QChar('0'))))
            return 1;
    return 0;
}

// The program's logo as NAME.png and the card-set file's icon, at every size the desktop picks from.
int WriteIcons(const QString& folder, const QString& name) {
    for (const int side : {16, 32, 48, 64, 128, 256}) {
        const QString sizeFolder = folder + QString("/%1x%1/").arg(side);
        if (!QDir().mkpath(sizeFolder + "apps") || !QDir().mkpath(sizeFolder + "mimetypes")) return 1;
        if (!velmora::artwork::Logo(QSize(side, side)).save(sizeFolder + "apps/" + name + ".png")) return 1;
        if (!velmora::artwork::CardSetIcon(side).save(sizeFolder + "mimetypes/application-x-velmora-cardset.png"))
            return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString command = argc > 1 ? argv[1] : "";
    try {
        if (command == "sets" && argc == 3) {
            velmora::cardart::WriteShippedSets(argv[2]);
            return 0;
        }
        if (command == "pictures" && argc == 5)
            return WritePictures(argv[2], QSize(QString(argv[3]).toInt(), QString(argv[4]).toInt()));
        if (command == "icons" && argc == 4) return WriteIcons(argv[2], argv[3]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    std::fprintf(stderr, "usage: %s sets FOLDER | pictures FOLDER WIDTH HEIGHT | icons FOLDER NAME\n", argv[0]);
    return 2;
}
