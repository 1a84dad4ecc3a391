#include "cardsets/ByteWriter.h"

namespace velmora {

void ByteWriter::WriteInt32(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) WriteByte(static_cast<std::uint8_t>(bits >> shift));
}

void ByteWriter::WriteCountedString(const std::string& text) {
    WriteInt32(static_cast<std::int32_t>(text.size()));
    WriteBytes(text.data(), text.size());
}

void ByteWriter::WriteBytes(const void* data, std::size_t count) {
    const auto* p = static_cast<const std::uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + count);
}

}  // namespace velmora
