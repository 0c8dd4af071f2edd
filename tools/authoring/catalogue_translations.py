#!/usr/bin/env python3
"""Write data/catalogue_LANG.tsv: each substance's name and description in another language.

The translations live in tools/authoring/catalogue_LANG.txt, one line per substance:

    NAME | translated name | common names, ;-separated | translated description

Blank lines and lines starting with '#' are skipped. The tables write formulas, charges and
units plainly (H2O, Ca2+, PO4(3-)), as the English tables do; the files get them typeset as a
chemist writes them (H₂O, Ca²⁺, PO₄³⁻) by chemical_typography.py. The English description of
each row is copied from data/substances.txt, so that a later check can find a translation whose
English has changed since it was made.

Usage: catalogue_translations.py LANG [LANG ...]   (for example: de fr)
"""

import pathlib
import re
import sys

import chemical_typography

ROOT = pathlib.Path(__file__).resolve().parents[2]
DATA = ROOT / "data"
HERE = pathlib.Path(__file__).resolve().parent

MAX_DESCRIPTION = 160
HEADER = "name\tenglish\ttranslated_name\tcommon_names\tdescription"


def read_manifest():
    """The catalogue's (name, English description) pairs, in the manifest's order."""
    rows = []
    name = None
    description = None
    for number, raw in enumerate((DATA / "substances.txt").read_text(encoding="utf-8").splitlines(), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        key, _, value = line.partition(" ")
        if key == "substance":
            name = value.split()[0]
            description = None
        elif key == "description" and name is not None:
            description = value.strip()
        elif key == "end":
            if name is None or description is None:
                sys.exit(f"substances.txt:{number}: block without a name or a description")
            rows.append((name, description))
            name = None
    return rows


def read_table(lang):
    path = HERE / f"catalogue_{lang}.txt"
    table = {}
    problems = []
    for number, raw in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not raw.strip() or raw.lstrip().startswith("#"):
            continue
        parts = [part.strip() for part in raw.split("|")]
        where = f"{path.name}:{number}"
        if len(parts) != 4:
            problems.append(f"{where}: {len(parts)} fields instead of 4")
            continue
        name, translated, common, description = parts
        if name in table:
            problems.append(f"{where}: {name} given twice")
        common = ";".join(c.strip() for c in common.split(";") if c.strip())
        table[name] = (translated, common, description, where)
    return table, problems


# Words that must survive translation unchanged: formulas and ion symbols, typeset.
SET = "₀₁₂₃₄₅₆₇₈₉⁰¹²³⁴⁵⁶⁷⁸⁹⁺⁻"
FORMULA = re.compile(r"(?<![\w(])(?:[A-Z][a-z]?|[\[(](?=[A-Z]))[A-Za-z()\[\]·≡=" + SET + r"]*[" + SET + r"][A-Za-z()\[\]·≡=" + SET + r"]*")


# Abbreviations that are names rather than formulas, and which a language may translate.
KEPT_AS_TRANSLATED = {"CFC-12"}


def check(lang, manifest, table, problems):
    names = [name for name, _ in manifest]
    for name in names:
        if name not in table:
            problems.append(f"{name}: no translation")
    for name in table:
        if name not in names:
            problems.append(f"{table[name][3]}: {name} is not in the catalogue")
    for name, english in manifest:
        if name not in table:
            continue
        translated, common, description, where = table[name]
        description = chemical_typography.typeset(description)
        for field in (translated, common, description):
            if "\t" in field or "\n" in field or "\r" in field:
                problems.append(f"{where}: a tab or line break in a field")
        if not translated:
            problems.append(f"{where}: no translated name")
        if not description:
            problems.append(f"{where}: no description")
        if len(description) > MAX_DESCRIPTION:
            problems.append(f"{where}: description of {len(description)} characters (at most {MAX_DESCRIPTION})")
        if re.search(r"\d\.\d", description.replace(english, "")) and not re.search(r"\d\.\d", english):
            problems.append(f"{where}: a decimal point in the translation")
        if re.search(r"\d \b(deg|A)\b", description):
            problems.append(f"{where}: 'deg' or 'A' where the language writes ° or Å")
        for formula in FORMULA.findall(english):
            formula = formula.rstrip(".,;:")
            if formula.startswith("(") and formula.count("(") > formula.count(")"):
                formula = formula[1:]
            if formula.endswith(")") and formula.count(")") > formula.count("("):
                formula = formula[:-1]
            if formula in KEPT_AS_TRANSLATED or re.fullmatch(r"\d+|[A-Z]", formula):
                continue
            if formula not in description and formula not in translated:
                problems.append(f"{where}: {formula} missing from the translation")


# French sets its high punctuation and its guillemets off with a space that does not break, so
# that a wrapped description never starts a line with a colon. The tables hold plain spaces.
NO_BREAK = {
    "fr": ((" :", "\u00a0:"), (" ;", "\u00a0;"), ("« ", "«\u00a0"), (" »", "\u00a0»"), (" %", "\u00a0%")),
}


def typeset(lang, text):
    for plain, fixed in NO_BREAK.get(lang, ()):
        text = text.replace(plain, fixed)
    return text


def write(lang, manifest, table):
    lines = [HEADER]
    for name, english in manifest:
        translated, common, description, _ = table[name]
        description = typeset(lang, chemical_typography.typeset(description))
        lines.append("\t".join((name, english, translated, common, description)))
    (DATA / f"catalogue_{lang}.tsv").write_text("\n".join(lines) + "\n", encoding="utf-8")
    return len(lines) - 1


def main(argv):
    if len(argv) < 2:
        sys.exit(__doc__)
    manifest = read_manifest()
    failed = False
    for lang in argv[1:]:
        table, problems = read_table(lang)
        check(lang, manifest, table, problems)
        if problems:
            failed = True
            print(f"catalogue_{lang}: {len(problems)} problems", file=sys.stderr)
            for problem in problems:
                print("  " + problem, file=sys.stderr)
            continue
        print(f"data/catalogue_{lang}.tsv: {write(lang, manifest, table)} rows")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
