#pragma once
// Errors of the player-library file, with the messages the user is shown for them.

#include "compression/Stream.h"

namespace velmora {

class EInOutError : public EStreamError {
public:
    using EStreamError::EStreamError;
};

// "Disk full", "File access denied" or "I/O error <n>" for the system error number given.
[[noreturn]] void RaiseInOutError(int systemError);

}  // namespace velmora
