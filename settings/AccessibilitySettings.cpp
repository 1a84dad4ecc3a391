#include "settings/AccessibilitySettings.h"

#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace velmora {

AccessibilitySettings AccessibilitySettings::Read(const std::filesystem::path& programFolder) {
    const IniFile ini(programFolder / kSettingsFileName);
    return {ini.ReadBool(kAccessibilitySection, "HighContrast", false)};
}

void AccessibilitySettings::Write(const std::filesystem::path& programFolder) const {
    IniFile ini(programFolder / kSettingsFileName);
    ini.WriteBool(kAccessibilitySection, "HighContrast", HighContrast);
    ini.Save();
}

}  // namespace velmora
