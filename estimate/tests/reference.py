#!/usr/bin/env python3
"""An independent model of the dose estimate's arithmetic, in exact rationals.

Every operation is rounded to a 64-bit significand (round to nearest, ties to
even), and the working value to a 53-bit double whenever it is stored, as the
program does with long double. Model(53) models plain double
arithmetic instead, to show the inputs on which the two differ.

Prints table rows for estimate_test.cpp:
    {strength, age, weight, {effect, beer, snacks, sex, level, smoking,
     hangovers, place, time}, grams},
for a reproducible pseudo-random sample of in-range inputs (the count is the
first argument, 40 by default). Run with Debian's /usr/bin/python3 or any
Python 3; it needs nothing beyond the standard library.
"""
import random
import sys
from fractions import Fraction


def round_bits(x, bits):
    if x == 0:
        return x
    sign = -1 if x < 0 else 1
    x = abs(x)
    e = x.numerator.bit_length() - x.denominator.bit_length()
    # make 2**(bits-1) <= x / 2**e < 2**bits
    while x / Fraction(2) ** e >= 2:
        e += 1
    while x / Fraction(2) ** e < 1:
        e -= 1
    e -= bits - 1
    m = x / Fraction(2) ** e
    whole = m.numerator // m.denominator
    rest = m - whole
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and whole % 2 == 1):
        whole += 1
    return sign * whole * Fraction(2) ** e


class Model:
    def __init__(self, bits):
        self.bits = bits

    def op(self, x):
        return round_bits(x, self.bits)

    def const(self, text):
        return self.op(Fraction(text))

    def store(self, x):
        return round_bits(x, 53)

    def less(self, p, q):
        return self.store(self.op(q - self.op(self.const(p) * q)))

    def more(self, p, q):
        return self.store(self.op(self.op(self.const(p) * q) + q))


RULES = [
    [("base", 10000), ("base", 24000), ("base", 29000)],
    [("less", "0.2"), ("none",)],
    [("less", "0.2"), ("less", "0.1"), ("less", "0.05"), ("none",)],
    [("none",), ("less", "0.2")],
    [("less", "0.05"), ("none",), ("more", "0.05"), ("more", "0.1")],
    [("less", "0.03"), ("none",), ("less", "0.06")],
    [("none",), ("less", "0.05"), ("more", "0.05")],
    [("none",), ("less", "0.03"), ("more", "0.1")],
    [("none",), ("more", "0.5"), ("half",)],
]


def apply(m, rule, q):
    if rule[0] == "less":
        return m.less(rule[1], q)
    if rule[0] == "more":
        return m.more(rule[1], q)
    if rule[0] == "half":
        return m.store(m.op(q / 2))
    return q


def grams(m, s, a, w, choices):
    r = [RULES[i][c] for i, c in enumerate(choices)]
    q = m.store(m.op(Fraction(r[0][1]) / s))
    for i in (1, 2, 3, 4):
        q = apply(m, r[i], q)
    if a <= 18:
        q = m.store(m.op(m.op(m.op(a * m.const("0.001")) * q) + q))
    if a > 18:
        q = m.store(m.op(m.op(a * m.const("0.9")) + q))
    if a < 60:
        q = m.store(m.op(m.op(a * m.const("0.9")) + q))
    if a >= 60:
        q = m.store(m.op(q - m.op(m.op(a * m.const("0.001")) * q)))
    q = apply(m, r[5], q)
    for i in (6, 7, 8):
        q = apply(m, r[i], q)
    q = m.store(m.op(m.op(m.op(Fraction(w) / 800) * q) + q))
    whole = q.numerator // q.denominator
    rest = q - whole
    if rest > Fraction(1, 2) or (rest == Fraction(1, 2) and whole % 2 == 1):
        whole += 1
    return whole


def row(s, a, w, c, g):
    return "    {%d, %d, %d, {%s}, %d}," % (s, a, w, ", ".join(map(str, c)), g)


def main():
    count = int(sys.argv[1]) if len(sys.argv) > 1 else 40
    rng = random.Random(20261211)
    extended, double = Model(64), Model(53)
    for _ in range(count):
        s, a, w = rng.randint(5, 96), rng.randint(14, 91), rng.randint(30, 180)
        c = [rng.randrange(len(items)) for items in RULES]
        print(row(s, a, w, c, grams(extended, s, a, w, c)))


if __name__ == "__main__":
    main()
