// Helps the screenshot script show what the menus alone cannot reach without a game: the main
// window with a set read, then either Current Card Set Info open on it or the Please Wait window
// during a read slowed down enough to be photographed, or the Game Over window of a game won.
// It runs until it is ended.
//
// Usage: velmora-cardwinshot FOLDER info|wait|gameover [SET]

#include <QAction>
#include <QApplication>
#include <QThread>
#include <QTimer>
#include <iostream>
#include <string>

#include "app/ui/MainWindow.h"
#include "cardsets/ui/CardSetWindows.h"
#include "cardsets/ui/Wait.h"
#include "engine/GameTexts.h"

namespace {

// The Please Wait window, with a pause at every step of the bar.
class SlowProgress : public velmora::CardSetProgress {
public:
    explicit SlowProgress(velmora::CardSetProgress& wait) : wait_(wait) {}
    void ShowProgress() override { wait_.ShowProgress(); }
    void SetProgressPosition(int position) override {
        wait_.SetProgressPosition(position);
        QApplication::processEvents();
        QThread::msleep(80);
    }
    void ProcessEvents() override { wait_.ProcessEvents(); }
    void CloseProgress() override { wait_.CloseProgress(); }

private:
    velmora::CardSetProgress& wait_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::cerr << "usage: velmora-cardwinshot FOLDER info|wait|gameover [SET]\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::string mode = argv[2];
    const std::string set = argc > 3 ? argv[3] : "Default.cst";
    velmora::MainWindow window(folder);
    window.show();
    // After the splash, which closes itself within three seconds.
    QTimer::singleShot(3500, &window, [&] {
        try {
            if (mode == "gameover") {
                window.ShowGameOver(velmora::WinnerSentence("Annabelle"), 0);
                return;
            }
            if (mode == "wait") {
                SlowProgress slow(window.CardWindows().Progress());
                for (;;) window.CardSet().LoadCardSet(folder, set, velmora::CardSetParts::PicturesAndBackground, &slow);
            }
            window.LoadGameCardSet(set);
            window.findChild<QAction*>("CurrentVelmoraSetInfo1")->trigger();
        } catch (const std::exception& e) {
            std::cerr << "velmora-cardwinshot: " << e.what() << '\n';
            QApplication::exit(1);
        }
    });
    return QApplication::exec();
}
