#pragma once
// Moves a card set's payload into and out of the compressed container that follows the prefix.

#include <cstdint>
#include <string>
#include <vector>

#include "compression/Stream.h"
#include "cardsets/CardSetPrefix.h"
#include "cardsets/CardSetProgress.h"

namespace velmora {

// Decompresses the container that starts at the file's position. Before anything is decompressed the
// container's size field is held against what the prefix allows and what the file's own length can
// code, so a hostile file never makes the reader allocate more than its size justifies. Container
// errors are raised again with the file's name in front.
std::vector<std::uint8_t> UnpackPayload(Stream& file, const CardSetPrefix& prefix, const std::string& fileName,
                                        ProgressSession& progress);

// Compresses payload (mode Good) into file from its current position.
void PackPayload(const std::vector<std::uint8_t>& payload, Stream& file, ProgressSession& progress);

}  // namespace velmora
