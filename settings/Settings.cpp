#include "settings/Settings.h"

#include <algorithm>

#include "settings/IniFile.h"

namespace velmora {

bool IsOfferedFlipDelay(int ticks) {
    return std::find(kFlipDelays.begin(), kFlipDelays.end(), ticks) != kFlipDelays.end();
}

Settings Settings::Read(const std::filesystem::path& programFolder) {
    const IniFile ini(programFolder / kSettingsFileName);
    Settings settings;
    settings.FlipDelay = ini.ReadInteger(kSettingsSection, "FlipDelay", settings.FlipDelay);
    settings.SoundOn = ini.ReadBool(kSettingsSection, "SoundOn", settings.SoundOn);
    settings.LastSet = ini.ReadString(kSettingsSection, "LastSet", settings.LastSet);
    settings.LastFormat = ini.ReadInteger(kSettingsSection, "LastFormat", settings.LastFormat);
    if (!IsOfferedFlipDelay(settings.FlipDelay)) settings.FlipDelay = kNormalFlipDelay;
    // The New Game dialog indexes its format list with it: a hand-edited value must not reach it.
    if (settings.LastFormat < 0 || settings.LastFormat > 3) settings.LastFormat = Settings{}.LastFormat;
    return settings;
}

void Settings::Write(const std::filesystem::path& programFolder) const {
    IniFile ini(programFolder / kSettingsFileName);
    ini.WriteInteger(kSettingsSection, "FlipDelay", FlipDelay);
    ini.WriteBool(kSettingsSection, "SoundOn", SoundOn);
    ini.WriteString(kSettingsSection, "LastSet", LastSet);
    ini.WriteInteger(kSettingsSection, "LastFormat", LastFormat);
    ini.Save();
}

}  // namespace velmora
