#include "settings/LanguageSetting.h"

#include <algorithm>
#include <string_view>

#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace velmora {
namespace {

constexpr const char* kKey = "Interface";
constexpr const char* kSystemValue = "system";

bool IsOffered(const std::string& code) {
    return std::any_of(kLanguageCodes.begin(), kLanguageCodes.end(), [&](std::string_view c) { return c == code; });
}

}  // namespace

LanguageSetting LanguageSetting::Read(const std::filesystem::path& programFolder) {
    const IniFile ini(programFolder / kSettingsFileName);
    const std::string code = ini.ReadString(kLanguageSection, kKey, kSystemValue);
    return {IsOffered(code) ? code : std::string()};
}

void LanguageSetting::Write(const std::filesystem::path& programFolder) const {
    IniFile ini(programFolder / kSettingsFileName);
    // A file that never had a choice stays as it was.
    if (Code.empty() && !ini.ReadString(kLanguageSection, kKey)) return;
    ini.WriteString(kLanguageSection, kKey, Code.empty() ? kSystemValue : Code);
    ini.Save();
}

}  // namespace velmora
