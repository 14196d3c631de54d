// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ini_document.h"

#include <algorithm>

namespace cw {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Names are compared and trimmed by ASCII alone: the C library's character classes follow the
// locale, and under a Turkish one "I" is no upper-case "i".
constexpr std::string_view kBlanks = " \t\n\v\f\r";

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    return first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(kBlanks) + 1 - first);
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return AsciiLower(x) == AsciiLower(y); });
}

// The name inside "[name]", or nothing when the line is no section header.
std::optional<std::string_view> SectionName(std::string_view line) {
    line = Trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trimmed(line.substr(1, close - 1));
}

bool IsComment(std::string_view line) {
    line = Trimmed(line);
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

} // namespace

IniDocument::IniDocument(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) {
        byteOrderMark_ = kByteOrderMark;
        text.remove_prefix(kByteOrderMark.size());
    }
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines_.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    endsWithNewline_ = text.ends_with('\n');
    crlf_ = !lines_.empty() && !lines_.front().empty() && lines_.front().back() == '\r';
}

std::optional<IniDocument::Range> IniDocument::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = SectionName(lines_[i]);
        if (!name || !SameName(*name, section))
            continue;
        Range range{i + 1, i + 1};
        while (range.end < lines_.size() && !SectionName(lines_[range.end]))
            ++range.end;
        return range;
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::FindKey(Range range, std::string_view key) const {
    for (std::size_t i = range.begin; i < range.end; ++i) {
        const std::string_view line = lines_[i];
        const std::size_t equals = line.find('=');
        if (equals != std::string_view::npos && !IsComment(line) &&
            SameName(Trimmed(line.substr(0, equals)), key))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::Value(std::string_view section,
                                              std::string_view key) const {
    const auto range = FindSection(section);
    if (!range)
        return std::nullopt;
    const auto index = FindKey(*range, key);
    if (!index)
        return std::nullopt;
    const std::string_view line = lines_[*index];
    return std::string(Trimmed(line.substr(line.find('=') + 1)));
}

std::string IniDocument::NewLine(std::string line) const {
    if (crlf_)
        line.push_back('\r');
    return line;
}

void IniDocument::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string entry = NewLine(std::string(key) + "=" + std::string(value));
    const auto range = FindSection(section);
    if (!range) {
        // Appended rather than "[" + section: at -O3 GCC 12 warns falsely (-Wrestrict) of an
        // overlapping copy in the operator+ that inserts before a string.
        lines_.push_back(NewLine(std::string("[").append(section).append("]")));
        lines_.push_back(entry);
        endsWithNewline_ = true;
        return;
    }
    if (const auto index = FindKey(*range, key)) {
        lines_[*index] = entry;
        return;
    }
    // After the section's last non-blank line, so a blank line that separates it from the
    // next section stays where it is.
    std::size_t insertAt = range->end;
    while (insertAt > range->begin && Trimmed(lines_[insertAt - 1]).empty())
        --insertAt;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), entry);
    if (insertAt == lines_.size() - 1)
        endsWithNewline_ = true;
}

std::string IniDocument::Text() const {
    std::string text = byteOrderMark_;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        text += lines_[i];
        if (i + 1 < lines_.size() || endsWithNewline_)
            text.push_back('\n');
    }
    return text;
}

} // namespace cw
