// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text forms of the settings values, apart from any file access: the hex encoding of
// every stored value and the comma-separated number lists inside "Options" and
// "MoreOptions". No Qt here, so a fuzzer can call them directly.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace cw {

// Each byte becomes two uppercase hex digits, low nibble first: "abc" -> "162636". The value
// ends at its first zero byte.
std::string EncodeSettingValue(std::string_view value);

// Reverses the encoding for any text at all: a pair that decodes to zero is skipped, and the
// last character of an odd-length text forms a byte with high nibble 0.
std::string DecodeSettingValue(std::string_view stored);

// Reads decimal fields separated by single commas, as "%ld,%ld,..." would: leading blanks
// and a sign are allowed before each number, reading stops at the first field that does not
// match, and a value beyond the 32-bit range is clamped. Fields not read keep their values.
// Returns the number of fields read.
int ParseNumberList(std::string_view text, std::span<std::int32_t> fields);

std::string FormatNumberList(std::span<const std::int32_t> fields);

} // namespace cw
