// Inputs the container fuzzer (tools/fuzz) stopped at, kept so that what they exercise stays covered.

#include <gtest/gtest.h>

#include "CompressionTestSupport.h"

namespace velmora::testing {
namespace {

// A mutated "!HZL" container that restores 26627 bytes, mostly long runs, from 615 coded bytes.
// The fuzzer stopped at it for taking over a second: the round trip of its output through the
// encoder, not the product, was the slow part on the shared machine (see DecompressFuzzer.cpp).
const char* const LongRunsContainer =
    "21485a4c03680000d582697e5bd56c435db1be77f6c501ea4dd195e43f99f21e1400000000000000fbad96382c17fb61"
    "50f91c475c3a64207b3cb2ec655752000065d0b9d8e0b667855b50dd24cb35bfa3ce758dbabb7baf81981617aeefa592"
    "b8d57373d730a39d13ba3d43c9363322ed3158bf3224907cc695b435d6dc8a2c4231f267042ec3666344b91715f1bf6f"
    "f127f515744b53f4b58b2396eaee63e7b30246d7c028fa996b772e78b7ec435f2f72e3f70b78786f7fc185e0c6ffffff"
    "ffffffff1ddc835e6d6aa1fc437fb0ddbad1d7f3db81b0db80b869ab3cf019a081deab897c113174cee4958673245e33"
    "f63a64207b3cb2ec657234052865d0b9d8e0b600000000000000010000000000000003bb49494926cf9b36b9675a4ce8"
    "050000f057ba3d43c9363322ed3158bf3224907cc695b435d6dc8a2c4231f267042e82697e5bd56c435db1be77f6c501"
    "ea4dd195e43f99f21e1400000000000000fbad96382c17fb6150f91cc79e8301dbbe0e5e0fbaa39544e283c0f682a532"
    "7b8c4a63475c3a64207b3cb2ec657257525a4cd0b9d8e0b667855b50dd24cb35bfa3ce758dbabb7baf81981617aeefa5"
    "92b8d57373df1335bfa3ce758dbabb0cda81981617aeefa592b8d57373df13a39d30ba3d43c9363322ed3158bf322490"
    "7cc695b435d6dc8a2c42314af267042ec3666344b91715f1bf6ff127f515744b53f4b58b2996eaee63e7b30246d7c000"
    "007ffc018f26e028fa996b772e78b7ec435f2f72e3f70b78786f7fc185e0c6dc835e6d6aa1fc437fb0ddbad1d7f3db81"
    "b0db80b8693cf019a081deab897c113174cee4958673245e33f63a64207b3cb2ec657234052865d0b9d8e0b600c3a4";

TEST(CompressionFuzzFound, ADamagedLzhContainerOfLongRunsRestoresAndItsOutputComesBackInBothModes) {
    const Bytes restored = Restored(FromHex(LongRunsContainer));
    ASSERT_EQ(restored.size(), 26627u);
    EXPECT_EQ(Bytes(restored.end() - 3, restored.end()), FromHex("cc cc a0"));
    for (const TCompressMode mode : {TCompressMode::Good, TCompressMode::Fast}) {
        EXPECT_EQ(Restored(Compressed(restored, mode)), restored) << static_cast<int>(mode);
    }
}

}  // namespace
}  // namespace velmora::testing
