#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end check of the translations on a private X server: the real program started with
# LANG=de_DE.UTF-8 and with LANG=ja_JP.UTF-8, each in a fresh private home, shows its title,
# menus, Options dialog, the browser chooser (Qt's own file dialog, with Qt's own catalogue),
# the "Internet connection failed" warning and F1's help page in that language; LANGUAGE's
# list wins over LANG in its order. What the player sees is read from the window titles and
# from what a screen reader is told (AT-SPI), and compared with the catalogues in the source
# tree. The headless replay driver prints the same in German as in the C locale.
#
#   translated_session.sh PROGRAM REPLAY GOLDEN_DIR CATALOGUE_DIR HELP_DIR SHOTS_DIR
#
# Exit 0 pass, 1 fail, 77 skipped (a tool is missing). Screenshots go to SHOTS_DIR.
set -uo pipefail

program=$1
replay=$2
golden=$3
catalogues=$4
help_pages=$5
shots=$6
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
require_tools Xvfb xdotool import convert dbus-launch setpriv /usr/libexec/at-spi-bus-launcher \
    /usr/lib/qt6/bin/lconvert
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
    { echo "skipped: python3-pyatspi is not installed"; exit 77; }

echo "== the replay driver does not speak"
for script in "$golden"/*.script; do
    plain=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=C "$replay" "$script" 2>&1)
    german=$(env -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8 LANGUAGE=de "$replay" "$script" 2>&1)
    [[ -n $plain && $plain == "$german" ]] || fail "$(basename "$script") replays differently in German"
done
echo "ok: every golden script replays the same under LANG=de_DE.UTF-8 LANGUAGE=de"

e2e_begin
rm -rf "$shots" && mkdir -p "$shots"
readonly session_user=cobblewell-l10n
use_session_user "$session_user"
# xdg-open finds no program for the address, as on a desktop without a browser.
mkdir -p "$work/bin"
printf '#!/bin/sh\nexit 3\n' >"$work/bin/xdg-open"
chmod 755 "$work/bin" "$work/bin/xdg-open"

# Texts as the catalogue of the session's language has them.
translation() { # context source
    /usr/bin/python3 "$here/translated_texts.py" catalogue "$catalogues/cobblewell_$lang.ts" \
        "$1" "$2" || fail "the $lang catalogue has no \"$2\" in $1"
}
names_in() { # context
    /usr/bin/python3 "$here/translated_texts.py" names "$catalogues/cobblewell_$lang.ts" "$1"
}
mnemonic() { # text; the character after the '&', as xdotool names its key
    /usr/bin/python3 "$here/translated_texts.py" key "$1"
}
# Qt's own texts, from its compiled catalogue.
qt_translation() { # context source
    local catalogue="$work/qtbase_$lang.ts"
    [[ -f $catalogue ]] || /usr/lib/qt6/bin/lconvert -i \
        "/usr/share/qt6/translations/qtbase_$lang.qm" -o "$catalogue" || fail "lconvert qtbase_$lang"
    /usr/bin/python3 "$here/translated_texts.py" catalogue "$catalogue" "$1" "$2" ||
        fail "Qt's $lang catalogue has no \"$2\" in $1"
}

# A "%1" in the title stands for any text, as it does in the catalogues.
window_titled() { # title; prints the visible window of that title
    local id name prefix=$1 suffix=""
    [[ $1 != *%1* ]] || prefix=${1%%"%1"*} suffix=${1#*"%1"}
    for id in $(timeout 5 xdotool search --onlyvisible --name . 2>/dev/null); do
        name=$(timeout 5 xdotool getwindowname "$id" 2>/dev/null) || continue
        if [[ $1 == *%1* && $name == "$prefix"*"$suffix" || $name == "$1" ]]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
wait_titled() { # title; prints the window, or says which windows there are
    wait_for 15 window_titled "$1" && window_titled "$1" && return 0
    local id
    for id in $(timeout 5 xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "there is \"$(timeout 5 xdotool getwindowname "$id")\"" >&2
    done
    return 1
}
# Sets shown to the window and shown_title to its full title.
shows_window() { # title what-opened-it
    shown=$(wait_titled "$1") || fail "$lang: $2 opened no \"$1\""
    shown_title=$(timeout 5 xdotool getwindowname "$shown")
}
# Keys meant for the game must wait until the dialog before is gone, or it takes them.
closed() { # title what-closes-it
    wait_for 10 untitled "$1" || fail "$lang: $2 did not close \"$1\""
}
untitled() { # title
    ! window_titled "$1"
}
keys_to() { # window key...
    timeout 5 xdotool windowfocus --sync "$1"
    timeout 10 xdotool key --delay 80 "${@:2}" || fail "keys ${*:2}"
}
# What a screen reader finds in the window of that title, in $work/screen.txt.
screen_shows() { # title name...; every name is that of an object in the window
    local name
    in_session timeout 30 /usr/bin/python3 "$here/translated_texts.py" screen "$1" \
        >"$work/screen.txt" 2>>"$work/atspi.log" || return 1
    for name in "${@:2}"; do
        cut -f2- "$work/screen.txt" | grep -qxF -- "$name" || return 1
    done
}
expect_screen() { # what title name...
    wait_for 20 screen_shows "${@:2}" || {
        local name missing=()
        for name in "${@:3}"; do
            cut -f2- "$work/screen.txt" | grep -qxF -- "$name" || missing+=("$name")
        done
        fail "$lang, $1: a screen reader does not find: ${missing[*]}"
    }
}
snap() { # name; once the picture has settled
    shoot_settled "$shots/$lang-$1.png"
}
# A window just mapped shows what lay under it until Qt paints it. Qt's palette fills a window's
# background with #EFEFEF, which neither the game's board nor the empty screen shows.
painted() { # window shot
    local X Y WIDTH HEIGHT SCREEN
    eval "$(xdotool getwindowgeometry --shell "$1")"
    [[ $(convert "$2" -crop "1x1+$((X + 2))+$((Y + HEIGHT - 3))" -format '%[hex:u.p{0,0}]' \
        info:) == EFEFEF* ]]
}
snap_window() { # window name
    local shot="$shots/$lang-$2.png"
    shoot_until 10 "$shot" painted "$1" "$shot" || fail "$lang: $2 never showed"
    snap "$2"
}

# A fresh home, session bus and accessibility bus, and the game with the given language
# variables; sets lang (the catalogue expected), window and game_pid.
start_session() { # name expected-language LANG [LANGUAGE]
    local base="$work/$1"
    lang=$2
    session_env=(PATH="$work/bin:$PATH" HOME="$base/home" XDG_RUNTIME_DIR="$base/runtime"
        XDG_CONFIG_HOME="$base/config" XDG_DATA_HOME="$base/data" XDG_CACHE_HOME="$base/cache"
        DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG="$3")
    [[ -z ${4-} ]] || session_env+=(LANGUAGE="$4")
    pass_sanitizer_options
    in_session mkdir -p "$base/home" "$base/config" "$base/data" "$base/cache" ||
        fail "$session_user cannot write to $work"
    in_session mkdir -m 700 "$base/runtime"
    local bus
    bus=$(in_session dbus-launch --sh-syntax) || fail "dbus-launch: $bus"
    local address pid
    address=$(sed -n "s/^DBUS_SESSION_BUS_ADDRESS='\(.*\)';$/\1/p" <<<"$bus")
    pid=$(sed -n 's/^DBUS_SESSION_BUS_PID=\([0-9]*\);$/\1/p' <<<"$bus")
    [[ -n $address && -n $pid ]] || fail "dbus-launch said: $bus"
    e2e_pids+=("$pid")
    session_env+=(DBUS_SESSION_BUS_ADDRESS="$address")
    start_background "${as_player[@]}" env -i "${session_env[@]}" \
        /usr/libexec/at-spi-bus-launcher --launch-immediately >>"$work/atspi.log" 2>&1
    start_background "${as_player[@]}" env -i "${session_env[@]}" "$program" \
        >>"$work/game.log" 2>&1
    game_pid=$last_pid
    local title
    title=$(translation cw::MainWindow "Cobblewell (%1)")
    title=${title//%1/$(translation Level Beginner)}
    window=$(wait_titled "$title") || fail "$1: no window \"$title\"; $(start_failure)"
    echo "ok: $1: the title reads \"$title\""
}
end_session() {
    local game menu
    game=$(translation Menu "&Game")
    menu=$(translation Menu "E&xit")
    keys_to "$window" "alt+$(mnemonic "$game")" "$(mnemonic "$menu")"
    wait_for 10 process_gone "$game_pid" || fail "$lang: Exit did not end the game"
    wait "$game_pid" 2>/dev/null
}

# The title, the menus, Options, the browser chooser and the warning, and the help page.
check_language() { # name LANG
    start_session "$1" "$1" "$2"
    snap 01-main
    local title
    title=$(timeout 5 xdotool getwindowname "$window")
    mapfile -t menu < <(names_in Menu)
    expect_screen "the menus" "$title" "${menu[@]}"
    echo "ok: $lang: every menu title and item"

    keys_to "$window" ctrl+o
    shows_window "$(translation OptionsDialog "Cobblewell Options")" "Ctrl+O"
    mapfile -t texts < <(names_in OptionsDialog)
    mapfile -t shapes < <(names_in Shape)
    expect_screen "Options" "$shown_title" "${texts[@]}" "${shapes[@]}"
    snap_window "$shown" 02-options
    keys_to "$shown" Escape
    closed "$shown_title" Escape
    echo "ok: $lang: the Options dialog and its shapes"

    keys_to "$window" "alt+$(mnemonic "$(translation Menu "&Help")")" \
        "$(mnemonic "$(translation Menu "&About...")")"
    shows_window "$(translation AboutDialog "About Cobblewell")" "Help, About"
    snap_window "$shown" 03-about
    keys_to "$shown" "alt+$(mnemonic "$(translation AboutDialog "Visit Our &Web Site Now!")")"
    # The title holds the address.
    shows_window "$(translation WebLauncher "Select Web Browser to go to %1")" "the web site button"
    expect_screen "the browser chooser" "$shown_title" "$(qt_translation QPlatformTheme Cancel)"
    snap_window "$shown" 04-browser-chooser
    keys_to "$shown" Escape
    expect_screen "the warning" Cobblewell "$(translation WebLauncher "Internet connection failed")"
    shows_window Cobblewell "cancelling the browser chooser"
    snap_window "$shown" 05-connection-failed
    keys_to "$shown" Return
    closed Cobblewell Return
    echo "ok: $lang: About, Qt's own file dialog, the warning"

    local page viewer
    page=$(sed -n 's:.*<title>\(.*\)</title>.*:\1:p' "$help_pages/$lang/index.html")
    viewer=$(translation cw::HelpViewer "%1 - %2")
    viewer=${viewer//%1/$(translation cw::HelpViewer "Cobblewell Help")}
    viewer=${viewer//%2/$page}
    keys_to "$window" F1
    shows_window "$viewer" F1
    snap_window "$shown" 06-help
    echo "ok: $lang: F1 shows \"$viewer\""
    end_session
}

check_language de de_DE.UTF-8
check_language ja ja_JP.UTF-8

# LANGUAGE lists the languages in the player's order; one without a catalogue is passed over,
# and LANG counts only after the list.
start_session language-list de ja_JP.UTF-8 xx:de
snap language-list
end_session
echo "ok: LANGUAGE=xx:de over LANG=ja_JP.UTF-8 gives German"

status=0
