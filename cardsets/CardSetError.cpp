#include "cardsets/CardSetError.h"

namespace velmora {

void ThrowDamagedCardSet(const std::string& fileName, const std::string& what) {
    throw ECardSetError("Damaged card set " + fileName + ": " + what);
}

void ThrowUnwritableCardSet(const std::string& fileName, const std::string& what) {
    throw ECardSetError("Cannot write card set " + fileName + ": " + what);
}

}  // namespace velmora
