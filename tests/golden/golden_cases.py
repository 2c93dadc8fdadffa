"""The cases of the record, built the same on every machine: every random choice comes from a
generator of its own with a fixed seed, and no case depends on the time or the machine.

The typed spellings below are what a user types on the command line, including the plain forms
the program accepts ("C", "m3/h"); the conversion factors only place the operating points inside
or outside the ranges in every unit, so rough ones do. golden.py checks, before it writes a
record, that every unit, grade and language the program lists is among them.
"""

import csv
import io
import math

from golden_run import Case

SEED = 0x6A1D_2026

SERIES = ("VAM", "VDM", "VHM", "VCS")
OIL_GRADES = tuple(f"ISO VG {grade}" for grade in (22, 32, 46, 68, 100, 150, 220, 320, 460, 680))
LANGUAGES = ("ENGLISH", "US_ENGLISH", "AUS_ENGLISH", "GERMAN", "DUTCH", "FRANCE", "POLISH",
             "SWEDISH", "SPANISH", "DANISH", "ITALIAN", "NORWEGIAN")
# Chosen more often: the languages whose texts differ most in width and wording.
FOCUS_LANGUAGES = ("ENGLISH", "SPANISH", "GERMAN", "FRANCE", "SWEDISH", "POLISH", "US_ENGLISH")

# Typed unit -> factor from l/min, °C-is-Fahrenheit, factor from m, factor from kW.
FLOW_UNITS = {"m³/h": 0.06, "m3/h": 0.06, "l/min": 1.0, "kg/s": 0.0145, "ft³/h": 2.119,
              "ft3/h": 2.119, "US gpm": 0.2642, "us gpm": 0.2642, "lb/h": 115.1}
TEMP_UNITS = {"°C": False, "C": False, "c": False, "°F": True, "F": True}
ALTITUDE_UNITS = {"m": 1.0, "ft": 3.2808, "FT": 3.2808}
HEAT_UNITS = {"W": 1000.0, "kW": 1.0, "kw": 1.0, "kcal/hr": 859.8, "kcal/h": 859.8,
              "Btu/hr": 3412.1, "BTU/h": 3412.1, "HP": 1.341}
# The heat-load page's lists: volume from liter, density from kg/dm³, heat capacity from
# KJ/Kg°K.
VOLUME_UNITS = {"liter": 1.0, "m³": 0.001, "m3": 0.001, "quarts": 1.0567, "in³": 61.02,
                "US gal": 0.2642}
DENSITY_UNITS = {"kg/dm³": 1.0, "kg/dm3": 1.0, "lb/ft³": 62.43, "lb/in³": 0.03613}
HEAT_CAPACITY_UNITS = {"KJ/Kg°K": 1.0, "kj/kgk": 1.0, "Btu/lb°F": 0.2388}

UNREADABLE_NUMBERS = ("abc", "20,000", "1.2.3", "", "1e3", "12 5", "--", "½", "0x10", "1,5,0",
                      "7,", ",5", "1 000", "NaN", "inf")


class Rng:
    """SplitMix64: the same numbers from the same seed with every Python."""

    MASK = (1 << 64) - 1

    def __init__(self, seed):
        self.state = seed & self.MASK

    def next(self):
        self.state = (self.state + 0x9E3779B97F4A7C15) & self.MASK
        z = self.state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & self.MASK
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & self.MASK
        return z ^ (z >> 31)

    def below(self, n):
        return self.next() % n

    def unit(self):
        return (self.next() >> 11) / float(1 << 53)

    def uniform(self, lo, hi):
        return lo + (hi - lo) * self.unit()

    def log_uniform(self, lo, hi):
        return math.exp(self.uniform(math.log(lo), math.log(hi)))

    def chance(self, p):
        return self.unit() < p

    def choice(self, items):
        items = tuple(items)
        return items[self.below(len(items))]

    def shuffled(self, items):
        items = list(items)
        for i in range(len(items) - 1, 0, -1):
            j = self.below(i + 1)
            items[i], items[j] = items[j], items[i]
        return items


def kind_rng(kind):
    """Each kind draws from its own generator, so that a change to one kind's cases leaves the
    others as they are."""
    return Rng(SEED ^ sum((i + 1) * ord(c) << (8 * (i % 7)) for i, c in enumerate(kind)))


def number_text(rng, value, commas=True):
    """A value typed as a user types it: zero to two decimals, a comma as decimal sign at
    times (never before exactly three digits, which would read as thousands)."""
    decimals = rng.choice((0, 0, 1, 1, 2))
    text = f"{value:.{decimals}f}"
    if decimals and commas and rng.chance(0.3):
        text = text.replace(".", ",")
    return text


