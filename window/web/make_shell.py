#!/usr/bin/python3
"""Writes the page's HTML shell with its title, the window as the program
presents it (as JSON, which the page builds its elements from) and its
fallback font inside, and without the shell's own comments.

The font is Liberation Serif, cut down to the characters the window's texts
use and printable ASCII, without hinting, as WOFF in a data: URL, so that the
page shows the same serif face where Times New Roman is missing and loads
nothing from anywhere. The SIL Open Font License reserves the name
"Liberation" for the original, so the cut-down face is renamed. The font's
copyright and licence go into the page next to it, and into a file of their
own beside the page.

Usage: make_shell.py SHELL FACTS_JSON FONT LICENCE OUT_SHELL OUT_LICENCE TEXT_FILE...
"""
import base64
import html
import io
import json
import re
import sys

from fontTools import subset

FAMILY = "Embedded Serif"


def characters(paths):
    used = {chr(c) for c in range(0x20, 0x7F)}
    for path in paths:
        with open(path, encoding="utf-8") as source:
            used.update(c for c in source.read() if ord(c) >= 0xA0)
    return used


def subset_font(path, used):
    options = subset.Options()
    options.flavor = "woff"
    options.hinting = False
    options.desubroutinize = True
    font = subset.load_font(path, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=sorted(ord(c) for c in used))
    subsetter.subset(font)
    names = font["name"]
    for record in list(names.names):
        if record.nameID in (1, 4, 16):
            record.string = FAMILY
        elif record.nameID in (3, 6):
            record.string = FAMILY.replace(" ", "") + "-Regular"
    data = io.BytesIO()
    subset.save_font(font, data, options)
    return data.getvalue()


def main(shell, facts, font, licence, out_shell, out_licence, *texts):
    with open(facts, encoding="utf-8") as source:
        facts = json.load(source)
    title = facts["title"]
    # The window as the program presents it, which the page builds its
    # elements from: data, which the page's policy lets be.
    design = json.dumps(facts["design"], ensure_ascii=False, separators=(",", ":"))
    design = design.replace("</", "<\\/")
    with open(licence, encoding="utf-8") as source:
        notice = source.read()
    woff = subset_font(font, characters(texts))
    face = (
        "/* " + FAMILY + ": Liberation Serif, cut down to the characters this page uses.\n"
        + notice.replace("*/", "* /")
        + "*/\n@font-face { font-family: \"" + FAMILY + "\"; src: url(data:font/woff;base64,"
        + base64.b64encode(woff).decode("ascii") + ") format(\"woff\"); }"
    )
    with open(shell, encoding="utf-8") as source:
        page = source.read()
    for mark in ("/* @FONT_FACE@ */", "@TITLE@", "@DESIGN@"):
        if mark not in page:
            sys.exit(shell + " has no " + mark)
    # The shell's comments are for its readers: the page goes without them,
    # but for the font's notice, which comes in their place.
    page = re.sub(r"<!--.*?-->\n?|/\*(?! @FONT_FACE@ \*/).*?\*/\n?", "", page, flags=re.S)
    with open(out_shell, "w", encoding="utf-8") as target:
        target.write(page.replace("/* @FONT_FACE@ */", face).replace("@TITLE@", html.escape(title))
                     .replace("@DESIGN@", design))
    with open(out_licence, "w", encoding="utf-8") as target:
        target.write(notice)


if __name__ == "__main__":
    if len(sys.argv) < 7:
        sys.exit(__doc__)
    main(*sys.argv[1:])
