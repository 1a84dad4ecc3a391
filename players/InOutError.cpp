#include "players/InOutError.h"

#include <cerrno>
#include <string>

namespace velmora {

void RaiseInOutError(int systemError) {
    switch (systemError) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            throw EInOutError("Disk full");
        case EACCES:
        case EPERM:
        case EROFS:
            throw EInOutError("File access denied");
        default:
            throw EInOutError("I/O error " + std::to_string(systemError));
    }
}

}  // namespace velmora
