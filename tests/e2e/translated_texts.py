#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Texts for the translated end-to-end session.

  translated_texts.py catalogue FILE.ts CONTEXT SOURCE
      prints the translation of SOURCE in CONTEXT; status 1 when the catalogue lacks it.
  translated_texts.py names FILE.ts CONTEXT
      prints every translation of CONTEXT as a screen reader names it: the part before a tab
      (the shortcut column), without the mnemonic's '&', without surrounding spaces.
  translated_texts.py key TEXT
      prints the key of TEXT's mnemonic (the character after '&') as xdotool names it.
  translated_texts.py screen [WINDOW-TITLE]
      prints "role<TAB>name" for every object a screen reader finds in the running game (in
      the window of that title only, when given), the name cut at a tab and trimmed as names
      prints them; needs Debian's python3-pyatspi.
"""
import sys
import xml.etree.ElementTree as ElementTree


def messages(path, context):
    for element in ElementTree.parse(path).getroot().iter("context"):
        if element.findtext("name") == context:
            for message in element.iter("message"):
                yield message.findtext("source"), message.findtext("translation") or ""


def catalogue(path, context, source):
    for original, translation in messages(path, context):
        if original == source:
            print(translation)
            return 0
    return 1


def names(path, context):
    for _, translation in messages(path, context):
        print(translation.split("\t")[0].replace("&", "").strip())
    return 0


def key(text):
    at = text.find("&")
    if at < 0 or at + 1 >= len(text):
        return 1
    character = text[at + 1].lower()
    print(character if character.isascii() else f"U{ord(character):04X}")
    return 0


def walk(node, depth=0):
    # A window torn down meanwhile leaves dead references behind: they have nothing to say.
    try:
        print(f"{node.getRoleName()}\t{node.name.split(chr(9))[0].strip()}")
        children = list(node)
    except Exception:  # pylint: disable=broad-except
        return
    if depth < 40:
        for child in children:
            if child is not None:
                walk(child, depth + 1)


def screen(title=None):
    import pyatspi  # pylint: disable=import-outside-toplevel

    for application in pyatspi.Registry.getDesktop(0):
        if application is None:
            continue
        for window in application:
            if window is not None and (title is None or window.name == title):
                walk(window)
    return 0


def main(arguments):
    if len(arguments) == 4 and arguments[0] == "catalogue":
        return catalogue(*arguments[1:])
    if len(arguments) == 3 and arguments[0] == "names":
        return names(*arguments[1:])
    if len(arguments) == 2 and arguments[0] == "key":
        return key(arguments[1])
    if 1 <= len(arguments) <= 2 and arguments[0] == "screen":
        return screen(*arguments[1:])
    sys.stderr.write(__doc__)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
