#!/usr/bin/env python3
"""Generates data/IniFiles/IsoOils.ini, the oil data of the ten ISO VG grades.

For each grade a mineral hydraulic oil of viscosity index 100 is assumed: its kinematic
viscosity at 40 degC is the grade's nominal value, the one at 100 degC follows from the
viscosity-index relation of ISO 2909 / ASTM D2270, and the Walther relation of ASTM D341
through these two points gives the viscosity at any temperature. The program wants that
curve as a polynomial of degree 6 in the temperature in degC (mm2/s), so the script fits one
by least squares on the relative error, checks it against the Walther curve and writes the
file only when every grade passes.

Usage: python3 tools/fit_oils.py [output file]   (default: data/IniFiles/IsoOils.ini)
"""

import argparse
import configparser
import math
import sys
from pathlib import Path

GRADES = (22, 32, 46, 68, 100, 150, 220, 320, 460, 680)

# The program evaluates the viscosity at the mean oil temperature in the cooler, limited to
# 100 degC, and the input limits keep that mean above about 10 degC in practice. The fit runs
# 10 K past 100 degC: a least-squares polynomial bends back near the end of its range, and the
# margin keeps that bend out of the temperatures the program uses.
FIT_FIRST_TEMP = 10.0
FIT_LAST_TEMP = 110.0
FIT_STEP = 1.0
DEGREE = 6
# Fitting in T/100 keeps the columns of the least-squares matrix of similar size.
TEMP_SCALE = 100.0

# The accuracy promised over the usual working range. Heavy grades thin so steeply that one
# polynomial of degree 6 cannot follow them as closely.
ACCURACY_FIRST_TEMP = 20.0
ACCURACY_LAST_TEMP = 100.0
HEAVY_GRADE_FROM = 320
LIGHT_TOLERANCE = 0.05
HEAVY_TOLERANCE = 0.10

# Cold oil beyond the fitting range is still asked for (the air may be as cold as -30 degC),
# so the polynomial must at least stay positive and keep rising down there.
SAFE_FIRST_TEMP = -30.0
SAFE_LAST_TEMP = 100.0
CHECK_STEP = 0.1

# The cooling correction falls linearly in ln(viscosity at 40 degC) between these points.
COOL_CORR_LIGHTEST = (22.0, 1.0)
COOL_CORR_HEAVIEST = (680.0, 0.9)

SIGNIFICANT_DIGITS = 12
KEYS = ("CoeffA", "CoeffB", "CoeffC", "CoeffD", "CoeffE", "CoeffF", "CoeffG")

# ASTM D2270 table of H: the viscosity at 40 degC of the VI 100 reference oil that has a given
# viscosity at 100 degC (mm2/s). Only the part that ISO VG 22 to 680 need; runs of
# (first viscosity at 100 degC, step, H values).
H_TABLE = (
    (4.0, 0.1, (
        19.56, 20.37, 21.21, 22.05, 22.92, 23.81, 24.71, 25.63, 26.57, 27.53, 28.49,
        29.46, 30.43, 31.4, 32.37, 33.34, 34.32, 35.29, 36.26, 37.23, 38.19, 39.17,
        40.15, 41.13, 42.14, 43.18, 44.24, 45.33, 46.44, 47.51, 48.57, 49.61, 50.69,
        51.78, 52.88, 53.98, 55.09, 56.2, 57.31, 58.45, 59.6, 60.74, 61.89, 63.05,
        64.18, 65.32, 66.48, 67.64, 68.79, 69.94, 71.1, 72.27, 73.42, 74.57, 75.73,
        76.91, 78.08, 79.27, 80.46, 81.67, 82.87, 84.08, 85.3, 86.51, 87.72, 88.95,
        90.19, 91.4, 92.65, 93.92, 95.19, 96.45, 97.71, 98.97, 100.2, 101.5, 102.8,
        104.1, 105.4, 106.7, 108, 109.4, 110.7, 112, 113.3, 114.7, 116, 117.4, 118.7,
        120.1, 121.5, 122.9, 124.2, 125.6, 127, 128.4, 129.8, 131.2, 132.6, 134, 135.4,
        136.8, 138.2, 139.6, 141, 142.4, 143.9, 145.3, 146.8, 148.2, 149.7, 151.2,
        152.6, 154.1, 155.6, 157, 158.6, 160.1, 161.6, 163.1, 164.6, 166.1, 167.7,
        169.2, 170.7, 172.3, 173.8, 175.4, 177, 178.6, 180.2, 181.7, 183.3, 184.9,
        186.5, 188.1, 189.7, 191.3, 192.9, 194.6, 196.2, 197.8, 199.4, 201, 202.6,
        204.3, 205.9, 207.6, 209.3, 211, 212.7, 214.4, 216.1, 217.7, 219.4, 221.1,
        222.8, 224.5, 226.2, 227.7, 229.5)),
    (20.2, 0.2, (
        233, 236.4, 240.1, 243.5, 247.1, 250.7, 254.2, 257.8, 261.5, 264.9, 268.6,
        272.3, 275.8, 279.6, 283.3, 286.8, 290.5, 294.4, 297.9, 301.8, 305.6, 309.4,
        313, 317, 320.9, 324.9, 328.8, 332.7, 336.7, 340.5, 344.4, 348.4, 352.3, 356.4,
        360.5, 364.6, 368.3, 372.3, 376.4, 380.6, 384.6, 388.8, 393, 396.6, 401.1,
        405.3, 409.5, 413.5, 417.6, 421.7)),
    (30.5, 0.5, (
        432.4, 443.2, 454, 464.9, 475.9, 487, 498.1, 509.6, 521.1, 532.5, 544, 555.6,
        567.1, 579.3, 591.3, 603.1, 615, 627.1, 639.2, 651.8, 664.2, 676.6, 689.1,
        701.9, 714.9, 728.2, 741.3, 754.4, 767.6, 780.9)),
)


