#pragma once
// Builds the bytes of a card-set prefix or payload: little-endian numbers, counted strings and runs.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

class ByteWriter {
public:
    void Reserve(std::size_t bytes) { bytes_.reserve(bytes); }
    void WriteInt32(std::int32_t value);
    void WriteCountedString(const std::string& text);
    void WriteBytes(const void* data, std::size_t count);
    void WriteByte(std::uint8_t value) { bytes_.push_back(value); }

    std::size_t Size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace velmora
