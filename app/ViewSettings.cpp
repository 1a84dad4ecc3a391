#include "app/ViewSettings.h"

#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace velmora {
namespace {

bool Usable(Extent room, Extent available, Extent chrome) {
    return room.Width >= kClientExtent.Width && room.Height >= kClientExtent.Height &&
           room.Width + chrome.Width <= available.Width && room.Height + chrome.Height <= available.Height;
}

}  // namespace

ViewSettings ViewSettings::Read(const std::filesystem::path& programFolder) {
    const IniFile ini(programFolder / kSettingsFileName);
    ViewSettings settings;
    settings.ZoomChoice = ZoomNamed(ini.ReadString(kViewSection, "Zoom", ""));
    settings.RoomSize = {ini.ReadInteger(kViewSection, "Width", 0), ini.ReadInteger(kViewSection, "Height", 0)};
    settings.FullScreen = ini.ReadBool(kViewSection, "FullScreen", false);
    return settings;
}

void ViewSettings::Write(const std::filesystem::path& programFolder) const {
    IniFile ini(programFolder / kSettingsFileName);
    ini.WriteString(kViewSection, "Zoom", ZoomName(ZoomChoice.value_or(Zoom::Percent100)));
    ini.WriteInteger(kViewSection, "Width", RoomSize.Width);
    ini.WriteInteger(kViewSection, "Height", RoomSize.Height);
    ini.WriteBool(kViewSection, "FullScreen", FullScreen);
    ini.Save();
}

ViewState ResolveView(const ViewSettings& saved, Extent available, Extent chrome) {
    const Zoom first = FirstStartZoom(available, chrome);
    if (!saved.ZoomChoice) return {first, ZoomedRoom(first), saved.FullScreen};
    if (Usable(saved.RoomSize, available, chrome)) return {*saved.ZoomChoice, saved.RoomSize, saved.FullScreen};
    // No size kept (a zoom written by hand): the zoom's own room, where the screen holds it.
    if (saved.RoomSize == Extent{} && Usable(ZoomedRoom(*saved.ZoomChoice), available, chrome))
        return {*saved.ZoomChoice, ZoomedRoom(*saved.ZoomChoice), saved.FullScreen};
    return {first, ZoomedRoom(first), saved.FullScreen};
}

}  // namespace velmora