def temperature_in(celsius, fahrenheit):
    return celsius * 1.8 + 32 if fahrenheit else celsius


class Catalogue:
    """The models of each series as `aircooler-cli models` lists them, by language."""

    def __init__(self, list_models):
        self._list_models = list_models
        self._lists = {}

    def models(self, series, language="ENGLISH"):
        key = (series, language)
        if key not in self._lists:
            self._lists[key] = self._list_models(series, language)
        return self._lists[key]


class PointMaker:
    """Operating points for select, its batch rows, the diagram and the report."""

    # Shares of the kinds of point, in percent: most are points a user sizes, the others sit on
    # the ranges' limits, outside them, have no warmer oil than air, or fault the arguments.
    FULL_MIX = (("typical", 66), ("boundary", 10), ("out of range", 10), ("oil not warmer", 5),
                ("fault", 9))
    # For the slower commands, whose cases are fewer: mostly points that give a result.
    RESULT_MIX = (("typical", 85), ("boundary", 5), ("out of range", 4), ("oil not warmer", 2),
                  ("fault", 4))

    def __init__(self, rng, catalogue, model_share=0.25, command_faults=True, mix=FULL_MIX):
        self.rng = rng
        self.catalogue = catalogue
        self.model_share = model_share
        self.command_faults = command_faults
        self.mix = mix

    def point(self):
        """The options (name, value) of one point in the order typed, and arguments beyond
        them (faults of the command line itself)."""
        rng = self.rng
        series = rng.choice(SERIES)
        category = self._category()
        celsius = {"oil": rng.uniform(35, 100), "air": 0.0}
        celsius["air"] = rng.uniform(-20, min(45, celsius["oil"] - 5))
        flow = rng.log_uniform(8, 700)
        altitude = 0.0 if rng.chance(0.3) else rng.uniform(0, 2500)
        heat = (celsius["oil"] - celsius["air"]) * rng.log_uniform(0.03, 2)
        if category == "boundary":
            celsius["oil"] = rng.choice((10, 120, 60, 9.9, 120.1))
            celsius["air"] = rng.choice((-30, 50, 20, -30.1, 50.1))
            altitude = rng.choice((0, 4000, 4000.5, 1000))
            heat = rng.choice((0, 800, 800.5, 20, 0.01))
        elif category == "out of range":
            which = rng.choice(("oil", "air", "altitude", "heat", "flow"))
            if which == "oil":
                celsius["oil"] = rng.choice((rng.uniform(121, 200), rng.uniform(-20, 9)))
            elif which == "air":
                celsius["air"] = rng.choice((rng.uniform(51, 90), rng.uniform(-60, -31)))
            elif which == "altitude":
                altitude = rng.choice((rng.uniform(4001, 9000), rng.uniform(-500, -1)))
            elif which == "heat":
                heat = rng.choice((rng.uniform(801, 5000), -rng.uniform(0.1, 50)))
            else:
                flow = rng.choice((0.0, -rng.uniform(1, 50), rng.uniform(5000, 100000)))
        elif category == "oil not warmer":
            celsius["air"] = rng.uniform(celsius["oil"] - 10, min(50, celsius["oil"] + 10))
            celsius["oil"] = min(celsius["oil"], 50)

        options = [("--series", self._series_text(series)), ("--oil", self._oil_text())]
        model = self._model(series) if rng.chance(self.model_share) else None
        if series != "VCS" or (model and rng.chance(0.7)) or (not model and rng.chance(0.03)):
            options += self._with_unit("--flow", "--flow-unit", FLOW_UNITS, flow)
        for name, unit_name, key in (("--max-oil-temp", "--oil-temp-unit", "oil"),
                                     ("--air-temp", "--air-temp-unit", "air")):
            unit = self._unit(TEMP_UNITS)
            value = temperature_in(celsius[key], TEMP_UNITS.get(unit, False))
            options.append((name, number_text(rng, value)))
            if unit:
                options.append((unit_name, unit))
        options += self._with_unit("--altitude", "--altitude-unit", ALTITUDE_UNITS, altitude)
        options += self._with_unit("--heat", "--heat-unit", HEAT_UNITS, heat)
        if model:
            options.append(("--model", model))
        if rng.chance(0.6):
            options.append(("--language", self._language()))
        if rng.chance(0.2):
            options = rng.shuffled(options)
        extra = []
        if category == "fault":
            options, extra = self._fault(options)
        return options, extra

    def _category(self):
        roll = self.rng.below(100)
        for category, share in self.mix:
            if roll < share:
                return category
            roll -= share
        return "typical"

    def _series_text(self, series):
        return series.lower() if self.rng.chance(0.05) else series

    def _oil_text(self):
        grade = self.rng.choice(OIL_GRADES)
        spelling = self.rng.below(20)
        if spelling == 0:
            return grade.lower().replace(" ", "_")
        if spelling == 1:
            return grade.lower()
        if spelling == 2:
            return "  " + grade.replace(" ", "  ") + " "
        return grade

    def _unit(self, units):
        return self.rng.choice(tuple(units)) if self.rng.chance(0.45) else None

    def _with_unit(self, name, unit_name, units, canonical):
        unit = self._unit(units)
        options = [(name, number_text(self.rng, canonical * units.get(unit, 1.0)))]
        if unit:
            options.append((unit_name, unit))
        return options

    def _language(self):
        rng = self.rng
        return rng.choice(FOCUS_LANGUAGES) if rng.chance(0.75) else rng.choice(LANGUAGES)

    def _model(self, series):
        """A model of the series by any of the names the program takes, or now and then one it
        does not know or one of another series."""
        rng = self.rng
        roll = rng.below(20)
        if roll == 0:
            return rng.choice((f"K{series} 999", f"{series}_999_4_B", "", "KV"))
        if roll == 1:
            other = rng.choice(tuple(s for s in SERIES if s != series))
            return rng.choice(self.catalogue.models(other))[0]
        if roll < 10:
            return rng.choice(self.catalogue.models(series))[0]
        if roll < 15:
            return rng.choice(self.catalogue.models(series))[1]
        # The name in another language: the hydraulic motor's rpm word is translated.
        return rng.choice(self.catalogue.models(series, rng.choice(FOCUS_LANGUAGES)))[0]

    def _fault(self, options):
        """One fault the arguments can have; those of the command line itself (an option twice,
        an unknown or unfinished argument) only where arguments are typed, not in a table."""
        rng = self.rng
        faults = ["series", "missing", "oil", "unit", "language", "number", "vcs flow"]
        if self.command_faults:
            faults += ["twice", "unknown argument", "no value"]
        fault = rng.choice(faults)
        names = [name for name, _ in options]
        extra = []
        if fault == "series":
            options = _replaced(options, "--series", rng.choice(("VXM", "KVAM", "", "VA M")))
        elif fault == "missing":
            required = [n for n in ("--series", "--oil", "--max-oil-temp", "--air-temp",
                                    "--altitude", "--heat", "--flow") if n in names]
            gone = rng.choice(required)
            options = [(n, v) for n, v in options if n != gone]
        elif fault == "oil":
            options = _replaced(options, "--oil", rng.choice(("ISO VG 47", "VG46", "SAE 30")))
        elif fault == "unit":
            name = rng.choice(("--flow-unit", "--oil-temp-unit", "--air-temp-unit",
                               "--altitude-unit", "--heat-unit"))
            options = [(n, v) for n, v in options if n != name]
            options.append((name, rng.choice(("gal/min", "K", "yd", "MW", "", "kelvin"))))
        elif fault == "language":
            options = [(n, v) for n, v in options if n != "--language"]
            options.append(("--language", rng.choice(("KLINGON", "english_uk", "", "DEUTSCH"))))
        elif fault == "number":
            name = rng.choice([n for n in ("--flow", "--max-oil-temp", "--air-temp",
                                           "--altitude", "--heat") if n in names])
            options = _replaced(options, name, rng.choice(UNREADABLE_NUMBERS))
        elif fault == "vcs flow":
            options = _replaced(options, "--series", "VCS")
            options = [(n, v) for n, v in options if n not in ("--model", "--flow")]
            options.append(("--flow", number_text(rng, rng.uniform(10, 200))))
        elif fault == "twice":
            options.append(rng.choice(options))
        elif fault == "unknown argument":
            extra = [rng.choice(("--colour", "--jsn", "-x", "VAM"))]
        else:
            extra = [rng.choice(("--heat", "--model", "--language"))]
        return options, extra


