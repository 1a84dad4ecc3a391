#include "app/ui/Sound.h"

#include <QSoundEffect>
#include <QUrl>

namespace velmora {

SoundPlayer::SoundPlayer(std::filesystem::path programFolder, QObject* parent)
    : QObject(parent), folder_(std::move(programFolder)) {}

bool SoundPlayer::Play(const QString& name, bool on) {
    if (!on) return false;
    const std::filesystem::path file = folder_ / name.toStdString();
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return false;
    QSoundEffect*& effect = effects_[name];
    if (effect == nullptr) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    }
    // Restarting a sound that is still playing is what a quick second click should sound like.
    effect->stop();
    effect->play();
    return true;
}

}  // namespace velmora
