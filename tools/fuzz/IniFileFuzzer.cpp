// The settings file as a user may have edited it: Settings::Read must turn any content into values
// the windows can take, and what Settings::Write then writes must read back as the same values,
// with every line of the file it did not own kept.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "FuzzFolder.h"
#include "settings/IniFile.h"
#include "settings/Settings.h"

namespace {

bool Same(const velmora::Settings& a, const velmora::Settings& b) {
    return a.FlipDelay == b.FlipDelay && a.SoundOn == b.SoundOn && a.LastSet == b.LastSet &&
           a.LastFormat == b.LastFormat;
}

bool Usable(const velmora::Settings& settings) {
    return velmora::IsOfferedFlipDelay(settings.FlipDelay) && settings.LastFormat >= 0 && settings.LastFormat <= 3;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmora::fuzz::WriteInput(velmora::kSettingsFileName, data, size);
    const auto& folder = velmora::fuzz::FuzzFolder();
    const std::string otherValue = velmora::IniFile(folder / velmora::kSettingsFileName).ReadString("other", "key", "");

    const velmora::Settings settings = velmora::Settings::Read(folder);
    if (!Usable(settings)) std::abort();
    settings.Write(folder);
    const velmora::IniFile written(folder / velmora::kSettingsFileName);
    if (!Same(velmora::Settings::Read(folder), settings)) std::abort();
    if (written.ReadString("other", "key", "") != otherValue) std::abort();
    return 0;
}
