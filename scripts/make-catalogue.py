#!/usr/bin/env python3
"""Builds the translation catalogue transl.dt from assets/translations/*.json.

en.json lists every English text the program passes to Translate, in catalogue order; every
other <code>.json maps each of those texts to its translation. The catalogue holds English first,
then the other languages in the order of their codes.

  make-catalogue.py SOURCE_DIR OUT_FILE   check the sources and write the catalogue
  make-catalogue.py SOURCE_DIR --check    only check them
"""
import json
import pathlib
import re
import sys

PLACEHOLDER = re.compile(r"%(?:%|[0-9]*(?:\.[0-9]+)?[sdf])")


def placeholders(text):
    return [p for p in PLACEHOLDER.findall(text) if p != "%%"]


def load(source):
    english = json.loads((source / "en.json").read_text(encoding="utf-8"))
    keys = english["texts"]
    if len(keys) != len(set(keys)):
        raise SystemExit("en.json: a text is listed twice")
    others = []
    for path in sorted(source.glob("*.json")):
        if path.name == "en.json":
            continue
        others.append((path.name, json.loads(path.read_text(encoding="utf-8"))))
    return english, keys, others


def check(keys, name, language):
    problems = []
    texts = language.get("texts", {})
    for field in ("name", "code"):
        if not language.get(field) or "\n" in language[field] or "\r" in language[field]:
            problems.append(f"{name}: missing or multi-line {field}")
    for key in keys:
        if key not in texts:
            problems.append(f"{name}: no translation of {key!r}")
            continue
        value = texts[key]
        if "\n" in value or "\r" in value:
            problems.append(f"{name}: line break in the translation of {key!r}")
        if placeholders(value) != placeholders(key):
            problems.append(f"{name}: placeholders of {key!r} differ: {placeholders(value)}")
        if key.endswith(" ") and value and not value.endswith(" "):
            problems.append(f"{name}: the translation of {key!r} must end with a blank (a count follows it)")
    for key in texts:
        if key not in keys:
            problems.append(f"{name}: {key!r} is not a text of the program")
    return problems


def main(argv):
    if len(argv) != 3:
        raise SystemExit(__doc__)
    source = pathlib.Path(argv[1])
    english, keys, others = load(source)
    problems = []
    for name, language in others:
        problems += check(keys, name, language)
    if problems:
        raise SystemExit("\n".join(problems))
    if argv[2] == "--check":
        print(f"{len(others) + 1} languages, {len(keys)} texts each: fine")
        return
    languages = [(english["name"], english["code"], {k: k for k in keys})]
    languages += [(l["name"], l["code"], l["texts"]) for _, l in others]
    lines = [str(len(languages))]
    lines += [name for name, _, _ in languages]
    lines += [code for _, code, _ in languages]
    for key in keys:
        lines += [texts[key] for _, _, texts in languages]
    pathlib.Path(argv[2]).write_bytes(("\r\n".join(lines) + "\r\n").encode("utf-8"))


if __name__ == "__main__":
    main(sys.argv)
