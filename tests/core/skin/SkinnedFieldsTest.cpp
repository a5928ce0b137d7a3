#include <gtest/gtest.h>

#include <vector>

#include "core/skin/SkinnedFields.h"

namespace ravix {
namespace {

// A spin field as the user sees it: every change of its text tells the owner a value, and a
// corrected text is a change of its own.
std::vector<int> NotificationsForTyping(const std::vector<std::wstring>& texts, const SpinRange& range,
                                        std::wstring& shown) {
    std::vector<int> told;
    for (const std::wstring& typed : texts) {
        shown = typed;
        for (int guard = 0; guard < 4; ++guard) {
            const SpinOutcome outcome = NormaliseSpinText(shown, range);
            told.push_back(outcome.value);
            if (!outcome.correction || *outcome.correction == shown) break;
            shown = *outcome.correction;
        }
    }
    return told;
}

TEST(SpinField, TypingThreeHundredIntoAByteFieldEndsAt255) {
    std::wstring shown;
    EXPECT_EQ(NotificationsForTyping({L"3", L"30", L"300"}, {0, 255, 1}, shown),
              (std::vector<int>{3, 30, 255, 255}));
    EXPECT_EQ(shown, L"255");
}

TEST(SpinField, Normalisation) {
    struct Case {
        const wchar_t* text;
        SpinRange range;
        int value;
        const wchar_t* correction;  // null: the text stays
    } cases[] = {
        {L"", {0, 255, 1}, 0, nullptr},          // an emptied field is 0 and stays empty
        {L"  42", {0, 255, 1}, 42, nullptr},
        {L"12AB", {0, 255, 1}, 12, nullptr},
        {L"7", {0, 255, 5}, 5, L"5"},
        {L"8", {0, 255, 5}, 10, L"10"},
        {L"254", {0, 255, 5}, 255, L"255"},      // rounds to 255 exactly
        {L"253", {0, 255, 5}, 255, L"255"},      // rounds to 255 exactly
        {L"-3", {0, 255, 1}, 0, L"0"},
        {L"5", {10, 20, 1}, 10, L"10"},
        {L"9", {0, 255, 0}, 9, nullptr},         // a step below 1 counts as 1
        {L"99999999999", {0, 255, 1}, 255, L"255"},
    };
    for (const Case& c : cases) {
        const SpinOutcome outcome = NormaliseSpinText(c.text, c.range);
        EXPECT_EQ(outcome.value, c.value) << c.text;
        EXPECT_EQ(outcome.correction.has_value(), c.correction != nullptr) << c.text;
        if (c.correction && outcome.correction) {
            EXPECT_EQ(*outcome.correction, c.correction) << c.text;
        }
    }
}

TEST(DecimalField, KeysLetThrough) {
    for (unsigned key : {0x30u, 0x39u, 0x08u, 0x0Du, 0x23u, 0x24u, 0x25u, 0x27u, 0x2Eu, 0xBCu, 0xBEu})
        EXPECT_TRUE(IsDecimalFieldKey(key)) << key;
    // Letters, the keypad's digits, Up, Down, Tab and Space are swallowed.
    for (unsigned key : {0x41u, 0x46u, 0x60u, 0x69u, 0x26u, 0x28u, 0x09u, 0x20u, 0x2Fu, 0x3Au})
        EXPECT_FALSE(IsDecimalFieldKey(key)) << key;
}

TEST(DecimalField, TextCorrection) {
    struct Case {
        const wchar_t* text;
        const wchar_t* correction;  // null: unchanged
    } cases[] = {
        {L"12AB", nullptr}, {L"0,5.", nullptr}, {L"", nullptr},   {L"1 2", L"12"},
        {L"12ab", L"12"},   {L"AG1", L"1"},     {L"x.y,z", L".,"}, {L"-5", L"5"},
    };
    for (const Case& c : cases) {
        const auto correction = DecimalFieldCorrection(c.text);
        EXPECT_EQ(correction.has_value(), c.correction != nullptr) << c.text;
        if (c.correction && correction) {
            EXPECT_EQ(*correction, c.correction) << c.text;
        }
    }
}

}  // namespace
}  // namespace ravix

namespace ravix {
namespace {

TEST(ThumbDrag, StaysOnItsBar) {
    struct Case {
        int left, top, bottom, dy;
        std::optional<int> top_after;
    } cases[] = {
        {984, 32, 146, 0, 32},            // a drag of nothing still moves (to the same place)
        {984, 32, 146, -1, std::nullopt}, // top would be 31
        {984, 100, 214, 381, 481},        // bottom 595: the lowest place
        {984, 100, 214, 382, std::nullopt},
        {985, 100, 214, 5, std::nullopt}, // off the bar's column
    };
    for (const Case& c : cases) EXPECT_EQ(DraggedThumbTop(c.left, c.top, c.bottom, c.dy), c.top_after) << c.dy;
}

}  // namespace
}  // namespace ravix
