#!/usr/bin/env python3
"""Checks that every text the program passes to Translate is a key of the translation sources.

  check-text-keys.py SRC_DIR TRANSLATIONS_DIR

A text counts when it is a string literal inside the parentheses of a Translate( call, or of the
helpers that translate their arguments (TranslateItems, Text), or the caption of a row of a
{&control, "text"} table in the interface translation. The catalogue check (make-catalogue.py)
already proves that every key is translated in every language with its placeholders intact.
"""
import json
import pathlib
import re
import sys

LITERAL = re.compile(r'"((?:[^"\\]|\\.)*)"')
CALL = re.compile(r"\b(?:Translate|TranslateItems|Text)\(")
TABLE_ROW = re.compile(r'\{&\w+,\s*"((?:[^"\\]|\\.)*)"\}')


def unescape(body):
    """A C++ narrow string literal's bytes, as UTF-8 text."""
    out = bytearray()
    i = 0
    while i < len(body):
        c = body[i]
        if c != "\\":
            out += c.encode("utf-8")
            i += 1
            continue
        n = body[i + 1]
        if n == "x":
            j = i + 2
            while j < len(body) and body[j] in "0123456789abcdefABCDEF":
                j += 1
            out.append(int(body[i + 2:j], 16))
            i = j
            continue
        out += {"n": b"\n", "r": b"\r", "t": b"\t", "\\": b"\\", '"': b'"', "'": b"'", "0": b"\0"}[n]
        i += 2
    return out.decode("utf-8")


def call_arguments(text, start):
    depth, i = 1, start
    while i < len(text) and depth:
        if text[i] == '"':
            m = LITERAL.match(text, i)
            i = m.end()
            continue
        depth += {"(": 1, ")": -1}.get(text[i], 0)
        i += 1
    return text[start:i]


def source_texts(src):
    texts = {}
    for path in sorted(src.rglob("*.cpp")):
        if "fake" in path.parts:
            continue
        code = path.read_text(encoding="utf-8")
        for call in CALL.finditer(code):
            for m in LITERAL.finditer(call_arguments(code, call.end())):
                texts.setdefault(unescape(m.group(1)), path)
        for m in TABLE_ROW.finditer(code):
            texts.setdefault(unescape(m.group(1)), path)
    return texts


def main(argv):
    if len(argv) != 3:
        raise SystemExit(__doc__)
    texts = source_texts(pathlib.Path(argv[1]))
    keys = set(json.loads((pathlib.Path(argv[2]) / "en.json").read_text(encoding="utf-8"))["texts"])
    missing = sorted(t for t in texts if t not in keys)
    for text in missing:
        print(f"{texts[text]}: {text!r} is not in en.json")
    if missing:
        raise SystemExit(1)
    print(f"{len(texts)} texts of the program, every one in the catalogue")


if __name__ == "__main__":
    main(sys.argv)
