#!/usr/bin/env python3
"""Writes tests/trigonometry_table.h: the six trigonometric functions of
angles typed into the trigonometry window, worked to 40 significant digits
with exact decimal arithmetic (Python's decimal and fractions, no floating
point), for test_formulas_trigonometry.

    tools/trigtable.py > tests/trigonometry_table.h

Each row: the function, the text typed, whether that is a whole multiple of
30 or 45 degrees (whose degrees box is the exact value), and the true value
of the degrees box and of the radians box ("" where the function is
undefined). In
degrees the angle is the text typed as the exact decimal it is; in radians
it is the double nearest to that text, as the window reads it. The random
angles come from a fixed seed, so the table is the same at every run."""

import random
from decimal import Decimal, getcontext, ROUND_HALF_EVEN
from fractions import Fraction

getcontext().prec = 420
getcontext().rounding = ROUND_HALF_EVEN


def pi():
    """pi by Machin's formula, to the context's precision."""
    getcontext().prec += 10

    def arctan_inverse(n):
        x = Decimal(1) / n
        x2 = x * x
        total, term, k = Decimal(0), x, 1
        while True:
            step = term / k
            if step == 0 or abs(step) < Decimal(10) ** -(getcontext().prec + 5):
                break
            total += step
            term *= -x2
            k += 2
        return total

    value = 16 * arctan_inverse(5) - 4 * arctan_inverse(239)
    getcontext().prec -= 10
    return +value


PI = pi()


def sin_cos(x):
    """sin and cos of x radians (a Decimal or Fraction), to the context's precision."""
    x = Decimal(x.numerator) / Decimal(x.denominator) if isinstance(x, Fraction) else x
    two_pi = 2 * PI
    x = x - two_pi * (x / two_pi).to_integral_value(rounding=ROUND_HALF_EVEN)
    s, c, term, k = Decimal(0), Decimal(0), Decimal(1), 0
    limit = Decimal(10) ** -(getcontext().prec + 5)
    while True:
        if k % 4 == 0:
            c += term
        elif k % 4 == 1:
            s += term
        elif k % 4 == 2:
            c -= term
        else:
            s -= term
        k += 1
        term = term * x / k
        if abs(term) < limit:
            break
    return s, c


def functions(s, c):
    """The six functions from the sine and the cosine; None where undefined."""
    def ratio(a, b):
        return None if b == 0 else a / b
    return {"Sine": s, "Cosine": c, "Tangent": ratio(s, c), "Cotangent": ratio(c, s),
            "Secant": ratio(Decimal(1), c), "Cosecant": ratio(Decimal(1), s)}


def in_degrees(text):
    x = Fraction(Decimal(text))
    turn = x - 360 * int(x / 360)  # int() truncates toward zero: exact
    if turn.denominator == 1 and int(turn) % 90 == 0:
        k = (int(turn) // 90) % 4
        s, c = [(0, 1), (1, 0), (0, -1), (-1, 0)][k]
        return functions(Decimal(s), Decimal(c))
    return functions(*sin_cos(turn * Fraction(PI) / 180))


def in_radians(text):
    return functions(*sin_cos(Fraction(float(text))))


def special(text):
    x = Fraction(Decimal(text))
    return x.denominator == 1 and (x % 30 == 0 or x % 45 == 0)


def digits40(value):
    if value is None:
        return ""
    if value == 0:
        return "0"
    return format(value, ".39E")


def random_angles(count):
    r = random.Random(28)
    texts = []
    while len(texts) < count:
        kind = r.randrange(8)
        sign = "-" if r.random() < 0.4 else ""
        if kind <= 2:  # a few decimals, within two turns either way
            text = sign + f"{r.uniform(0, 720):.{r.randrange(0, 7)}f}"
        elif kind == 3:  # beside a right angle
            text = sign + f"{90 * r.randrange(1, 9) + r.choice([-1, 1]) * r.uniform(0, 0.1):.{r.randrange(2, 9)}f}"
        elif kind == 4:  # many digits
            text = sign + f"{r.uniform(0, 1000):.{r.randrange(14, 22)}f}"
        elif kind == 5:  # large, in the exponent form
            text = sign + f"{r.uniform(1, 10):.{r.randrange(1, 15)}f}E{r.randrange(5, 300)}"
        elif kind == 6:  # small
            text = sign + f"{r.uniform(1, 10):.{r.randrange(1, 15)}f}E-{r.randrange(1, 200)}"
        else:  # a whole number, not a multiple of 15
            n = r.randrange(1, 10 ** r.randrange(2, 12))
            if n % 15 == 0:
                continue
            text = sign + str(n)
        texts.append(text)
    return texts


def main():
    names = ["Sine", "Cosine", "Tangent", "Cotangent", "Secant", "Cosecant"]
    print("#pragma once")
    print("// Made by tools/trigtable.py: the true values of the six functions, to")
    print("// 40 significant digits; \"\" where a function is undefined.")
    print("// {function, typed, a multiple of 30° or 45°, degrees box, radians box}")
    print("// clang-format off")
    print("const TrueValue SpecialAngles[] = {")
    for angle in range(-720, 721, 15):
        d, rad = in_degrees(str(angle)), in_radians(str(angle))
        for n in names:
            print(f'    {{Function::{n}, "{angle}", {str(special(str(angle))).lower()}, "{digits40(d[n])}", '
                  f'"{digits40(rad[n])}"}},')
    print("};")
    print("const TrueValue RandomAngles[] = {")
    for text in random_angles(200):
        d, rad = in_degrees(text), in_radians(text)
        for n in names:
            print(f'    {{Function::{n}, "{text}", {str(special(text)).lower()}, "{digits40(d[n])}", '
                  f'"{digits40(rad[n])}"}},')
    print("};")


if __name__ == "__main__":
    main()