def _replaced(options, name, value):
    replaced = [(n, value if n == name else v) for n, v in options]
    if name not in (n for n, _ in options):
        replaced.append((name, value))
    return replaced


def arguments(rng, options, extra, flags=()):
    """Options as typed: mostly "--name value", at times "--name=value"; each flag between
    two of them."""
    typed = []
    for name, value in options:
        typed.append([f"{name}={value}"] if rng.chance(0.1) and not value.startswith("-")
                     else [name, value])
    for flag in flags:
        typed.insert(rng.below(len(typed) + 1), [flag])
    return [argument for option in typed for argument in option] + extra


# --- select, as JSON and as text ---------------------------------------------------------------

def select_cases(kind, count, json, catalogue):
    rng = kind_rng(kind)
    maker = PointMaker(rng, catalogue)
    cases = []
    for index in range(count):
        options, extra = maker.point()
        args = ["select"] + arguments(rng, options, extra, ["--json"] if json else [])
        cases.append(Case(kind, index, args))
    return cases


# --- select --batch ----------------------------------------------------------------------------

BATCH_REQUIRED = ("series", "oil", "flow", "max-oil-temp", "air-temp", "altitude", "heat")
BATCH_OPTIONAL = ("flow-unit", "oil-temp-unit", "air-temp-unit", "altitude-unit", "heat-unit",
                  "model", "language")


