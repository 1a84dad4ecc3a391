#pragma once
// The file velmora.dat: a plain run of 152-byte player records, no header. Whole-file rewrites go
// through a temporary file that replaces the old one only when complete; a failed append is undone.

#include <filesystem>
#include <functional>
#include <span>

#include "players/PlayerRecord.h"
#include "text/Phrase.h"

namespace velmora {

inline constexpr const char* LibraryFileName = "velmora.dat";

std::filesystem::path LibraryFilePath(const std::filesystem::path& folder);

// Hands every whole record to onRecord in file order. A missing or unreadable file holds no
// records. A fragment at the end raises EReadError("Read beyond end of file") after the whole
// records before it were handed over.
void ReadLibraryFile(const std::filesystem::path& file, const std::function<void(const TPlayerRecord&)>& onRecord);

// Replaces the file by exactly these records. On failure (EInOutError) the old file is untouched.
void WriteLibraryFile(const std::filesystem::path& file, std::span<const TPlayerRecord> records);

// Decides, from the records already in the file, whether the new record may be appended.
// It returns an empty phrase to go ahead, or the message that refuses the addition.
using AppendCheck = std::function<Phrase(std::span<const TPlayerRecord> existing)>;

// Reads the file (created when missing), asks check, and appends the record at its end when
// check agrees. Returns check's refusal, or an empty phrase once the record is written. A write
// that fails restores the file as it was and raises EInOutError.
Phrase AppendLibraryRecord(const std::filesystem::path& file, const TPlayerRecord& record,
                                const AppendCheck& check);

}  // namespace velmora
