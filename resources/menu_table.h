// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's menu and keyboard accelerators as plain data, so the window, the tests
// and any headless tool agree on one table of texts and command ids.

#include "game/player_text.h"

#include <array>
#include <span>
#include <string_view>

namespace cw {

enum Command : int {
    CmdNew = 10,
    CmdHighScores = 13,
    CmdExit = 15,
    CmdHelpIndex = 16,
    CmdHelpRules = 17,
    CmdHelpUsing = 18,
    CmdAbout = 19,
    CmdOptions = 40001,
    CmdBeginner = 40002,
    CmdExpert = 40003,
    CmdIntermediate = 40006,
    CmdMinimize = 40008,
};

// A text with a tab shows the part after it, as written, in the shortcut column. The texts are
// English, translated in the context "Menu".
struct MenuEntry {
    std::string_view text;
    int command = 0;

    constexpr bool IsSeparator() const { return command == 0; }
};

inline constexpr MenuEntry kMenuSeparator{};

inline constexpr std::array kGameMenuEntries{
    MenuEntry{TranslatableText("Menu", "&New\tCtrl-N"), CmdNew},
    kMenuSeparator,
    MenuEntry{TranslatableText("Menu", "&Beginner"), CmdBeginner},
    MenuEntry{TranslatableText("Menu", "&Intermediate"), CmdIntermediate},
    MenuEntry{TranslatableText("Menu", "&Expert"), CmdExpert},
    kMenuSeparator,
    MenuEntry{TranslatableText("Menu", "&High Scores..."), CmdHighScores},
    kMenuSeparator,
    MenuEntry{TranslatableText("Menu", "&Options...\tCtrl-O"), CmdOptions},
    kMenuSeparator,
    MenuEntry{TranslatableText("Menu", "E&xit"), CmdExit},
};

inline constexpr std::array kHelpMenuEntries{
    MenuEntry{TranslatableText("Menu", "&Index\tF1"), CmdHelpIndex},
    MenuEntry{TranslatableText("Menu", "Ru&les"), CmdHelpRules},
    MenuEntry{TranslatableText("Menu", "&Using Help"), CmdHelpUsing},
    kMenuSeparator,
    MenuEntry{TranslatableText("Menu", "&About..."), CmdAbout},
};

struct MenuPopup {
    std::string_view title;
    std::span<const MenuEntry> entries;
};

inline constexpr std::array kMainMenu{
    MenuPopup{TranslatableText("Menu", "&Game"), kGameMenuEntries},
    MenuPopup{TranslatableText("Menu", "&Help"), kHelpMenuEntries},
};

// The level items, indexed by level (0 Beginner, 1 Intermediate, 2 Expert); they carry the
// check mark of the current level.
inline constexpr std::array kLevelCommands{CmdBeginner, CmdIntermediate, CmdExpert};

// Keys in the portable text form that QKeySequence parses.
struct Accelerator {
    std::string_view keys;
    int command;
};

inline constexpr std::array kAccelerators{
    Accelerator{"Ctrl+N", CmdNew},
    Accelerator{"Ctrl+O", CmdOptions},
    Accelerator{"Esc", CmdMinimize},
    Accelerator{"F1", CmdHelpIndex},
};

} // namespace cw
