// Draws the card back and the fifty faces at one card size into a folder, for looking at them.
#include <QGuiApplication>
#include <QString>
#include <cstdio>

#include "tools/cardart/CardArt.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const QString folder = argv[1];
    const QSize size(QString(argv[2]).toInt(), QString(argv[3]).toInt());
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
