#include "settings/PictureFitSettings.h"

#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace velmora {

PictureFitSettings PictureFitSettings::Read(const std::filesystem::path& programFolder) {
    const IniFile ini(programFolder / kSettingsFileName);
    PictureFitSettings settings;
    settings.FitOn = ini.ReadBool(kPictureFitSection, "FitPictures", settings.FitOn);
    const std::optional<FitMode> mode = FitModeNamed(ini.ReadString(kPictureFitSection, "Mode", "crop"));
    settings.Mode = mode == FitMode::Fit ? FitMode::Fit : FitMode::Crop;
    settings.SizeFromFirstPicture = ini.ReadBool(kPictureFitSection, "SizeFromFirstPicture", false);
    return settings;
}

void PictureFitSettings::Write(const std::filesystem::path& programFolder) const {
    IniFile ini(programFolder / kSettingsFileName);
    ini.WriteBool(kPictureFitSection, "FitPictures", FitOn);
    ini.WriteString(kPictureFitSection, "Mode", FitModeName(Mode));
    ini.WriteBool(kPictureFitSection, "SizeFromFirstPicture", SizeFromFirstPicture);
    ini.Save();
}

}  // namespace velmora
