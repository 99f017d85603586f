#!/usr/bin/env python3
"""Helps keep the thirteen translation catalogues complete.

  tools/translations.py pending <Language>          untranslated source texts as JSON {source: ""}
  tools/translations.py apply <Language> <file.json> fills entries whose source text is a key
  tools/translations.py status                       untranslated count per catalogue

Run `cmake --build build --target lupdate` first so the catalogues know every text.
The same German text gets the same translation in every context.
"""
import json
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
TS_DIR = ROOT / "resources" / "translations"
LANGUAGES = ["Englisch", "Franzoesisch", "Russisch", "Ungarisch", "Polnisch", "Daenisch",
             "Tschechisch", "Chinesisch", "Schwedisch", "Italienisch", "Tuerkisch",
             "Niederlaendisch", "Spanisch"]


def catalogue(lang):
    return TS_DIR / f"vemoapp_{lang}.ts"


def is_pending(tr):
    if tr is None:
        return True
    kind = tr.get("type")
    if kind in ("obsolete", "vanished"):
        return False
    return kind == "unfinished" or not "".join(tr.itertext()).strip()


def messages(tree):
    for ctx in tree.getroot().iter("context"):
        for msg in ctx.iter("message"):
            yield msg


def pending(lang):
    tree = ET.parse(catalogue(lang))
    out = {}
    for msg in messages(tree):
        if is_pending(msg.find("translation")):
            out[msg.findtext("source") or ""] = ""
    return out


def write(tree, path):
    body = ET.tostring(tree.getroot(), encoding="unicode")
    path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n",
                    encoding="utf-8")


def apply(lang, mapping):
    path = catalogue(lang)
    tree = ET.parse(path)
    filled = 0
    for msg in messages(tree):
        tr = msg.find("translation")
        if tr is not None and tr.get("type") in ("obsolete", "vanished"):
            continue
        source = msg.findtext("source") or ""
        text = mapping.get(source)
        if not text:
            continue
        if tr is None:
            tr = ET.SubElement(msg, "translation")
        tr.text = text
        tr.attrib.pop("type", None)
        filled += 1
    write(tree, path)
    return filled


def main(argv):
    if len(argv) >= 3 and argv[1] == "pending":
        json.dump(pending(argv[2]), sys.stdout, ensure_ascii=False, indent=1)
        print()
    elif len(argv) >= 4 and argv[1] == "apply":
        mapping = json.loads(Path(argv[3]).read_text(encoding="utf-8"))
        print(f"{argv[2]}: {apply(argv[2], mapping)} entries filled")
    elif len(argv) >= 2 and argv[1] == "status":
        for lang in LANGUAGES:
            print(f"{lang}: {len(pending(lang))} untranslated")
    else:
        print(__doc__)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
