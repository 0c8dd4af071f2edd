#!/usr/bin/env python3
"""Write formulas, charges and units in descriptions as a chemist does: H2O as H₂O, Ca2+ as Ca²⁺,
PO4(3-) as PO₄³⁻, "1.42 A" as "1.42 Å" and "104.5 deg" as "104.5°".

A formula is a run of element symbols, brackets and counts that begins with a symbol or a
bracket, such as (NH4)2CO3 or [PCl4+][PCl6-]; a run that reads as a word (Butene, CFC-12) is left
alone. A count after an element is a subscript. A charge stands at the end: "+" or "-" alone, or
"(3-)", or, after a single element, its size and sign (O2- is the oxide ion O²⁻); after a group
of atoms a count before the sign is the group's subscript (NO3- is NO₃⁻).

Usage: chemical_typography.py FILE...   rewrites the description texts of the catalogue's tables
"""

import re
import sys

ELEMENTS = set("""H He Li Be B C N O F Ne Na Mg Al Si P S Cl Ar K Ca Sc Ti V Cr Mn Fe Co Ni Cu Zn Ga
Ge As Se Br Kr Rb Sr Y Zr Nb Mo Tc Ru Rh Pd Ag Cd In Sn Sb Te I Xe Cs Ba La Ce Pr Nd Pm Sm Eu Gd Tb
Dy Ho Er Tm Yb Lu Hf Ta W Re Os Ir Pt Au Hg Tl Pb Bi Po At Rn Fr Ra Ac Th Pa U Np Pu""".split())

SUB = str.maketrans("0123456789", "₀₁₂₃₄₅₆₇₈₉")
SUP = str.maketrans("0123456789+-", "⁰¹²³⁴⁵⁶⁷⁸⁹⁺⁻")

# A candidate run: starts with a capital or an opening bracket, holds letters, digits and
# brackets, and may end in a charge; it must not run on into a word or a number.
RUN = re.compile(r"(?<![\w.])[\[(]*[A-Z](?:[A-Za-z0-9\[\])]|\((?=[A-Z\[(]))*(?:\(\d*[+-]\)|\d*[+-](?![A-Za-z0-9]))?(?![\w])")


def symbols(body):
    """The run's pieces as (kind, text), or None when it is no formula."""
    pieces = []
    i = 0
    while i < len(body):
        c = body[i]
        if c in "()[]":
            pieces.append(("bracket", c))
            i += 1
        elif c.isdigit():
            j = i
            while j < len(body) and body[j].isdigit():
                j += 1
            pieces.append(("count", body[i:j]))
            i = j
        elif c.isupper():
            two = body[i:i + 2]
            if len(two) == 2 and two[1].islower() and two in ELEMENTS:
                pieces.append(("element", two))
                i += 2
            elif c in ELEMENTS and not (i + 1 < len(body) and body[i + 1].islower()):
                pieces.append(("element", c))
                i += 1
            else:
                return None
        else:
            return None
    return pieces


def formula(run):
    """The run typeset, or None when it is no formula."""
    charge = ""
    body = run
    m = re.search(r"\((\d*)([+-])\)$", body)
    if m and m.start() > 0:
        charge, body = m.group(1) + m.group(2), body[:m.start()]
    elif body and body[-1] in "+-":
        sign = body[-1]
        body = body[:-1]
        m = re.search(r"(\d+)$", body)
        head = body[:m.start()] if m else body
        single = symbols(head)
        if m and single is not None and len(single) == 1 and single[0][0] == "element":
            charge, body = m.group(1) + sign, head  # O2- is the oxide ion
        else:
            charge = sign
    if body.count("(") != body.count(")") or body.count("[") != body.count("]"):
        return None
    pieces = symbols(body)
    if not pieces or not any(kind == "element" for kind, _ in pieces):
        return None
    if not charge and not any(kind == "count" for kind, _ in pieces):
        return None  # nothing to set: NaCl stays as it is
    if charge == "" and body != run:
        return None
    out = []
    for kind, text in pieces:
        out.append(text.translate(SUB) if kind == "count" else text)
    return "".join(out) + charge.translate(SUP)


def typeset(text):
    text = re.sub(r"(\d) A\b", "\\1 Å", text)
    text = re.sub(r"(\d) deg\b", "\\1°", text)
    text = re.sub(r"(?<=[A-Z])#(?=[A-Z])", "≡", text)  # a triple bond: C#C
    text = re.sub(r"(?<![\w.])-(?=\d+(?:[.,]\d+)? °?C\b)", "−", text)  # a temperature below zero
    text = re.sub(r"(\d) C\b(?![-=#≡])", "\\1 °C", text)  # degrees Celsius
    text = re.sub(r"(?<=[A-Za-z0-9)])\.(?=\d+H2O)", "·", text)  # water of crystallisation
    text = text.replace("Al(O,OH)6", "Al(O,OH)₆")
    text = text.replace("[PCl4+][PCl6-]", "[PCl₄]⁺[PCl₆]⁻")
    # A chain written with its bonds at both ends is no ion: -Hg-S-
    protected = {"-Hg-S-": "\0"}
    for plain, mark in protected.items():
        text = text.replace(plain, mark)

    def replace(match):
        run = match.group(0)
        lead = ""
        # A bracket before the formula that belongs to the sentence: "(Ala, A)", "(NaCl)".
        while run.startswith("(") and run.count("(") > run.count(")"):
            lead, run = lead + run[0], run[1:]
        trail = ""
        while run.endswith(")") and run.count(")") > run.count("(") and not re.search(r"\(\d*[+-]\)$", run):
            trail, run = run[-1] + trail, run[:-1]
        typeset_run = formula(run)
        return lead + (typeset_run if typeset_run else run) + trail

    text = RUN.sub(replace, text)
    # A coefficient before water of crystallisation: ·2H2O
    text = re.sub(r"·(\d+)(H)2O", lambda m: "·" + m.group(1) + "H₂O", text)
    for plain, mark in protected.items():
        text = text.replace(mark, plain)
    return text


if __name__ == "__main__":
    for line in sys.stdin if len(sys.argv) < 2 else []:
        print(typeset(line.rstrip("\n")))