class FitError(Exception):
    pass


def h_table_points():
    points = []
    for first, step, values in H_TABLE:
        points += [(round(first + i * step, 1), h) for i, h in enumerate(values)]
    return points


def viscosity_at_100(nu40):
    """Viscosity at 100 degC of the VI 100 oil with `nu40` at 40 degC.

    VI = 100 means the oil's viscosity at 40 degC equals H, so this inverts the table,
    interpolating linearly between its rows as ASTM D2270 does.
    """
    points = h_table_points()
    for (y0, h0), (y1, h1) in zip(points, points[1:]):
        if h0 <= nu40 <= h1:
            return y0 + (nu40 - h0) / (h1 - h0) * (y1 - y0)
    raise FitError(f"{nu40} mm2/s at 40 degC lies outside the viscosity-index table")


def walther_curve(nu40, nu100):
    """ASTM D341: log10(log10(nu + 0.7)) is linear in log10(T in kelvin).

    The simple 0.7 form holds for viscosities above 2 mm2/s, which every grade keeps up to
    well beyond 100 degC.
    """

    def z(nu):
        return math.log10(math.log10(nu + 0.7))

    def log_kelvin(temp):
        return math.log10(temp + 273.15)

    slope = (z(nu100) - z(nu40)) / (log_kelvin(100.0) - log_kelvin(40.0))

    def viscosity(temp):
        return 10.0 ** 10.0 ** (z(nu40) + slope * (log_kelvin(temp) - log_kelvin(40.0))) - 0.7

    return viscosity


def least_squares(rows, rhs):
    """Solves min |rows * x - rhs| by Householder QR.

    The normal equations would square the condition number of a degree-6 Vandermonde matrix
    and lose the digits the file is meant to carry.
    """
    a = [list(row) for row in rows]
    b = list(rhs)
    m, n = len(a), len(a[0])
    for k in range(n):
        norm = math.sqrt(sum(a[i][k] ** 2 for i in range(k, m)))
        alpha = -norm if a[k][k] >= 0 else norm
        v = [a[i][k] for i in range(k, m)]
        v[0] -= alpha
        vv = sum(x * x for x in v)
        for j in range(k, n):
            s = 2.0 * sum(v[i - k] * a[i][j] for i in range(k, m)) / vv
            for i in range(k, m):
                a[i][j] -= s * v[i - k]
        s = 2.0 * sum(v[i - k] * b[i] for i in range(k, m)) / vv
        for i in range(k, m):
            b[i] -= s * v[i - k]
    x = [0.0] * n
    for k in reversed(range(n)):
        x[k] = (b[k] - sum(a[k][j] * x[j] for j in range(k + 1, n))) / a[k][k]
    return x


def fit_polynomial(viscosity):
    """Coefficients of T^6 .. T^0 (T in degC) minimising the relative error to `viscosity`.

    Dividing each row by the target turns the absolute residual into the relative one, so the
    thin oil near 100 degC counts as much as the thick oil near 10 degC.
    """
    count = round((FIT_LAST_TEMP - FIT_FIRST_TEMP) / FIT_STEP) + 1
    temps = [FIT_FIRST_TEMP + i * FIT_STEP for i in range(count)]
    rows = [[(t / TEMP_SCALE) ** k / viscosity(t) for k in range(DEGREE + 1)] for t in temps]
    scaled = least_squares(rows, [1.0] * count)
    ascending = [c / TEMP_SCALE ** k for k, c in enumerate(scaled)]
    return ascending[::-1]


def cool_corr(nu40):
    (nu_light, corr_light), (nu_heavy, corr_heavy) = COOL_CORR_LIGHTEST, COOL_CORR_HEAVIEST
    share = math.log(nu40 / nu_light) / math.log(nu_heavy / nu_light)
    return corr_light + share * (corr_heavy - corr_light)


