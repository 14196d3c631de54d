#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Prints "ready", then the text of each notification shown on the AT-SPI bus, one a line."""
import pyatspi


def shown(event):
    # Its name is the text; Qt 6.4 reports a new name without its value, leaving a stale cache.
    try:
        if event.detail1 == 1 and event.source.getRoleName() == "notification":
            event.source.clearCache()
            print(event.source.name, flush=True)
    except Exception:  # pylint: disable=broad-except
        pass


pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing")
print("ready", flush=True)
pyatspi.Registry.start()