def _batch_row(columns, options):
    given = {name[2:]: value for name, value in options}
    return [given.get(column, "") for column in columns]


def _csv_text(rows, line_end):
    text = io.StringIO()
    csv.writer(text, lineterminator=line_end).writerows(rows)
    return text.getvalue()


def _batch_table(rng, maker, rows, bad_rows):
    """A table with its columns in an order of its own, some optional columns left out, and
    with `bad_rows` the faults a table's rows can have among the good ones."""
    optional = [c for c in BATCH_OPTIONAL if rng.chance(0.8)]
    columns = rng.shuffled(BATCH_REQUIRED + tuple(optional))
    header = [c.upper() if rng.chance(0.05) else c for c in columns]
    line_end = rng.choice(("\n", "\r\n"))
    lines = [_csv_text([header], line_end)]
    for _ in range(rows):
        options, _ = maker.point()
        cells = _batch_row(columns, options)
        if rng.chance(0.05):
            cells = [f" {cell} " for cell in cells]
        lines.append(_csv_text([cells], line_end))
    for _ in range(bad_rows):
        lines.insert(1 + rng.below(len(lines)), _bad_batch_line(rng, maker, columns, line_end))
    return "".join(lines).encode("utf-8")


def _bad_batch_line(rng, maker, columns, line_end):
    options, _ = maker.point()
    cells = _batch_row(columns, options)
    fault = rng.below(8)
    if fault == 0:
        return _csv_text([cells[:-1]], line_end)
    if fault == 1:
        return _csv_text([cells + ["extra"]], line_end)
    if fault == 2:
        return line_end
    if fault == 3:
        return "," * (len(cells) - 1) + "  " + line_end
    if fault == 4:  # a quoted cell across two lines
        cells[columns.index("oil")] = "ISO VG\n46"
        return _csv_text([cells], line_end)
    if fault == 5:  # a quote inside a cell that is not quoted
        return ",".join(cells[:1] + ['IS"O'] + cells[2:]) + line_end
    if fault == 6:  # a cell longer than a cell may be
        cells[columns.index("oil")] = "x" * 70000
        return _csv_text([cells], line_end)
    cells[columns.index("series")] = "V\tAM"
    return _csv_text([cells], line_end)


