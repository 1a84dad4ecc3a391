#pragma once
// The player record: one fixed 152-byte layout serves the library file, the library table and
// the players of the running game. Names and passwords are Windows-1252 bytes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora {

inline constexpr int MaxNameLength = 60;

// A length byte followed by a 60-byte slot; only the first Length bytes count.
struct TShortString {
    std::uint8_t Length = 0;
    std::array<char, MaxNameLength> Chars{};

    std::string Text() const;
    // Anything past 60 characters is cut off, as the slot holds no more.
    void Assign(std::string_view text);
};

struct TPlayerRecord {
    TShortString Name;
    TShortString Password;
    std::array<std::uint8_t, 2> Gap1{};
    std::int32_t GamePoints = 0;
    std::int32_t TotalFlips = 0;
    std::int32_t SuccessfulFlips = 0;
    std::int32_t GamePairs = 0;
    std::int32_t GamesPlayed = 0;
    std::int32_t GamesWon = 0;
    std::uint8_t IsHuman = 1;
    std::uint8_t PasswordOn = 0;
    std::uint8_t IQ = 0;
    std::uint8_t Gap2 = 0;
};

static_assert(sizeof(TShortString) == 61);
static_assert(sizeof(TPlayerRecord) == 152);
static_assert(offsetof(TPlayerRecord, Name) == 0);
static_assert(offsetof(TPlayerRecord, Password) == 61);
static_assert(offsetof(TPlayerRecord, Gap1) == 122);
static_assert(offsetof(TPlayerRecord, GamePoints) == 124);
static_assert(offsetof(TPlayerRecord, TotalFlips) == 128);
static_assert(offsetof(TPlayerRecord, SuccessfulFlips) == 132);
static_assert(offsetof(TPlayerRecord, GamePairs) == 136);
static_assert(offsetof(TPlayerRecord, GamesPlayed) == 140);
static_assert(offsetof(TPlayerRecord, GamesWon) == 144);
static_assert(offsetof(TPlayerRecord, IsHuman) == 148);
static_assert(offsetof(TPlayerRecord, PasswordOn) == 149);
static_assert(offsetof(TPlayerRecord, IQ) == 150);
static_assert(offsetof(TPlayerRecord, Gap2) == 151);

inline constexpr std::size_t PlayerRecordSize = sizeof(TPlayerRecord);
using PlayerRecordBytes = std::array<std::uint8_t, PlayerRecordSize>;

// Every character code c becomes (c + 1) mod 256; the file holds names and passwords so.
std::string ScrambleText(std::string_view text);
// Every character code c becomes (c - 1) mod 256.
std::string UnscrambleText(std::string_view text);

// File form <-> memory form: names and passwords are scrambled on the way out, integers are
// written little-endian whatever the machine, and the gaps and unused slot bytes are zero.
PlayerRecordBytes EncodePlayerRecord(const TPlayerRecord& record);
TPlayerRecord DecodePlayerRecord(const PlayerRecordBytes& bytes);

// Copies the six counters (points, flips, pairs, games played and won); nothing else.
void CopyCounters(const TPlayerRecord& from, TPlayerRecord& to);

// A new player's record: all counters zero.
TPlayerRecord MakePlayerRecord(std::string_view name, std::string_view password, bool passwordOn, bool isHuman,
                               int iq);

}  // namespace velmora
