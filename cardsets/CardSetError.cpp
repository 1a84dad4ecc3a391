#include "cardsets/CardSetError.h"

namespace velmora {
namespace {

Phrase Damaged(const std::string& fileName) {
    return MakePhrase(ErrorContext, VELMORA_TRANSLATE_NOOP("Errors", "Damaged card set %1: %2"), {fileName});
}

Phrase Unwritable(const std::string& fileName) {
    return MakePhrase(ErrorContext, VELMORA_TRANSLATE_NOOP("Errors", "Cannot write card set %1: %2"), {fileName});
}

}  // namespace

void ThrowDamagedCardSet(const std::string& fileName, const std::string& what) {
    throw ECardSetError(Damaged(fileName), std::runtime_error(what));
}

void ThrowUnwritableCardSet(const std::string& fileName, const std::string& what) {
    throw ECardSetError(Unwritable(fileName), std::runtime_error(what));
}

void ThrowUnwritableCardSet(const std::string& fileName, const std::exception& cause) {
    throw ECardSetError(Unwritable(fileName), cause);
}

void ThrowUnpackableCardSet(const std::string& fileName, const std::exception& cause) {
    // The container's own text stays whole on the first line; the file it came from follows.
    throw ECardSetError(MakePhrase(ErrorContext, "%2\n%1", {fileName}), cause);
}

}  // namespace velmora
