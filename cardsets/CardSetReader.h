#pragma once
// Reads a card-set file: its prefix alone, or the prefix and the payload.

#include <filesystem>
#include <optional>
#include <string>

#include "cardsets/CardSetParts.h"
#include "cardsets/CardSetPrefix.h"
#include "cardsets/CardSetProgress.h"
#include "cardsets/PayloadReader.h"

namespace velmora {

struct CardSetContents {
    CardSetPrefix Prefix;
    std::optional<CardSetPayload> Payload;  // empty after a prefix-only read
};

// Raises EFOpenError "Cannot open file <fileName>" when the file cannot be opened and ECardSetError
// naming fileName for a damaged file. Progress is shown only while a payload is read, and closed
// however the read ends.
CardSetContents ReadCardSetFile(const std::filesystem::path& path, const std::string& fileName,
                                CardSetParts parts, CardSetProgress* progress = nullptr);

}  // namespace velmora
