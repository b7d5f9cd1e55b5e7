"""Amounts with up to 40 significant digits, written as people write them (with units, number words,
duros and céntimos), typed into either field of the program reading them
(tests/core/amount_lines.cpp): the field's text after TAB and the other field's must be what exact
rational arithmetic gives, rounded half away from zero."""
import os
import random
import subprocess
import sys
from fractions import Fraction

RATE = Fraction(166386, 1000)
COUNT = 10000
# What each unit, with the number words before it, makes of the number.
EURO_UNITS = {"": 1, " €": 1, " EUR": 1, " euros": 1, " mil €": 1000, " céntimos": Fraction(1, 100)}
PESETA_UNITS = {"": 1, " ptas": 1, " Pts.": 1, " pesetas": 1, " millones de pesetas": 10**6,
                " duros": 5}


def rounded(value, decimals):
    scaled = abs(value) * 10**decimals
    whole = int(scaled) + (1 if scaled - int(scaled) >= Fraction(1, 2) else 0)
    return -whole if value < 0 else whole


def spanish(value, decimals):
    """The value rounded to `decimals` decimals, as 1.234,50."""
    whole = rounded(value, decimals)
    digits = str(abs(whole)).rjust(decimals + 1, "0")
    integer, fraction = digits[: len(digits) - decimals], digits[len(digits) - decimals :]
    groups = []
    while len(integer) > 3:
        groups.insert(0, integer[-3:])
        integer = integer[:-3]
    text = ".".join([integer] + groups) + ("," + fraction if decimals else "")
    return ("-" if whole < 0 else "") + text


def grouped(digits, separator):
    head = len(digits) % 3 or 3
    return separator.join([digits[:head]] + [digits[i : i + 3] for i in range(head, len(digits), 3)])


def written(rng, euro):
    """A random amount as text, and its exact value."""
    significant = rng.randint(1, 40)
    integer_size = rng.randint(0, min(significant, 25))
    digits = "".join(rng.choice("0123456789") for _ in range(significant))
    integer, fraction = digits[:integer_size].lstrip("0"), digits[integer_size:]
    if not integer and not fraction:
        integer = "0"
    value = Fraction(int(integer or "0")) + (
        Fraction(int(fraction), 10 ** len(fraction)) if fraction else 0
    )
    negative = rng.random() < 0.3
    separator = rng.choice([".", " ", "\u2009"]) if integer and rng.random() < 0.5 else ""
    text = grouped(integer, separator) if separator else integer
    if fraction or not text:
        text += "," + fraction
    units = EURO_UNITS if euro else PESETA_UNITS
    unit = rng.choice(list(units))
    # In the peseta field a comma before exactly three digits sets thousands apart, where the
    # digits before it could be grouping too, unless a number word follows.
    groupable = integer and (len(integer) <= 3 or separator in (" ", "\u2009"))
    if not euro and len(fraction) == 3 and groupable and "millones" not in unit:
        value = Fraction(int(integer + fraction))
    if negative:
        text = rng.choice(["-", "\u2212", "\u2013", "- "]) + text
    value *= units[unit]
    return text + unit, -value if negative else value


def main():
    rng = random.Random(int(sys.argv[2]) if len(sys.argv) > 2 else 1999)
    cases = [(euro, *written(rng, euro)) for euro in (True, False) for _ in range(COUNT)]
    lines = "".join(("E" if euro else "P") + text + "\n" for euro, text, _ in cases)
    # A program built for another machine runs under what TRELUMO_RUNNER names (Node.js).
    runner = [os.environ["TRELUMO_RUNNER"]] if os.environ.get("TRELUMO_RUNNER") else []
    output = subprocess.run(runner + [sys.argv[1]], input=lines, capture_output=True, text=True,
                            check=True)
    failures = 0
    for (euro, text, value), got in zip(cases, output.stdout.splitlines(), strict=True):
        decimals, other = (2, 0) if euro else (0, 2)
        tidied = Fraction(rounded(value, decimals), 10**decimals)
        converted = tidied * RATE if euro else tidied / RATE
        expected = spanish(value, decimals) + "\t" + spanish(converted, other)
        if got != expected:
            failures += 1
            if failures <= 10:
                print(f"{'euro' if euro else 'peseta'} field {text!r}: {got!r}, not {expected!r}")
    print(f"{len(cases) - failures} passed, {failures} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
