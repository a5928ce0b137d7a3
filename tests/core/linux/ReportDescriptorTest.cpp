#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "RecordedDescriptors.h"
#include "linux/device/ReportDescriptor.h"

namespace ravix::linux_hid {
namespace {

using testing_support::kCommandDescriptor;
using testing_support::kEventDescriptor;
using testing_support::kPointerDescriptor;
using testing_support::kSharedDescriptor;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

TopLevelCollection Collection(std::uint16_t page, std::uint16_t usage, std::uint16_t input, std::uint16_t output,
                              std::uint16_t feature, std::vector<std::uint8_t> ids = {}) {
    return {page, usage, input, output, feature, std::move(ids)};
}

TEST(ReportDescriptor, OneCollectionPerInterfaceGivesTheLengthsWindowsReports) {
    struct Case {
        const char* name;
        const std::vector<std::uint8_t>& bytes;
        TopLevelCollection expected;
        bool numbered;
    } cases[] = {
        {"pointer", kPointerDescriptor, Collection(0x0001, 0x0002, 5, 0, 0), false},
        {"event", kEventDescriptor, Collection(0xFF01, 0x0001, 8, 0, 0, {6}), true},
        {"command", kCommandDescriptor, Collection(0xFF00, 0xFF00, 65, 65, 9), false},
    };
    for (const Case& c : cases) {
        const auto parsed = ParseReportDescriptor(c.bytes);
        ASSERT_TRUE(parsed) << c.name;
        EXPECT_THAT(parsed->collections, ElementsAre(c.expected)) << c.name;
        EXPECT_EQ(parsed->numberedReports, c.numbered) << c.name;
    }
}

TEST(ReportDescriptor, SeveralCollectionsOnOneInterfaceEachKeepTheirReportIds) {
    const auto parsed = ParseReportDescriptor(kSharedDescriptor);
    ASSERT_TRUE(parsed);
    EXPECT_TRUE(parsed->numberedReports);
    EXPECT_THAT(parsed->collections, ElementsAre(Collection(0x0001, 0x0002, 4, 0, 0, {1}),
                                                 Collection(0xFF01, 0x0001, 8, 0, 0, {6}),
                                                 Collection(0x000C, 0x0001, 3, 0, 0, {3})));
}

TEST(ReportDescriptor, PushPopAndLongItemsAreFollowed) {
    // Report size pushed as 16 bits, popped back to 8; a long item is skipped whole.
    const std::vector<std::uint8_t> bytes = {0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x75, 0x08, 0xA4,
                                             0x75, 0x10, 0x95, 0x01, 0xB1, 0x02, 0xB4, 0x95, 0x02, 0xB1,
                                             0x02, 0xFE, 0x02, 0x10, 0xAA, 0xBB, 0xC0};
    const auto parsed = ParseReportDescriptor(bytes);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->collections.at(0).featureReportLength, 5);  // 16 + 16 bits, and the id byte
}

TEST(ReportDescriptor, DamagedDescriptorsAreRefusedWithAReason) {
    std::vector<std::uint8_t> truncated(kCommandDescriptor.begin(), kCommandDescriptor.end() - 2);
    truncated.push_back(0x26);  // a two-byte item with one byte left
    truncated.push_back(0xFF);
    std::vector<std::uint8_t> tooLong(kMaxReportDescriptorSize + 1, 0x00);
    struct Case {
        const char* name;
        std::vector<std::uint8_t> bytes;
        const char* reason;
    } cases[] = {
        {"empty", {}, "no top-level collection"},
        {"item cut off", truncated, "item truncated"},
        {"long item cut off", {0xFE, 0x05, 0x00, 0x01}, "long item truncated"},
        {"collection never closed", {0x09, 0x01, 0xA1, 0x01, 0x75, 0x08}, "never closed"},
        {"end without a collection", {0xC0}, "never opened"},
        {"report outside a collection", {0x75, 0x08, 0x95, 0x01, 0x81, 0x02}, "outside a collection"},
        {"report identifier 0", {0x09, 0x01, 0xA1, 0x01, 0x85, 0x00, 0xC0}, "invalid report identifier"},
        {"pop without push", {0xB4}, "pop without push"},
        {"report of 2^32 bits", {0x09, 0x01, 0xA1, 0x01, 0x77, 0xFF, 0xFF, 0xFF, 0xFF, 0x97, 0xFF, 0xFF, 0xFF, 0xFF, 0x81, 0x02, 0xC0},
         "report too long"},
        {"longer than the kernel allows", tooLong, "longer than"},
    };
    for (const Case& c : cases) {
        std::string reason;
        EXPECT_FALSE(ParseReportDescriptor(c.bytes, &reason)) << c.name;
        EXPECT_THAT(reason, HasSubstr(c.reason)) << c.name;
    }
}

TEST(ReportDescriptor, NestingAndPushingHaveALimit) {
    std::vector<std::uint8_t> nested, pushed = {0x09, 0x01, 0xA1, 0x01};
    for (int i = 0; i < 40; ++i) nested.insert(nested.end(), {0xA1, 0x00});
    for (int i = 0; i < 40; ++i) nested.push_back(0xC0);
    for (int i = 0; i < 40; ++i) pushed.push_back(0xA4);
    EXPECT_FALSE(ParseReportDescriptor(nested));
    EXPECT_FALSE(ParseReportDescriptor(pushed));
    EXPECT_THAT(ParseReportDescriptor(std::vector<std::uint8_t>{0x09, 0x01, 0xA1, 0x01, 0xC0})->collections.at(0).inputReportIds,
                IsEmpty());
}

}  // namespace
}  // namespace ravix::linux_hid
