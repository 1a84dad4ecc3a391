#include "players/PlayerRecord.h"

#include <algorithm>

namespace velmora {

namespace {

std::string ShiftText(std::string_view text, int by) {
    std::string shifted(text);
    for (char& c : shifted) c = static_cast<char>(static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) + by));
    return shifted;
}

void PutInt32(std::uint8_t* at, std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t GetInt32(const std::uint8_t* at) {
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    return static_cast<std::int32_t>(bits);
}

void PutString(std::uint8_t* at, const std::string& text) {
    at[0] = static_cast<std::uint8_t>(text.size());
    std::copy(text.begin(), text.end(), at + 1);
}

// A length byte above 60 (a damaged file) is read as 60 so that the slot is never overrun.
std::string GetString(const std::uint8_t* at) {
    const std::size_t length = std::min<std::size_t>(at[0], MaxNameLength);
    return std::string(reinterpret_cast<const char*>(at + 1), length);
}

// The integer fields in file order, each with its offset in the record.
template <typename Record, typename Visit>
void ForEachCounter(Record& record, Visit visit) {
    visit(124, record.GamePoints);
    visit(128, record.TotalFlips);
    visit(132, record.SuccessfulFlips);
    visit(136, record.GamePairs);
    visit(140, record.GamesPlayed);
    visit(144, record.GamesWon);
}

}  // namespace

std::string TShortString::Text() const {
    return std::string(Chars.data(), std::min<std::size_t>(Length, MaxNameLength));
}

void TShortString::Assign(std::string_view text) {
    const std::size_t length = std::min<std::size_t>(text.size(), MaxNameLength);
    Chars.fill(0);
    std::copy_n(text.begin(), length, Chars.begin());
    Length = static_cast<std::uint8_t>(length);
}

std::string ScrambleText(std::string_view text) { return ShiftText(text, 1); }

std::string UnscrambleText(std::string_view text) { return ShiftText(text, -1); }

PlayerRecordBytes EncodePlayerRecord(const TPlayerRecord& record) {
    PlayerRecordBytes bytes{};
    PutString(bytes.data() + 0, ScrambleText(record.Name.Text()));
    PutString(bytes.data() + 61, ScrambleText(record.Password.Text()));
    ForEachCounter(record, [&](std::size_t offset, std::int32_t value) { PutInt32(bytes.data() + offset, value); });
    bytes[148] = record.IsHuman;
    bytes[149] = record.PasswordOn;
    bytes[150] = record.IQ;
    return bytes;
}

TPlayerRecord DecodePlayerRecord(const PlayerRecordBytes& bytes) {
    TPlayerRecord record;
    record.Name.Assign(UnscrambleText(GetString(bytes.data() + 0)));
    record.Password.Assign(UnscrambleText(GetString(bytes.data() + 61)));
    ForEachCounter(record, [&](std::size_t offset, std::int32_t& value) { value = GetInt32(bytes.data() + offset); });
    record.IsHuman = bytes[148];
    record.PasswordOn = bytes[149];
    record.IQ = bytes[150];
    return record;
}

TPlayerRecord MakePlayerRecord(std::string_view name, std::string_view password, bool passwordOn, bool isHuman,
                               int iq) {
    TPlayerRecord record;
    record.Name.Assign(name);
    record.Password.Assign(password);
    record.PasswordOn = passwordOn ? 1 : 0;
    record.IsHuman = isHuman ? 1 : 0;
    record.IQ = static_cast<std::uint8_t>(std::clamp(iq, 0, 50));
    return record;
}

void CopyCounters(const TPlayerRecord& from, TPlayerRecord& to) {
    to.GamePoints = from.GamePoints;
    to.TotalFlips = from.TotalFlips;
    to.SuccessfulFlips = from.SuccessfulFlips;
    to.GamePairs = from.GamePairs;
    to.GamesPlayed = from.GamesPlayed;
    to.GamesWon = from.GamesWon;
}

}  // namespace velmora
