#pragma once
// The exceptions of the compression component and its two codecs. Their messages are the
// component's own fixed texts, marked for translation in the error context, where the windows
// look them up.

#include <stdexcept>

namespace velmora {

// Every failure of the container: files, streams, headers, sizes and damaged blocks.
class ELzrw1Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The LZRW1/KH codec could not get its position table.
class ELzrw1KHCompressor : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The LZH codec could not get (or give back) its dictionary tables.
class ElzhException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace velmora
