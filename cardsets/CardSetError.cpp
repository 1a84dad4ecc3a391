#include "cardsets/CardSetError.h"

namespace velmora {
namespace {

Phrase Damaged(const std::string& fileName) {
    return ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "Damaged card set %1: %2"), {fileName});
}

Phrase Unwritable(const std::string& fileName) {
    return ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "Cannot write card set %1: %2"), {fileName});
}

EPhraseError PartDefect(Phrase defect, Phrase part) {
    return EPhraseError(std::move(defect), EPhraseError(std::move(part)));
}

}  // namespace

void ThrowDamagedCardSet(const std::string& fileName, Phrase what) {
    throw ECardSetError(Damaged(fileName), EPhraseError(std::move(what)));
}

void ThrowDamagedCardSet(const std::string& fileName, Phrase defect, Phrase part) {
    throw ECardSetError(Damaged(fileName), PartDefect(std::move(defect), std::move(part)));
}

void ThrowUnreadableCardSet(const std::string& fileName) {
    ThrowDamagedCardSet(fileName, ErrorPhrase(VELMORA_TRANSLATE_NOOP("Errors", "the file cannot be read")));
}

void ThrowUnwritableCardSet(const std::string& fileName, Phrase what) {
    throw ECardSetError(Unwritable(fileName), EPhraseError(std::move(what)));
}

void ThrowUnwritableCardSet(const std::string& fileName, Phrase defect, Phrase part) {
    throw ECardSetError(Unwritable(fileName), PartDefect(std::move(defect), std::move(part)));
}

void ThrowUnwritableCardSet(const std::string& fileName, const std::exception& cause) {
    throw ECardSetError(Unwritable(fileName), cause);
}

void ThrowUnpackableCardSet(const std::string& fileName, const std::exception& cause) {
    // The container's own text stays whole on the first line; the file it came from follows.
    throw ECardSetError(ErrorPhrase("%2\n%1", {fileName}), cause);
}

}  // namespace velmora
