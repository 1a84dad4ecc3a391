#pragma once
// Plays the program's sound files ("sound1.wav" .. "sound4.wav" in the sound folder) without
// waiting for them. A missing file, or no sound device, is simply not heard.

#include <QObject>
#include <QString>
#include <filesystem>
#include <map>

class QSoundEffect;

namespace velmora {

class SoundPlayer : public QObject {
public:
    explicit SoundPlayer(std::filesystem::path programFolder, QObject* parent = nullptr);

    // Starts name playing when on is set and the file exists; returns whether it was started.
    bool Play(const QString& name, bool on);

private:
    std::filesystem::path folder_;
    std::map<QString, QSoundEffect*> effects_;
};

}  // namespace velmora
