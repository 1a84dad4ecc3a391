#include "compression/Lzrw1LzhIo.h"

namespace velmora {

bool Tlzrw1::InputReader::Refill() {
    std::uint8_t* buffer = session_.InBuffer();
    const std::int64_t read = session_.Input().Read(buffer, ContainerSession::BlockSize);
    if (read < 0) {
        owner_.Fail(VELMORA_TRANSLATE_NOOP("Errors", "Lzrw1 : Error reading from input stream ! (LZH)"),
                    "Lzrw1 : Error reading from input file : " + owner_.InputFile + " (LZH)");
    }
    owner_.bytesIn_ += static_cast<std::int32_t>(read);
    owner_.RunEvents();
    owner_.ShowProgress("(LZH)");
    Offer(buffer, static_cast<std::size_t>(read));
    return read > 0;
}

Tlzrw1::OutputWriter::OutputWriter(Tlzrw1& owner, ContainerSession& session) : owner_(owner), session_(session) {
    Lend(session_.OutBuffer(), ContainerSession::BlockSize);
}

void Tlzrw1::OutputWriter::WriteHeld() {
    const auto held = static_cast<std::int64_t>(Held());
    owner_.WriteChecked(session_, session_.OutBuffer(), held);
    owner_.bytesOut_ += static_cast<std::int32_t>(held);
    Lend(session_.OutBuffer(), ContainerSession::BlockSize);
    owner_.ShowProgress("(LZH)");
}

}  // namespace velmora
