// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ini_document.h"

#include <gtest/gtest.h>

#include <clocale>

namespace cw {
namespace {

// In ASCII case: the C library's tolower('I') is 'I' under a Turkish locale, where there is one.
// A byte-order mark read as part of the first line would hide that section.
TEST(IniDocument, ReadsTheFirstValueOfAKeyWithoutRegardToCase) {
    const std::string saved = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "tr_TR.UTF-8");
    const IniDocument document("\xEF\xBB\xBF[SETTINGS]\n Options = 1626 \n; comment\n[other]\n"
                               "x=1\nX=2\n");
    EXPECT_EQ(document.Value("settings", "OPTIONS"), "1626");
    EXPECT_EQ(document.Value("Other", "x"), "1");
    EXPECT_FALSE(document.Value("Settings", "x").has_value());
    EXPECT_FALSE(document.Value("Missing", "x").has_value());
    std::setlocale(LC_CTYPE, saved.c_str());
}

// An edit replaces its key's line, or adds the key after its section's last line, or the
// section at the end; every other line, the line ends and a byte-order mark stay as they were.
TEST(IniDocument, AnEditChangesOnlyTheLineOfItsKey) {
    struct Edit {
        const char* before;
        const char* section;
        const char* key;
        const char* value;
        const char* after;
    };
    const Edit edits[] = {
        {"; keep me\n[Settings]\nOptions=11\n  Browser = 22 ; odd\n\n[Other]\nOptions=33\n",
         "Settings", "Options", "44",
         "; keep me\n[Settings]\nOptions=44\n  Browser = 22 ; odd\n\n[Other]\nOptions=33\n"},
        {"[Settings]\nOptions=1\n\n[Other]\nk=v\n", "Settings", "Browser", "2",
         "[Settings]\nOptions=1\nBrowser=2\n\n[Other]\nk=v\n"},
        {"[Other]\nk=v", "Cobblewell", "Version", "v1.0a",
         "[Other]\nk=v\n[Cobblewell]\nVersion=v1.0a\n"},
        {"", "S", "k", "", "[S]\nk=\n"},
        {"[Settings]\r\nOptions=1\r\n", "Settings", "Options", "2", "[Settings]\r\nOptions=2\r\n"},
        {"[Settings]\r\nOptions=1\r\n", "Settings", "More", "3",
         "[Settings]\r\nOptions=1\r\nMore=3\r\n"},
        {"[S]\nk=1\nk=2\n", "S", "K", "3", "[S]\nK=3\nk=2\n"},
        {"\xEF\xBB\xBF[Settings]\nOptions=1\n", "Settings", "Options", "2",
         "\xEF\xBB\xBF[Settings]\nOptions=2\n"},
    };
    for (const auto& [before, section, key, value, after] : edits) {
        IniDocument document(before);
        document.SetValue(section, key, value);
        EXPECT_EQ(document.Text(), after) << before;
    }
}

} // namespace
} // namespace cw
