// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/setting_codec.h"

#include <gtest/gtest.h>

#include <array>

namespace cw {
namespace {

using Fields = std::array<std::int32_t, 5>;

TEST(SettingValueEncoding, LowNibbleComesFirstInUppercaseUpToTheFirstZeroByte) {
    EXPECT_EQ(EncodeSettingValue("abc"), "162636");
    EXPECT_EQ(EncodeSettingValue("\xFE\x0A"), "EFA0");
    EXPECT_EQ(EncodeSettingValue(""), "");
    EXPECT_EQ(EncodeSettingValue(std::string_view("ab\0cd", 5)), "1626");
}

// An odd length ends with a lone low nibble; pairs that decode to zero are skipped.
TEST(SettingValueDecoding, ReversesTheEncoding) {
    const std::pair<const char*, const char*> cases[] = {
        {"162636", "abc"}, {"1626361", "abc\x01"}, {"7", "\x07"}, {"00162600360", "abc"}};
    for (const auto& [stored, value] : cases)
        EXPECT_EQ(DecodeSettingValue(stored), value) << stored;
    const std::string longPath = "/opt/" + std::string(300, 'x') + "/browser \xC3\xA9";
    EXPECT_EQ(DecodeSettingValue(EncodeSettingValue(longPath)), longPath);
}

TEST(SettingValueDecoding, AnyCharacterDecodesToSomeByte) {
    // 'a' (97) counts as 97 - 55 = 42: low nibble 10 and, shifted, the rest cut to 8 bits.
    EXPECT_EQ(DecodeSettingValue("a0"), std::string(1, static_cast<char>(42)));
    // '!' counts as 33 - 48 = -15, which leaves a byte after masking to 8 bits.
    EXPECT_EQ(DecodeSettingValue("!0").size(), 1u);
    EXPECT_EQ(DecodeSettingValue("\xFF\x80\x01\x7F").size(), 2u);
}

TEST(NumberListParsing, ReadsEveryFieldOfAFullList) {
    Fields fields{};
    EXPECT_EQ(ParseNumberList("2,5,-7,0,123456", fields), 5);
    EXPECT_EQ(fields, (Fields{2, 5, -7, 0, 123456}));
}

TEST(NumberListParsing, StopsAtTheFirstFieldThatIsNoNumberAndKeepsTheRest) {
    Fields fields{9, 9, 9, 9, 9};
    EXPECT_EQ(ParseNumberList("1,2", fields), 2);
    EXPECT_EQ(fields, (Fields{1, 2, 9, 9, 9}));
    EXPECT_EQ(ParseNumberList("x,2", fields), 0);
    EXPECT_EQ(ParseNumberList("1;2", fields), 1);
    EXPECT_EQ(ParseNumberList("3, +4,5 ,6", fields), 3);
    EXPECT_EQ(fields, (Fields{3, 4, 5, 9, 9}));
}

TEST(NumberListParsing, ValuesBeyondThirtyTwoBitsAreClamped) {
    Fields fields{};
    EXPECT_EQ(ParseNumberList("99999999999999999999999,-99999999999", fields), 2);
    EXPECT_EQ(fields[0], 2147483647);
    EXPECT_EQ(fields[1], -2147483647 - 1);
}

TEST(NumberListFormatting, WritesCommaSeparatedDecimals) {
    const Fields fields{0, 2, -1, 0, 2147483647};
    EXPECT_EQ(FormatNumberList(fields), "0,2,-1,0,2147483647");
}

} // namespace
} // namespace cw
