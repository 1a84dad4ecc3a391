#include "players/InOutError.h"

#include <cerrno>
#include <string>

namespace velmora {

void RaiseInOutError(int systemError) {
    switch (systemError) {
        case ENOSPC:
        case EDQUOT:
        case EFBIG:
            throw EInOutError(MakePhrase(ErrorContext, VELMORA_TRANSLATE_NOOP("Errors", "Disk full")));
        case EACCES:
        case EPERM:
        case EROFS:
            throw EInOutError(MakePhrase(ErrorContext, VELMORA_TRANSLATE_NOOP("Errors", "File access denied")));
        default:
            throw EInOutError(
                MakePhrase(ErrorContext, VELMORA_TRANSLATE_NOOP("Errors", "I/O error %1"), {std::to_string(systemError)}));
    }
}

}  // namespace velmora
