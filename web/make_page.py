#!/usr/bin/python3
# SPDX-License-Identifier: GPL-2.0-or-later
"""Puts the page together: page.html with its style, its script, the module and the desktop's
texts in each language (from translations/kiva_LANG.ts) written into it, one file in all.

   make_page.py SOURCE_DIR MODULE_JS OUTPUT_HTML KIVA_TS...
"""
import json
import os
import sys
import xml.etree.ElementTree as ElementTree

# The desktop's contexts whose texts the page shows.
CONTEXTS = {"Command", "Menu", "SelectionDialog", "SelectionModel", "CompoundSelection", "Readout",
            "PictureDescription", "OrganicCategory", "Dialog", "CKivaView", "UnitCellMultiplesDialog",
            "ElementColorDialog"}


def texts_of(ts_path):
    """context TAB English TAB translation lines, line breaks written as \\n; unfinished ones left out."""
    lines = []
    for context in ElementTree.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        if name not in CONTEXTS:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "obsolete", "vanished"):
                continue
            source, text = message.findtext("source") or "", translation.text or ""
            if text:
                lines.append("\t".join(part.replace("\n", "\\n").replace("\t", " ") for part in (name, source, text)))
    return "\n".join(lines) + "\n"


def script(text, what):
    # Inside <script>, only "</script" would end the element early.
    if "</script" in text.lower():
        sys.exit(f"make_page.py: {what} holds </script and cannot be put into the page")
    return text


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    source, module, output = sys.argv[1:4]
    texts = {}
    for ts in sys.argv[4:]:
        language = os.path.basename(ts)[len("kiva_"):-len(".ts")]
        texts[language] = texts_of(ts)
    read = lambda path: open(path, encoding="utf-8").read()
    page = read(os.path.join(source, "page.html"))
    parts = {
        "/*STYLE*/": read(os.path.join(source, "page.css")),
        "/*TEXTS*/": script("var KIVA_TEXTS = " + json.dumps(texts, ensure_ascii=False) + ";", "the texts"),
        "/*MODULE*/": script(read(module), module),
        "/*PAGE*/": script(read(os.path.join(source, "page.js")), "page.js"),
    }
    for marker, part in parts.items():
        if page.count(marker) != 1:
            sys.exit(f"make_page.py: page.html must hold {marker} once")
        page = page.replace(marker, part)
    # Written whole beside its place, then moved there: no half-written page is left behind.
    partial = output + ".part"
    with open(partial, "w", encoding="utf-8") as out:
        out.write(page)
    os.replace(partial, output)


if __name__ == "__main__":
    main()
