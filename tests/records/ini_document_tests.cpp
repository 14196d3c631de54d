// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/ini_document.h"

#include <gtest/gtest.h>

#include <clocale>

namespace cw {
namespace {

// In ASCII case: the C library's tolower('I') is 'I' under a Turkish locale, where there is one.
TEST(IniDocument, ReadsValuesWithoutRegardToCase) {
    const std::string saved = std::setlocale(LC_CTYPE, nullptr);
    std::setlocale(LC_CTYPE, "tr_TR.UTF-8");
    const IniDocument document("; comment\n[SETTINGS]\n Options = 1626 \n[other]\nx=1\n");
    EXPECT_EQ(document.Value("settings", "OPTIONS"), "1626");
    EXPECT_EQ(document.Value("Other", "x"), "1");
    EXPECT_FALSE(document.Value("Settings", "x").has_value());
    EXPECT_FALSE(document.Value("Missing", "x").has_value());
    std::setlocale(LC_CTYPE, saved.c_str());
}

TEST(IniDocument, ReplacingAKeyKeepsEveryOtherLineAsItWas) {
    const std::string text = "; keep me\n[Settings]\nOptions=11\n  Browser = 22 ; odd\n\n"
                             "[Other]\nOptions=33\n";
    IniDocument document(text);
    document.SetValue("Settings", "Options", "44");
    EXPECT_EQ(document.Text(), "; keep me\n[Settings]\nOptions=44\n  Browser = 22 ; odd\n\n"
                               "[Other]\nOptions=33\n");
}

TEST(IniDocument, ANewKeyGoesAfterTheSectionsLastLine) {
    IniDocument document("[Settings]\nOptions=1\n\n[Other]\nk=v\n");
    document.SetValue("Settings", "Browser", "2");
    EXPECT_EQ(document.Text(), "[Settings]\nOptions=1\nBrowser=2\n\n[Other]\nk=v\n");
}

TEST(IniDocument, ANewSectionIsAppended) {
    IniDocument document("[Other]\nk=v");
    document.SetValue("Cobblewell", "Version", "v1.0a");
    EXPECT_EQ(document.Text(), "[Other]\nk=v\n[Cobblewell]\nVersion=v1.0a\n");
    IniDocument empty;
    empty.SetValue("S", "k", "");
    EXPECT_EQ(empty.Text(), "[S]\nk=\n");
}

TEST(IniDocument, WindowsLineEndingsAreKept) {
    IniDocument document("[Settings]\r\nOptions=1\r\n");
    document.SetValue("Settings", "Options", "2");
    document.SetValue("Settings", "MoreOptions", "3");
    EXPECT_EQ(document.Text(), "[Settings]\r\nOptions=2\r\nMoreOptions=3\r\n");
}

TEST(IniDocument, OnlyTheFirstOfDuplicateKeysCounts) {
    IniDocument document("[S]\nk=1\nk=2\n");
    EXPECT_EQ(document.Value("S", "k"), "1");
    document.SetValue("S", "K", "3");
    EXPECT_EQ(document.Text(), "[S]\nK=3\nk=2\n");
}

// Read as part of the first line, the mark would hide that section and a second would be added.
TEST(IniDocument, AByteOrderMarkIsReadPastAndKept) {
    IniDocument document("\xEF\xBB\xBF[Settings]\nOptions=1\n");
    EXPECT_EQ(document.Value("Settings", "Options"), "1");
    document.SetValue("Settings", "Options", "2");
    EXPECT_EQ(document.Text(), "\xEF\xBB\xBF[Settings]\nOptions=2\n");
}

} // namespace
} // namespace cw
