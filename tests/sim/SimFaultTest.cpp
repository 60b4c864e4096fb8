#include "SimFault.h"

#include <gtest/gtest.h>

namespace quorl {
namespace {

TEST(SimFault, ParsesEveryKindWithItsBlock) {
    struct Case {
        const char* text;
        SimFaultKind kind;
        std::optional<int> block;
        int replyLength;
    };
    const Case cases[] = {
        {"silent", SimFaultKind::Silent, std::nullopt, 10},
        {"silent@12", SimFaultKind::Silent, 12, 10},
        {"wrong-ack", SimFaultKind::WrongHandshakeByte, std::nullopt, 10},
        {"no-go-ahead", SimFaultKind::NoGoAheadAnswer, std::nullopt, 10},
        {"short:9", SimFaultKind::ShortReadReply, std::nullopt, 9},
        {"short:0@1022", SimFaultKind::ShortReadReply, 1022, 0},
        {"no-block-ack@7", SimFaultKind::MissingBlockAck, 7, 10},
        {"no-write-ack", SimFaultKind::MissingWriteAck, std::nullopt, 10},
        {"drop-write@3", SimFaultKind::DroppedWrite, 3, 10},
        {"hang-up@0", SimFaultKind::HangUp, 0, 10},
        {"no-command-ack", SimFaultKind::NoCommandAck, std::nullopt, 10},
        {"no-frequency-ack", SimFaultKind::NoFrequencyAck, std::nullopt, 10},
    };
    for (const Case& c : cases) {
        const std::optional<SimFault> fault = parseSimFault(c.text);
        ASSERT_TRUE(fault) << c.text;
        EXPECT_EQ(fault->kind, c.kind) << c.text;
        EXPECT_EQ(fault->block, c.block) << c.text;
        EXPECT_EQ(fault->replyLength, c.replyLength) << c.text;
    }
}

TEST(SimFault, RefusesWhatItCannotDo) {
    for (const char* text : {"", "loud", "silent@", "silent@-1", "silent@1024", "silent@x", "short",
                             "short:12", "short:-1", "short:9x", "silent:3", "wrong-ack@2",
                             "no-go-ahead@0", "hang-up@5@6", "no-command-ack@1"})
        EXPECT_FALSE(parseSimFault(text)) << text;
}

} // namespace
} // namespace quorl
