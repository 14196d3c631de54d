// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's commands, its menus and the keys that no menu text shows, as plain data:
// the one list of commands that the menu builder, the window and the tests share.

#include "game/player_text.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace cw {

enum class Command {
    NewGame,
    Beginner,
    Intermediate,
    Expert,
    HighScores,
    Options,
    Exit,
    HelpIndex,
    HelpRules,
    HelpUsing,
    About,
    Minimize,
};
inline constexpr std::size_t kCommandCount = static_cast<std::size_t>(Command::Minimize) + 1;

// A menu item: its command, the object name of the command's action, and its English text,
// translated in the context "Menu". The part after a tab is shown as written in the shortcut
// column and, read with '-' as '+' ("Ctrl-N"), is the item's key in every language.
struct MenuEntry {
    Command command{};
    std::string_view name;
    std::string_view text;

    constexpr bool IsSeparator() const { return name.empty(); }
};

inline constexpr MenuEntry kMenuSeparator{};

inline constexpr std::array kGameMenuEntries{
    MenuEntry{Command::NewGame, "actionNewGame", TranslatableText("Menu", "&New\tCtrl-N")},
    kMenuSeparator,
    MenuEntry{Command::Beginner, "actionBeginner", TranslatableText("Menu", "&Beginner")},
    MenuEntry{Command::Intermediate, "actionIntermediate",
              TranslatableText("Menu", "&Intermediate")},
    MenuEntry{Command::Expert, "actionExpert", TranslatableText("Menu", "&Expert")},
    kMenuSeparator,
    MenuEntry{Command::HighScores, "actionHighScores", TranslatableText("Menu", "&High Scores...")},
    kMenuSeparator,
    MenuEntry{Command::Options, "actionOptions", TranslatableText("Menu", "&Options...\tCtrl-O")},
    kMenuSeparator,
    MenuEntry{Command::Exit, "actionExit", TranslatableText("Menu", "E&xit")},
};

inline constexpr std::array kHelpMenuEntries{
    MenuEntry{Command::HelpIndex, "actionHelpIndex", TranslatableText("Menu", "&Index\tF1")},
    MenuEntry{Command::HelpRules, "actionHelpRules", TranslatableText("Menu", "Ru&les")},
    MenuEntry{Command::HelpUsing, "actionHelpUsing", TranslatableText("Menu", "&Using Help")},
    kMenuSeparator,
    MenuEntry{Command::About, "actionAbout", TranslatableText("Menu", "&About...")},
};

struct MenuPopup {
    std::string_view title;
    std::span<const MenuEntry> entries;
};

inline constexpr std::array kMainMenu{
    MenuPopup{TranslatableText("Menu", "&Game"), kGameMenuEntries},
    MenuPopup{TranslatableText("Menu", "&Help"), kHelpMenuEntries},
};

// The level items, indexed by level (0 Beginner, 1 Intermediate, 2 Expert); the current
// level's carries the check mark.
inline constexpr std::array kLevelCommands{Command::Beginner, Command::Intermediate,
                                           Command::Expert};

// The commands that no menu carries, with their keys in the portable text form that
// QKeySequence parses.
struct Accelerator {
    std::string_view keys;
    Command command;
    std::string_view name;
};

inline constexpr std::array kAccelerators{
    Accelerator{"Esc", Command::Minimize, "actionMinimize"},
};

} // namespace cw
