#include <gtest/gtest.h>

#include "core/checked.h"

using core::Byte;
using core::Int16;
using core::Int32;
using core::RuntimeError;

namespace {

template <typename F>
bool overflows(F f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.kind() == RuntimeError::Kind::Overflow;
    }
    return false;
}

}  // namespace

TEST(Checked, LargestValuePassesAndOneMoreRaises) {
    EXPECT_EQ((Byte::of(254) + Byte::of(1)).value(), 255);
    EXPECT_TRUE(overflows([] { return Byte::of(255) + Byte::of(1); }));
    EXPECT_TRUE(overflows([] { return Byte::of(0) - Byte::of(1); }));
    EXPECT_TRUE(overflows([] { return Byte::of(256); }));

    EXPECT_EQ((Int16::of(32766) + Int16::of(1)).value(), 32767);
    EXPECT_TRUE(overflows([] { return Int16::of(32767) + Int16::of(1); }));
    EXPECT_TRUE(overflows([] { return Int16::of(-32768) - Int16::of(1); }));
    EXPECT_TRUE(overflows([] { return Int16::of(200) * Int16::of(200); }));

    EXPECT_EQ((Int32::of(9999) * Int32::of(3112)).value(), 31116888);
    EXPECT_EQ((Int32::of(2147483646) + Int32::of(1)).value(), 2147483647);
    EXPECT_TRUE(overflows([] { return Int32::of(2147483647) + Int32::of(1); }));
    EXPECT_TRUE(overflows([] { return Int32::of(65536) * Int32::of(32768); }));
}

TEST(Checked, WideningAndNarrowing) {
    EXPECT_EQ(Byte::of(200).as<std::int16_t>().value(), 200);
    EXPECT_TRUE(overflows([] { return Int16::of(300).as<std::uint8_t>(); }));
    EXPECT_TRUE(overflows([] { return Int16::of(-1).as<std::uint8_t>(); }));
    EXPECT_TRUE(overflows([] { return Byte::of(18446744073709551615ULL); }));
}
