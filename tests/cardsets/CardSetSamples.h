#pragma once
// Sample card sets and scratch folders shared by the card-set tests.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cardsets/CardSetDescription.h"
#include "cardsets/CardSetProgress.h"
#include "tools/support/TempFolder.h"

namespace velmora::testing {

// A test folder addressed by file name, as the program folder is.
class ScratchFolder {
public:
    const std::filesystem::path& Path() const { return folder_.Path(); }
    std::filesystem::path operator/(const std::string& name) const { return Path() / name; }
    void WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
        WriteBytes(Path() / name, bytes);
    }
    std::vector<std::uint8_t> ReadFile(const std::string& name) const { return ReadBytes(Path() / name); }

private:
    TempFolder folder_;
};

// A picture whose every pixel differs from its neighbours and from the same pixel of any other seed.
Picture PatternPicture(std::int32_t width, std::int32_t height, std::uint32_t seed);

// count cards of width x height named "card<i>", with patterned pictures, an ascending palette and
// the given details; a colour background unless withPicture (then a 540 x 374 patterned picture).
CardSetDescription SampleSet(std::int32_t count, std::int32_t width, std::int32_t height, bool withPicture = false);

std::vector<std::uint8_t> Int32Bytes(std::int32_t value);

// Records what a card-set read or write asked of the Please Wait window.
class RecordingProgress : public CardSetProgress {
public:
    void ShowProgress() override { ++shows; positions.clear(); }
    void SetProgressPosition(int position) override { positions.push_back(position); }
    void ProcessEvents() override { ++eventPumps; }
    void CloseProgress() override { ++closes; }

    int shows = 0;
    int closes = 0;
    int eventPumps = 0;
    std::vector<int> positions;
};

}  // namespace velmora::testing
