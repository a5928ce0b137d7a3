#include <gtest/gtest.h>

#include <numeric>

#include "core/device/CommandFrame.h"

namespace ravix {
namespace {

TEST(CommandFrame, ChecksumsOfTheWorkedExamples) {
    struct Case {
        std::uint8_t code, argument1, argument2, checksum;
    } cases[] = {
        {0x82, 0x00, 0x00, 0x7D},
        {0x01, 0xFC, 0x00, 0x02},
        {0x0C, 0x00, 0x80, 0x73},
        {0x0F, 0x01, 0x80, 0x6F},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeFrame(c.code, c.argument1, c.argument2).checksum, c.checksum) << +c.code;
}

TEST(CommandFrame, AllEightBytesSumToFFWhateverTheArguments) {
    for (unsigned seed = 0; seed < 64; ++seed) {
        CommandFrame frame;
        frame.code = static_cast<std::uint8_t>(seed * 37);
        for (std::size_t i = 0; i < frame.arguments.size(); ++i)
            frame.arguments[i] = static_cast<std::uint8_t>(seed * 91 + i * 53);
        frame.checksum = FrameChecksum(frame);
        const auto bytes = FrameBytes(frame);
        EXPECT_EQ(std::accumulate(bytes.begin(), bytes.end(), 0u) % 256, 0xFFu) << seed;
        EXPECT_TRUE(HasValidChecksum(frame));
        frame.arguments[5] ^= 1;
        EXPECT_FALSE(HasValidChecksum(frame));
    }
}

TEST(CommandFrame, BitSevenMarksAReadCommand) {
    EXPECT_TRUE(IsReadCommand(MakeFrame(0x82)));
    EXPECT_TRUE(IsReadCommand(MakeFrame(0x8C)));
    EXPECT_FALSE(IsReadCommand(MakeFrame(0x02)));
    EXPECT_FALSE(IsReadCommand(MakeFrame(0x0F, 1, 0x80)));
}

TEST(CommandFrame, BytesRoundTripInWireOrder) {
    const std::array<std::uint8_t, 8> bytes = {0x03, 0x02, 0x04, 0, 0, 0, 0, 0xF6};
    const CommandFrame frame = FrameFromBytes(bytes);
    EXPECT_EQ(frame.code, 0x03);
    EXPECT_EQ(frame.arguments[0], 0x02);
    EXPECT_EQ(frame.arguments[1], 0x04);
    EXPECT_EQ(frame.checksum, 0xF6);
    EXPECT_EQ(FrameBytes(frame), bytes);
    EXPECT_TRUE(HasValidChecksum(frame));
}

}  // namespace
}  // namespace ravix
