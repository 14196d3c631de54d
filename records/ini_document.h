// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A small editor for INI text that changes only the lines it is asked to change: every
// other line, comment, blank and line ending of the file stays exactly as it was.
// Sections and keys match without regard to ASCII case, the first occurrence of each counting.
// A UTF-8 byte-order mark at the start is read past and written back.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cw {

class IniDocument {
public:
    explicit IniDocument(std::string_view text = {});

    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Replaces the key's line, or adds the key at the end of its section, or adds the
    // section at the end of the text.
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

private:
    struct Range {
        std::size_t begin = 0; // first line after the section header
        std::size_t end = 0;   // one past the section's last line
    };
    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(Range range, std::string_view key) const;
    std::string NewLine(std::string line) const;

    std::vector<std::string> lines_; // each without its '\n'; a '\r' before it is kept
    std::string byteOrderMark_;      // empty, or the three bytes the text began with
    bool endsWithNewline_ = false;
    bool crlf_ = false;
};

} // namespace cw
