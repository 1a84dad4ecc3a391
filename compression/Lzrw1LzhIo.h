#pragma once
// The byte source and sink through which the container feeds the LZH codec: the input is read
// 32768 bytes at a time into the input buffer, and the output leaves in pieces of 32768 bytes from
// the output buffer, each step counted and shown like the blocks of the fast codec.

#include "compression/ContainerSession.h"
#include "compression/Lzh.h"
#include "compression/Lzrw1.h"

namespace velmora {

class Tlzrw1::InputReader : public LzhSource {
public:
    InputReader(Tlzrw1& owner, ContainerSession& session) : owner_(owner), session_(session) {}

protected:
    bool Refill() override;

private:
    Tlzrw1& owner_;
    ContainerSession& session_;
};

class Tlzrw1::OutputWriter : public LzhSink {
public:
    OutputWriter(Tlzrw1& owner, ContainerSession& session);

    // Writes out what is still held.
    void Finish() { WriteHeld(); }

protected:
    void Drain() override { WriteHeld(); }

private:
    void WriteHeld();

    Tlzrw1& owner_;
    ContainerSession& session_;
};

}  // namespace velmora