def batch_cases(catalogue):
    kind = "batch"
    rng = kind_rng(kind)
    maker = PointMaker(rng, catalogue, command_faults=False)
    cases = []

    def add(args, **more):
        cases.append(Case(kind, len(cases), args, **more))

    for number, (rows, bad) in enumerate(((400, 0), (380, 12), (360, 0), (420, 20), (350, 8),
                                          (300, 40))):
        table = f"points-{number + 1}.csv"
        add(["select", "--batch", table, "--out", "results.csv"],
            inputs={table: _batch_table(rng, maker, rows, bad)}, text_outputs=["results.csv"])
    # Sized by two worker processes, the first table's rows come out as one process sizes them.
    add(["select", "--batch", "points-1.csv", "--out", "results.csv", "--jobs", "2"],
        inputs=dict(cases[0].inputs), text_outputs=["results.csv"], racing_progress=True,
        same_output_as=0)
    small = _batch_table(rng, maker, 40, 3)
    add(["select", "--batch", "-", "--out", "-"], stdin=small, stdin_name="points.csv")
    add(["select", "--batch", "points.csv"], inputs={"points.csv": small})
    add(["select", "--batch", "points.csv", "--jobs", "3", "--out", "results.csv"],
        inputs={"points.csv": small}, text_outputs=["results.csv"], racing_progress=True)
    # Tables that cannot be read, and arguments refused before any row is sized.
    header = ",".join(BATCH_REQUIRED) + "\n"
    row = "VAM,ISO VG 46,100,60,30,0,20\n"
    for content in (b"", b"\n\n  \n", (header.replace("heat", "heat,colour") + row).encode(),
                    (header.replace("flow", "flow,FLOW") + row).encode(),
                    ('"series,oil\n' + row).encode(), header.encode(),
                    ("\ufeff" + header + row).encode()):
        add(["select", "--batch", "points.csv", "--out", "results.csv"],
            inputs={"points.csv": content}, text_outputs=["results.csv"])
    points = {"points.csv": (header + row).encode()}
    # The table is read back after each: a refused run leaves it as it was.
    for more in (["missing.csv"], ["points.csv", "--out", "points.csv"],
                 ["points.csv", "--out", "."], ["points.csv", "--jobs", "0"],
                 ["points.csv", "--jobs", "65"], ["points.csv", "--jobs", "x"], [],
                 ["points.csv", "--series", "VAM"]):
        add(["select", "--batch"] + more, inputs=dict(points), text_outputs=["points.csv"])
    add(["select", "--batch="], inputs=dict(points), text_outputs=["points.csv"])
    return cases


# --- diagram -----------------------------------------------------------------------------------

def diagram_cases(catalogue):
    kind = "diagram"
    rng = kind_rng(kind)
    maker = PointMaker(rng, catalogue, model_share=0.3, mix=PointMaker.RESULT_MIX)
    cases = []
    for index in range(300):
        options, extra = maker.point()
        args = ["diagram"] + arguments(rng, options, extra) + ["--json"]
        cases.append(Case(kind, index, args))
    options, _ = maker.point()
    for more in (["--out", "diagram.txt"], [], ["--out", "."]):
        cases.append(Case(kind, len(cases), ["diagram"] + arguments(rng, options, []) + more))
    return cases


# --- heatload ----------------------------------------------------------------------------------

def heatload_cases():
    kind = "heatload"
    rng = kind_rng(kind)
    cases = []
    result_units = ("W", "kW", "kcal/h", "BTU/h", "HP", "kcal/hr", "Btu/hr", "hp")
    for index in range(120):
        litres = rng.log_uniform(5, 2800)
        start = rng.uniform(5, 60)
        end = start + rng.log_uniform(0.5, 45)
        minutes = rng.log_uniform(1, 240)
        density = rng.uniform(0.8, 0.95)
        capacity = rng.uniform(1.7, 2.3)
        roll = rng.below(10)
        if roll == 0:
            end = start - rng.uniform(0, 10)
        elif roll == 1:
            end = rng.uniform(100, 150)
        elif roll == 2:
            minutes = rng.choice((0, -5, 0.1))
        elif roll == 3:
            litres = rng.choice((0, -10, 1e7))
        options = []
        unit = rng.choice(tuple(VOLUME_UNITS)) if rng.chance(0.6) else None
        options += [("--volume", number_text(rng, litres * VOLUME_UNITS.get(unit, 1.0)))]
        options += [("--volume-unit", unit)] if unit else []
        if rng.chance(0.5):
            unit = rng.choice(tuple(DENSITY_UNITS)) if rng.chance(0.6) else None
            options += [("--density", number_text(rng, density * DENSITY_UNITS.get(unit, 1.0)))]
            options += [("--density-unit", unit)] if unit else []
        if rng.chance(0.5):
            unit = rng.choice(tuple(HEAT_CAPACITY_UNITS)) if rng.chance(0.6) else None
            value = capacity * HEAT_CAPACITY_UNITS.get(unit, 1.0)
            options += [("--heat-capacity", number_text(rng, value))]
            options += [("--heat-capacity-unit", unit)] if unit else []
        for name, celsius in (("--start-temp", start), ("--end-temp", end)):
            unit = rng.choice(tuple(TEMP_UNITS)) if rng.chance(0.4) else None
            value = temperature_in(celsius, TEMP_UNITS.get(unit, False))
            options += [(name, number_text(rng, value))]
            options += [(name + "-unit", unit)] if unit else []
        options.append(("--time", number_text(rng, minutes)))
        if rng.chance(0.7):
            options.append(("--result-unit", rng.choice(result_units)))
        if rng.chance(0.5):
            options.append(("--language", rng.choice(FOCUS_LANGUAGES)))
        if roll == 4:
            name = rng.choice(("--volume", "--start-temp", "--end-temp", "--time", "--density"))
            options = _replaced(options, name, rng.choice(UNREADABLE_NUMBERS))
        elif roll == 5 and rng.chance(0.5):
            gone = rng.choice(("--volume", "--time"))
            options = [(n, v) for n, v in options if n != gone]
        elif roll == 5:
            options.append((rng.choice(("--volume-unit", "--result-unit", "--density-unit")),
                            rng.choice(("gallon", "MW", "", "kg/l"))))
        args = ["heatload"] + arguments(rng, rng.shuffled(options), [])
        if rng.chance(0.8):
            args.append("--json")
        cases.append(Case(kind, index, args))
    return cases


