#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What the running game tells a screen reader, over AT-SPI (Debian's python3-pyatspi).

  announcements.py listen
      prints "ready", then the text of every notification the game shows, one a line.
  announcements.py board
      prints "CELL<TAB>DESCRIPTION" for every board cell, CELL counted from 0 row by row.
"""
import re
import sys

import pyatspi


def listen():
    def shown(event):
        # A notification speaks when it is shown; its name is the text. Qt 6.4 reports a new
        # name without its value, which leaves the client's cached one stale.
        try:
            if event.detail1 == 1 and event.source.getRoleName() == "notification":
                event.source.clearCache()
                print(event.source.name, flush=True)
        except Exception:  # pylint: disable=broad-except
            pass

    pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing")
    print("ready", flush=True)
    pyatspi.Registry.start()


def board():
    def walk(node, depth):
        try:
            found = re.fullmatch(r"row (\d), column (\d)", node.name)
            if found and node.getRoleName() == "push button":
                row, column = int(found[1]), int(found[2])
                print(f"{(row - 1) * 9 + column - 1}\t{node.description}")
            children = list(node)
        except Exception:  # pylint: disable=broad-except
            return
        if depth < 20:
            for child in children:
                if child is not None:
                    walk(child, depth + 1)

    walk(pyatspi.Registry.getDesktop(0), 0)


if __name__ == "__main__":
    {"listen": listen, "board": board}[sys.argv[1]]()