def section_name(grade):
    return f"ISO_VG_{grade}"


def ini_text(fits):
    lines = [
        "; Viscosity (mm2/s) = CoeffA*T^6 + ... + CoeffF*T + CoeffG, T in degC; CoolCorr scales",
        "; the heat transfer. Generated by tools/fit_oils.py; edit the script, not this file.",
    ]
    for grade, (coefficients, corr) in fits.items():
        lines.append("")
        lines.append(f"[{section_name(grade)}]")
        lines += [f"{key}={value:.{SIGNIFICANT_DIGITS - 1}e}"
                  for key, value in zip(KEYS, coefficients)]
        lines.append(f"CoolCorr={corr:.4f}")
    return "\n".join(lines) + "\n"


def read_back(text, grade):
    """The coefficients exactly as the program will read them from `text`."""
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read_string(text)
    section = parser[section_name(grade)]
    return [float(section[key]) for key in KEYS], float(section["CoolCorr"])


def evaluate(coefficients, temp):
    value = 0.0
    for c in coefficients:
        value = value * temp + c
    return value


def slope(coefficients, temp):
    value = 0.0
    for power, c in zip(range(DEGREE, 0, -1), coefficients):
        value = value * temp + power * c
    return value


def grid(first, last):
    count = round((last - first) / CHECK_STEP) + 1
    return [first + i * CHECK_STEP for i in range(count)]


def check_grade(grade, coefficients, viscosity):
    """Returns the worst relative error over the accuracy range, its temperature and the
    problems found."""
    problems = []
    errors = [(abs(evaluate(coefficients, t) / viscosity(t) - 1.0), t)
              for t in grid(ACCURACY_FIRST_TEMP, ACCURACY_LAST_TEMP)]
    worst, worst_temp = max(errors)
    tolerance = HEAVY_TOLERANCE if grade >= HEAVY_GRADE_FROM else LIGHT_TOLERANCE
    if worst > tolerance:
        problems.append(f"off by {worst:.1%} at {worst_temp:.1f} degC "
                        f"(allowed {tolerance * 100:g}%)")
    for t in grid(SAFE_FIRST_TEMP, SAFE_LAST_TEMP):
        if evaluate(coefficients, t) <= 0.0:
            problems.append(f"not positive at {t:.1f} degC")
            break
        if slope(coefficients, t) >= 0.0:
            problems.append(f"not falling at {t:.1f} degC")
            break
    return worst, worst_temp, problems


def main():
    default_output = Path(__file__).resolve().parent.parent / "data" / "IniFiles" / "IsoOils.ini"
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output", nargs="?", type=Path, default=default_output)
    output = parser.parse_args().output

    curves = {}
    fits = {}
    for grade in GRADES:
        nu100 = viscosity_at_100(float(grade))
        curves[grade] = (nu100, walther_curve(float(grade), nu100))
        fits[grade] = (fit_polynomial(curves[grade][1]), cool_corr(float(grade)))
    text = ini_text(fits)

    print(f"Fit over {FIT_FIRST_TEMP:g}..{FIT_LAST_TEMP:g} degC; error against the Walther curve, "
          f"polynomial values in mm2/s as read back from the file.")
    print(f"{'grade':>10} {'nu100':>7} {'p(20)':>9} {'p(40)':>8} {'p(100)':>7} "
          f"{'worst 20..100':>15} {'at 10C':>7} {'at 0C':>7} {'CoolCorr':>8}")
    failures = []
    for grade in GRADES:
        nu100, viscosity = curves[grade]
        coefficients, corr = read_back(text, grade)
        worst, worst_temp, problems = check_grade(grade, coefficients, viscosity)
        failures += [f"ISO VG {grade}: {problem}" for problem in problems]

        def error_at(t):
            return evaluate(coefficients, t) / viscosity(t) - 1.0

        print(f"{'ISO VG ' + str(grade):>10} {nu100:7.3f} {evaluate(coefficients, 20):9.2f} "
              f"{evaluate(coefficients, 40):8.3f} {evaluate(coefficients, 100):7.3f} "
              f"{worst:7.2%} {worst_temp:5.1f} C {error_at(10):+7.1%} {error_at(0):+7.1%} "
              f"{corr:8.4f}")

    if failures:
        print(f"\nFIT REJECTED, {output} not written:", file=sys.stderr)
        for failure in failures:
            print("  " + failure, file=sys.stderr)
        return 1
    output.parent.mkdir(parents=True, exist_ok=True)
    output.write_text(text, encoding="ascii", newline="\n")
    print(f"\nWrote {output}")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except FitError as error:
        print(f"fit_oils: {error}", file=sys.stderr)
        sys.exit(1)
