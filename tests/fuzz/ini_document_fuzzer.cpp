// SPDX-License-Identifier: GPL-3.0-or-later
// Any text as an INI document: read and written back untouched it is the same bytes, and an
// edit changes the one line of its key (or adds the key, or its section and the key) while
// every other line, and a leading byte-order mark, come back from Text() byte for byte, in order.
//   input: section NUL key NUL value NUL text; names are cut to what the file can hold
#include "records/ini_document.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

std::string_view NextField(std::string_view& input) {
    const std::size_t end = input.find('\0');
    const std::string_view field = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    return field;
}

bool Blank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r' || c == '\n';
}

// What a line of the file can hold: no line break, none of `forbidden`, no blank at either end.
std::string Storable(std::string_view text, std::string_view forbidden, const char* fallback) {
    std::string kept;
    for (char c : text)
        if (c != '\n' && c != '\r' && forbidden.find(c) == std::string_view::npos)
            kept += c;
    while (!kept.empty() && Blank(kept.back()))
        kept.pop_back();
    kept.erase(0, kept.find_first_not_of(" \t\v\f"));
    return kept.empty() && fallback != nullptr ? fallback : kept;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::vector<std::string_view> Lines(std::string_view text) {
    if (text.starts_with(kByteOrderMark))
        text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string section = Storable(NextField(input), "]", "Settings");
    std::string key = Storable(NextField(input), "=", "Options");
    if (key.front() == ';' || key.front() == '#' || key.front() == '[')
        key.insert(0, 1, 'k'); // a comment or a section header otherwise
    const std::string value = Storable(NextField(input), "", nullptr);
    const std::string_view text = input;

    cw::IniDocument document(text);
    Check(document.Text() == text);
    document.SetValue(section, key, value);
    Check(document.Value(section, key) == value);
    const std::string edited = document.Text();
    Check(cw::IniDocument(edited).Value(section, key) == value);
    Check(edited.starts_with(kByteOrderMark) == text.starts_with(kByteOrderMark));

    // One contiguous change: at most one old line (the key's) gone, at most two new ones.
    const std::vector<std::string_view> before = Lines(text);
    const std::vector<std::string_view> after = Lines(edited);
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    Check(before.size() - prefix - suffix <= 1);
    Check(after.size() - prefix - suffix <= 2);
    if (before.size() - prefix - suffix == 1) {
        const std::string_view replaced = before[prefix];
        Check(replaced.find('=') != std::string_view::npos);
    }
    return 0;
}
