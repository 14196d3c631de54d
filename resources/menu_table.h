// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's menu and keyboard accelerators as plain data, so the window, the tests
// and any headless tool agree on one table of texts and command ids.

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

// A text with a tab shows the part after it, as written, in the shortcut column.
struct MenuEntry {
    std::string_view text;
    int command = 0;

    constexpr bool IsSeparator() const { return command == 0; }
};

inline constexpr MenuEntry kMenuSeparator{};

inline constexpr std::array kGameMenuEntries{
    MenuEntry{"&New\tCtrl-N", CmdNew},
    kMenuSeparator,
    MenuEntry{"&Beginner", CmdBeginner},
    MenuEntry{"&Intermediate", CmdIntermediate},
    MenuEntry{"&Expert", CmdExpert},
    kMenuSeparator,
    MenuEntry{"&High Scores...", CmdHighScores},
    kMenuSeparator,
    MenuEntry{"&Options...\tCtrl-O", CmdOptions},
    kMenuSeparator,
    MenuEntry{"E&xit", CmdExit},
};

inline constexpr std::array kHelpMenuEntries{
    MenuEntry{"&Index\tF1", CmdHelpIndex},  MenuEntry{"Ru&les", CmdHelpRules},
    MenuEntry{"&Using Help", CmdHelpUsing}, kMenuSeparator,
    MenuEntry{"&About...", CmdAbout},
};

struct MenuPopup {
    std::string_view title;
    std::span<const MenuEntry> entries;
};

inline constexpr std::array kMainMenu{
    MenuPopup{"&Game", kGameMenuEntries},
    MenuPopup{"&Help", kHelpMenuEntries},
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