# --- models ------------------------------------------------------------------------------------

def models_cases():
    kind = "models"
    cases = []

    def add(args):
        cases.append(Case(kind, len(cases), ["models"] + args))

    for series in SERIES:
        for unit in ("W", "kW", "kcal/hr", "Btu/hr", "HP", "BTU/h"):
            add(["--series", series, "--energy-unit", unit, "--json"])
        for language in LANGUAGES:
            add(["--series", series, "--language", language, "--json"])
        add(["--series", series.lower()])
        add(["--series", series, "--language", "GERMAN", "--energy-unit", "kcal/h"])
    for args in (["--series", "VXM"], [], ["--series", "VAM", "--energy-unit", "MW"],
                 ["--series", "VAM", "--language", "KLINGON"], ["--series", "VAM", "--out", "x"]):
        add(args)
    return cases


# --- report ------------------------------------------------------------------------------------

REFERENCES = ("Press 4", "Prüfstand Nr. 4", "Orden 12/3 — línea B", "Zlecenie łódź-7",
              "Kylare, hall 3", "\"quoted\" & <angled>", "a" * 50, "", "Ref;1,2")


def report_cases(catalogue):
    kind = "report"
    rng = kind_rng(kind)
    maker = PointMaker(rng, catalogue, model_share=0.2, mix=PointMaker.RESULT_MIX)
    cases = []
    for index in range(100):
        options, extra = maker.point()
        report = {}
        if rng.chance(0.7):
            report["--your-ref"] = rng.choice(REFERENCES)
        if rng.chance(0.7):
            report["--our-ref"] = rng.choice(REFERENCES)
        if rng.chance(0.6):
            report["--report-language"] = rng.choice(LANGUAGES)
        report["--out"] = "report.pdf"
        flags = []
        roll = rng.below(25)
        if roll == 0:
            report["--your-ref"] = "b" * 51
        elif roll == 1:
            report["--report-language"] = "KLINGON"
        elif roll == 2:
            report["--out"] = "report.txt"
        elif roll == 3:
            flags.append("--json")
        args = ["report"] + arguments(rng, options + list(report.items()), extra, flags)
        cases.append(Case(kind, index, args, pdf_outputs=["report.pdf"]))
    return cases


# --- the other commands ------------------------------------------------------------------------

def misc_cases():
    kind = "misc"
    commands = (["--help"], ["help"], ["--version"], [], ["sizing"], ["select", "--help"],
                ["select", "--series", "VAM", "-h"], ["diagram", "--help"],
                ["heatload", "--help"], ["report", "--help"], ["models", "--help"],
                ["motor-table", "--help"], ["demo", "--help"], ["demo"], ["demo", "now"],
                ["convert", "--help"], ["motor-table", "--json"], ["motor-table"],
                ["convert", "flow", "10", "US gpm", "l/min"],
                ["convert", "heat", "20,5", "kW", "Btu/hr"],
                ["convert", "temperature", "-40", "C", "F"])
    return [Case(kind, index, args) for index, args in enumerate(commands)]


KINDS = ("select-json", "select-text", "batch", "diagram", "heatload", "models", "report", "misc")


def build_cases(kind, catalogue):
    if kind == "select-json":
        return select_cases(kind, 2400, True, catalogue)
    if kind == "select-text":
        return select_cases(kind, 400, False, catalogue)
    if kind == "batch":
        return batch_cases(catalogue)
    if kind == "diagram":
        return diagram_cases(catalogue)
    if kind == "heatload":
        return heatload_cases()
    if kind == "models":
        return models_cases()
    if kind == "report":
        return report_cases(catalogue)
    if kind == "misc":
        return misc_cases()
    raise ValueError(f"unknown kind {kind}")
