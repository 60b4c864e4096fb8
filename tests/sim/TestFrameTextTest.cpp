#include "TestFrameText.h"

#include <gtest/gtest.h>

namespace quorl {
namespace {

TEST(TestFrameText, SaysWhatEachStepCarries) {
    using Kind = SimTestFrame::Kind;
    const struct {
        SimTestFrame frame;
        const char* text;
    } cases[] = {
        {{Kind::Command, {0x73}}, "command 73: Squelch Level"},
        {{Kind::Frequencies, {0x25, 0x06, 0x60, 0x44, 0x00, 0x00, 0x00, 0x02}},
         "frequencies 25 06 60 44 00 00 00 02: receive 446.00625 MHz, transmit 20.00000 MHz"},
        {{Kind::Values, {0x70, 0x06, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xA0}},
         "values 70 06 00 00 FB 01 01 A0: receive tone 67.0 Hz, transmit tone off, value 160"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(describeTestFrame(c.frame), c.text);
}

} // namespace
} // namespace quorl
