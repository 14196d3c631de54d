// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/setting_codec.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace cw {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

// Any character maps to some nibble value: the decoder must accept whatever a hand-edited
// file holds, and the result is cut to 8 bits afterwards.
int NibbleValue(char character) {
    const auto c = static_cast<unsigned char>(character);
    return c >= 'A' && c <= 127 ? c - 55 : c - 48;
}

// One "%ld" conversion at `pos`; on success advances `pos` past the number.
bool ReadNumber(std::string_view text, std::size_t& pos, std::int32_t& value) {
    std::size_t p = pos;
    while (p < text.size() && std::isspace(static_cast<unsigned char>(text[p])))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-'))
        negative = text[p++] == '-';
    const std::size_t digitsBegin = p;
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; p < text.size() && std::isdigit(static_cast<unsigned char>(text[p])); ++p)
        magnitude = std::min(magnitude * 10 + (text[p] - '0'), kLimit);
    if (p == digitsBegin)
        return false;
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    value = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(signedValue, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
    pos = p;
    return true;
}

} // namespace

std::string EncodeSettingValue(std::string_view value) {
    std::string stored;
    for (const char c : value) {
        if (c == '\0')
            break;
        const auto byte = static_cast<unsigned char>(c);
        stored.push_back(kHexDigits[byte & 15]);
        stored.push_back(kHexDigits[byte >> 4]);
    }
    return stored;
}

std::string DecodeSettingValue(std::string_view stored) {
    std::string out;
    for (std::size_t i = 0; i < stored.size(); i += 2) {
        const int high = i + 1 < stored.size() ? NibbleValue(stored[i + 1]) : 0;
        if (const auto byte = static_cast<char>((NibbleValue(stored[i]) | high * 16) & 0xFF))
            out.push_back(byte);
    }
    return out;
}

int ParseNumberList(std::string_view text, std::span<std::int32_t> fields) {
    std::size_t pos = 0;
    int read = 0;
    for (std::int32_t& field : fields) {
        if (read > 0) {
            if (pos >= text.size() || text[pos] != ',')
                break;
            ++pos;
        }
        if (!ReadNumber(text, pos, field))
            break;
        ++read;
    }
    return read;
}

std::string FormatNumberList(std::span<const std::int32_t> fields) {
    std::string text;
    for (const std::int32_t field : fields)
        text += (text.empty() ? "" : ",") + std::to_string(field);
    return text;
}

} // namespace cw
