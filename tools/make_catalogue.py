#!/usr/bin/env python3
"""Generates the cooler catalogue: data/IniFiles/CnfAcEur.ini (KVAM), CnfDcEur.ini (KVDM),
CnfCsEur.ini (KVHM) and CnfVcEur.ini (KVCS), the table data/CatalogueTable.md, and the KVHM
motor variants data/motordata/VDM_MD-EU.INI and VDM_MD-US.INI.

Every model is described by a handful of physical figures (its rated specific heat
dissipation, oil flow range, fan diameter and speed); the script derives the 18 catalogue
values from them with simple fan, heat-exchanger and pressure-drop relations, runs the
program's own thermal model and model choice on the values exactly as they will be read back
from the files, and writes the files only when every check passes:

- the rated specific heat dissipation rises through each list and spans the promised range;
- the conductance polynomial is positive and rising over the flow range and flattens out;
- flow ranges grow with size and overlap between neighbours;
- the pressure drop of ISO VG 46 at 50 degC lies between 0.5 and 1.5 bar at the largest flow;
- the figures of air flow, power, noise, weight and volume stay within sensible bounds;
- every model is the one the program chooses for some duty (a documented operating point),
  for light and heavy oil grades alike.

Usage: python3 tools/make_catalogue.py [output folder]   (default: data/)
"""

import argparse
import configparser
import math
import struct
import sys
from dataclasses import dataclass
from pathlib import Path

# ---------------------------------------------------------------------------------------------
# The program's thermal model, step by step as the engine evaluates it.

OIL_AIR_MARGIN = 3  # K: the shipped default of the outlet oil/outlet air margin
LOWEST_OIL_FLOW = 0.01  # l/min: below it the choice reports a zero flow


def air_density(altitude):
    h = altitude
    return (-1.0416667e-18 * h**5 + 1.2291667e-14 * h**4 - 4.9375e-11 * h**3
            + 8.5208333e-8 * h**2 - 0.00020708333 * h + 1.3)


AIR_DENSITY_500M = air_density(500.0)


def altitude_factor(altitude):
    return 1.0 - (altitude - 500.0) * 6.875e-5


def conductance(coefficients, flow):
    a, b, c, d = coefficients
    return a * flow**3 + b * flow**2 + c * flow + d


def oil_heat_capacity_rate(flow):
    """kW/K of an oil flow in l/min, with the program's constants (0.9 kg/l, 0.5 kcal/kg/K)."""
    return flow * 60 * 0.9 * 0.5 * 1.163 * 0.001


@dataclass
class Duty:
    oil_flow: float  # l/min
    max_oil_temp: float  # degC
    air_temp: float  # degC
    altitude: float  # m
    heat: float  # kW required
    cool_corr: float  # of the oil grade


@dataclass
class Thermal:
    heat: float  # kW removed at the maximum inlet temperature
    spec_heat: float  # kW/K
    air_out: float  # degC
    oil_out: float  # degC, before any raising of the inlet temperature
    warning: bool  # even a raised inlet temperature does not keep the oil clear of the air


def evaluate(k_coefficients, air_flow, duty):
    """Heat dissipation and outlet temperatures of one model, as the engine computes them."""
    k = conductance(k_coefficients, duty.oil_flow)
    rho = air_density(duty.altitude)
    dt = duty.max_oil_temp - duty.air_temp
    kk = k * duty.cool_corr * altitude_factor(duty.altitude)
    r = (AIR_DENSITY_500M / rho) / (1.2 * air_flow)
    h = kk * dt * (1.02 - 0.0015 * duty.air_temp) / (0.0015 * kk * r * dt + 1.0)
    air_out = h / (1.2 * air_flow) * (AIR_DENSITY_500M / rho) + duty.air_temp
    sp_heat = k * duty.cool_corr * (1.02 - 0.0015 * air_out) * altitude_factor(duty.altitude)
    actual = dt * sp_heat
    drop = actual / (duty.oil_flow * 60 * 0.9 * 0.5 * 1.163 * 0.001)
    oil_out = duty.max_oil_temp - drop

    def short(oil):
        return OIL_AIR_MARGIN > (math.floor(oil * 100) - math.floor(air_out * 100)) / 100

    # Too close, the inlet is raised so that the oil leaves exactly the margin above the air;
    # the hundredths can still come out short.
    warning = short(oil_out) and short(air_out + OIL_AIR_MARGIN)
    return Thermal(actual, sp_heat, air_out, oil_out, warning)


def single(value):
    """The value as the choose table holds it, in single precision."""
    return struct.unpack("f", struct.pack("f", value))[0]


def first_qualifying(series, records, duty):
    """The position where the program's walk over a series stops first, or None.

    The walk evaluates the single-precision choose table at the entered duty (single precision
    too) and stops at the first model that removes the required cooling within its flow range;
    for KVCS the flow is rounded to whole l/min and only the cooling counts.
    """
    duty = Duty(single(duty.oil_flow), single(duty.max_oil_temp), single(duty.air_temp),
                single(duty.altitude), single(duty.heat), duty.cool_corr)
    if series.pump_flows:
        duty.oil_flow = float(math.floor(duty.oil_flow + 0.5))
    elif duty.oil_flow < LOWEST_OIL_FLOW:
        return None
    for position, record in enumerate(records):
        table = [single(v) for v in record.k_coefficients]
        if evaluate(table, single(record.air_flow), duty).heat < duty.heat:
            continue
        if series.pump_flows or single(record.min_flow) <= duty.oil_flow <= single(
                record.max_flow):
            return position
    return None


def confirmed(record, duty):
    """Whether the full calculation of the chosen model, on its double-precision record,
    accepts it: flow inside its range (unless both limits are equal) and no warning."""
    if record.min_flow != record.max_flow and not (
            record.min_flow <= single(duty.oil_flow) <= record.max_flow):
        return False
    return not evaluate(record.k_coefficients, record.air_flow, duty).warning


def viscosity_correction(nu):
    return (1.5977e-12 * nu**5 - 1.0735173e-9 * nu**4 + 3.0666255e-7 * nu**3
            - 9.3751722e-6 * nu**2 + 0.021697373 * nu + 0.32739647)


def pressure_drop_kpa(record, flow, mean_oil_temp):
    e, f, g, h = record.dp_coefficients
    function = (e * math.exp(0.25 * math.log(flow)) + f * math.exp(0.5 * math.log(flow))
                + g * flow + h)
    return viscosity_correction(VG46_VISCOSITY(min(mean_oil_temp, 100.0))) * function * 100.0


# ---------------------------------------------------------------------------------------------
# The reference oil: ISO VG 46, a mineral oil of viscosity index 100, through the Walther
# relation of ASTM D341 between its 40 degC value and its 100 degC value (6.76 mm2/s, the value
# the viscosity-index table of ASTM D2270 gives for VI 100).

VG46_NU40 = 46.0
VG46_NU100 = 6.76


def walther(nu40, nu100):
    def z(nu):
        return math.log10(math.log10(nu + 0.7))

    def log_kelvin(temp):
        return math.log10(temp + 273.15)

    slope = (z(nu100) - z(nu40)) / (log_kelvin(100.0) - log_kelvin(40.0))
    return lambda t: 10.0 ** 10.0 ** (z(nu40) + slope * (log_kelvin(t) - log_kelvin(40.0))) - 0.7


VG46_VISCOSITY = walther(VG46_NU40, VG46_NU100)
PRESSURE_DROP_TEMP = 50.0  # degC mean oil temperature at which the drop is rated

# ---------------------------------------------------------------------------------------------
# Rating conditions and the physical relations the catalogue figures come from.

RATING = Duty(oil_flow=0.0, max_oil_temp=60.0, air_temp=20.0, altitude=0.0, heat=0.0,
              cool_corr=0.97)  # ISO VG 46; 40 K between oil and air at sea level

# Share of the oil's heat capacity rate, and of the air's, that a cooler can use at most: a
# cooler that used more would bring its oil outlet too close to its air outlet.
OIL_SIDE_SHARE = 0.9
AIR_SIDE_SHARE = 0.9
# Air-side heat transfer grows with the air velocity to this power (finned surfaces).
AIR_SIDE_EXPONENT = 0.6

AIR_DENSITY = 1.2  # kg/m3 of the fan's rating
FLOW_COEFFICIENT = 0.25  # air flow over fan area times tip speed: cooler fans with a shroud
PRESSURE_COEFFICIENT = 0.16  # fan pressure over the dynamic pressure of the tip speed
FAN_EFFICIENCY = 0.5
DC_MOTOR_EFFICIENCY = 0.65
IEC_MOTOR_RATINGS = (0.09, 0.12, 0.18, 0.25, 0.37, 0.55, 0.75, 1.1, 1.5, 2.2, 3.0, 4.0, 5.5,
                     7.5, 11.0, 15.0)
MOTOR_RESERVE = 1.15  # an A.C. motor is chosen with this reserve over the shaft power
# A cooling system's pump delivers against the cooler and the filter in its return line.
PUMP_PRESSURE_KPA = 250.0
PUMP_EFFICIENCY = 0.75

ALUMINIUM_CORE_DENSITY = 650.0  # kg per m3 of brazed bar-and-plate core
OIL_SHARE_OF_CORE = 0.1  # of the core's volume


@dataclass
class Series:
    name: str
    file_name: str
    models: list
    pump_flows: bool = False  # KVCS: the flow is the system's own pump flow


@dataclass
class Model:
    display: str
    section: str
    # kW/K at the middle flow under RATING conditions; None for a model with another fan on an
    # earlier model's core, whose dissipation follows from that core and its own air flow.
    rated_spec_heat: float
    min_flow: float  # l/min
    max_flow: float  # l/min
    fan_dia: float  # mm
    fan_speed: float  # rpm
    # "ac", "dc", "hydraulic"; "ac+pump" for fan and pump on one motor, "ac,pump" for a pump
    # with a motor of its own
    motor: str
    ip: int
    rated_drop_bar: float  # at the largest flow, ISO VG 46 at 50 degC
    # Models whose fans are driven alike; along one family the fan figures rise with size.
    family: str = ""
    # Another fan on the core of an earlier model of the list: that model's position.
    core_of: int = None
    # A steeper-pitched fan: more air and pressure than the plain fan law at the same speed.
    air_factor: float = 1.0
    fan_pressure_factor: float = 1.0


@dataclass
class Design:
    """What a record was derived from; used by the checks, never written."""
    core_resistance: float  # K/kW
    spec_heat_curve: object  # kW/K over l/min under the rating conditions


@dataclass
class Record:
    """One model's catalogue values as written to and read back from the file."""
    k_coefficients: list
    min_flow: float
    max_flow: float
    dp_coefficients: list
    air_flow: float
    motor_power: float
    noise: float
    fan_dia: float
    cool_area: float
    weight: float
    oil_volume: float
    ip: float
    design: Design = None


# ---------------------------------------------------------------------------------------------
# The model lists. Names and sections must match the program's built-in lists.

def vam_models():
    rows = [  # size, frame, poles, kW/K, flow range, fan mm
        (100, "A", 4, 0.15, 10, 80, 300),
        (150, "A", 4, 0.21, 15, 100, 350),
        (200, "A", 4, 0.29, 20, 120, 400),
        (250, "A", 4, 0.40, 25, 150, 450),
        (300, "B", 4, 0.55, 30, 180, 500),
        (350, "B", 4, 0.76, 40, 220, 560),
        (400, "B", 4, 1.05, 50, 260, 630),
        (500, "C", 6, 1.45, 60, 300, 760),
        (600, "C", 6, 2.0, 80, 360, 850),
        (700, "C", 6, 2.75, 100, 420, 950),
        (800, "C", 6, 3.8, 120, 500, 1060),
        (900, "C", 6, 5.2, 150, 600, 1120),
    ]
    models = []
    for i, (size, frame, poles, sp_heat, qmin, qmax, dia) in enumerate(rows):
        prefix = "VAM2_" if i < 4 else "VAM_"
        speed = 1420 if poles == 4 else 940
        models.append(Model(f"KVAM {size}-{frame}", f"{prefix}{size}_{poles}_{frame}", sp_heat,
                            qmin, qmax, dia, speed, "ac", 54 if i < 4 else 55,
                            rated_drop(i, len(rows)), family=f"{poles}-pole"))
    return models


def vdm_models():
    rows = [  # size, kW/K, flow range, fan mm, rpm
        (100, 0.05, 5, 60, 190, 3000),
        (125, 0.07, 6, 70, 225, 2800),
        (150, 0.10, 8, 80, 255, 2600),
        (175, 0.14, 10, 90, 280, 2400),
        (200, 0.20, 12, 100, 305, 2250),
        (250, 0.28, 15, 120, 330, 2100),
        (300, 0.39, 18, 140, 355, 1950),
        (350, 0.55, 20, 160, 385, 1800),
    ]
    return [Model(f"KVDM {size}", f"VDM_{size}", sp_heat, qmin, qmax, dia, rpm, "dc", 54,
                  rated_drop(i, len(rows)))
            for i, (size, sp_heat, qmin, qmax, dia, rpm) in enumerate(rows)]


def vhm_models():
    rows = [  # size, kW/K at the lower speed, flow range, fan mm, lower and higher speed
        (200, 0.15, 10, 80, 300, 1500, 2000),
        (250, 0.24, 15, 100, 350, 1500, 2000),
        (300, 0.36, 20, 120, 400, 1500, 2000),
        (350, 0.52, 25, 150, 450, 1500, 2000),
        (400, 0.75, 30, 180, 500, 1200, 1500),
        (500, 1.1, 40, 220, 630, 1200, 1500),
        (600, 1.6, 50, 260, 710, 1200, 1500),
        (700, 2.3, 60, 300, 800, 1000, 1200),
        (800, 3.2, 80, 360, 900, 1000, 1200),
    ]
    models = []
    for i, (size, sp_heat, qmin, qmax, dia, low, high) in enumerate(rows):
        for speed in (low, high):
            position = len(models)
            prefix = "VHM2_" if position < 8 else "VHM_"
            models.append(Model(f"KVHM {size}-{speed} rpm", f"{prefix}{size}_{speed}",
                                sp_heat if speed == low else None, qmin, qmax, dia, speed,
                                "hydraulic", 0,
                                rated_drop(i, len(rows)), family=f"{speed} rpm",
                                core_of=None if speed == low else position - 1))
    return models


# KVCS: the variant B carries a steeper-pitched fan on the same core: more air and more
# pressure at the same motor speed.
VCS_B_AIR = 1.2
VCS_B_PRESSURE = 1.1


def vcs_models():
    rows = [  # size, kW/K of variant A at its pump flow, pump l/min, fan mm
        (150, 0.29, 20, 350),
        (200, 0.48, 40, 450),
        (250, 0.67, 55, 500),
        (300, 0.84, 60, 560),
        (350, 1.14, 80, 630),
        (400, 1.5, 100, 760),
        (500, 1.98, 125, 850),
        (600, 2.63, 160, 950),
        (700, 3.46, 200, 1000),
        (800, 4.5, 250, 1120),
    ]
    models = []
    for i, (size, sp_heat, pump, dia) in enumerate(rows):
        # Frame D: fan and pump on the two shaft ends of one 4-pole motor. Frame A: the pump
        # has a 4-pole motor of its own and the larger fan runs on a 6-pole one.
        frame = "D" if size <= 350 else "A"
        drive, fan_speed = ("ac+pump", 1420) if frame == "D" else ("ac,pump", 940)
        prefix = "VCS2_" if frame == "D" else "VCS_"
        variants = "AB" if i < len(rows) - 1 else "A"
        for variant in variants:
            plain = variant == "A"
            models.append(Model(f"KVCS {size}-{frame}-{variant}",
                                f"{prefix}{size}_4_{frame}_{variant}",
                                sp_heat if plain else None, pump, pump, dia,
                                fan_speed, drive, 55, rated_drop(i, len(rows)),
                                family=f"frame {frame}, variant {variant}",
                                core_of=None if plain else len(models) - 1,
                                air_factor=1.0 if plain else VCS_B_AIR,
                                fan_pressure_factor=1.0 if plain else VCS_B_PRESSURE))
    return models


def rated_drop(index, count):
    """Pressure drop at the largest flow: larger cores have more parallel passages."""
    return 1.2 - 0.4 * index / (count - 1)


SERIES = (
    Series("KVAM", "CnfAcEur.ini", vam_models()),
    Series("KVDM", "CnfDcEur.ini", vdm_models()),
    Series("KVHM", "CnfCsEur.ini", vhm_models()),
    Series("KVCS", "CnfVcEur.ini", vcs_models(), pump_flows=True),
)

# ---------------------------------------------------------------------------------------------
# From physical figures to catalogue values.


def middle_flow(model):
    return (model.min_flow + model.max_flow) / 2


def fan_figures(model):
    d = model.fan_dia / 1000.0
    tip_speed = math.pi * d * model.fan_speed / 60.0
    air_flow = model.air_factor * FLOW_COEFFICIENT * math.pi * d * d / 4.0 * tip_speed
    pressure = model.fan_pressure_factor * PRESSURE_COEFFICIENT * AIR_DENSITY / 2 * tip_speed**2
    return air_flow, pressure


def air_heat_capacity_rate(air_flow):
    """kW/K of the air flow at the rating altitude, as the thermal model counts it."""
    return 1.2 * air_flow * air_density(RATING.altitude) / AIR_DENSITY_500M


def oil_resistance(flow):
    return 1.0 / (OIL_SIDE_SHARE * oil_heat_capacity_rate(flow))


def spec_heat_curve(resistance_rest):
    """Specific heat dissipation over the oil flow: the model's fixed resistance (core and air)
    in series with the oil side, which can give up at most a share of its capacity rate. This
    rises with the flow and flattens out once the fixed part dominates."""
    return lambda flow: 1.0 / (resistance_rest + oil_resistance(flow))


def rest_resistances(models):
    """Core and air resistances (K/kW) of every model from its rated dissipation; a model with
    another fan on an earlier model's core takes that core, its air side improved by the
    faster air."""
    result = []
    for model in models:
        air_flow, _ = fan_figures(model)
        air = 1.0 / (AIR_SIDE_SHARE * air_heat_capacity_rate(air_flow))
        if model.core_of is not None:
            base_core, _ = result[model.core_of]
            base_air_flow, _ = fan_figures(models[model.core_of])
            core = base_core / (air_flow / base_air_flow)**AIR_SIDE_EXPONENT
        else:
            core = 1.0 / model.rated_spec_heat - oil_resistance(middle_flow(model)) - air
        result.append((core, air))
    return result


def fit_cubic(curve, first, last, points=61):
    """Least-squares cubic through `curve` on [first, last]. Each square is weighted by
    1/value, halfway between the absolute and the relative error: the steep start counts
    without bending the flat end back down. Solved in a scaled flow for a well-conditioned
    system; returns the coefficients of Q^3 .. Q^0."""
    scale = last
    xs = [(first + (last - first) * i / (points - 1)) / scale for i in range(points)]
    ys = [curve(x * scale) for x in xs]
    ws = [1.0 / y for y in ys]
    normal = [[sum(w * x ** (i + j) for x, w in zip(xs, ws)) for j in range(4)]
              for i in range(4)]
    rhs = [sum(w * y * x**i for x, y, w in zip(xs, ys, ws)) for i in range(4)]
    solution = solve(normal, rhs)
    return [solution[3] / scale**3, solution[2] / scale**2, solution[1] / scale, solution[0]]


def solve(matrix, rhs):
    n = len(rhs)
    a = [row[:] + [b] for row, b in zip(matrix, rhs)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(a[r][col]))
        a[col], a[pivot] = a[pivot], a[col]
        for r in range(col + 1, n):
            f = a[r][col] / a[col][col]
            for c in range(col, n + 1):
                a[r][c] -= f * a[col][c]
    x = [0.0] * n
    for r in reversed(range(n)):
        x[r] = (a[r][n] - sum(a[r][c] * x[c] for c in range(r + 1, n))) / a[r][r]
    return x


# The flows over which a KVCS conductance must hold: the walk of that series evaluates every
# model at the entered pump flow, whichever model's pump it is.
VCS_FLOW_DOMAIN = (20.0, 250.0)


def flow_domain(series, model):
    return VCS_FLOW_DOMAIN if series.pump_flows else (model.min_flow, model.max_flow)


def normalised_conductance(spec_curve, air_flow):
    """The catalogue's conductance so that the thermal model reproduces `spec_curve` under the
    rating conditions (its factors for oil grade, altitude and outlet air taken out)."""
    def k(flow):
        sp_heat = spec_curve(flow)
        dt = RATING.max_oil_temp - RATING.air_temp
        air_out = RATING.air_temp + sp_heat * dt / air_heat_capacity_rate(air_flow)
        return sp_heat / (RATING.cool_corr * altitude_factor(RATING.altitude)
                       * (1.02 - 0.0015 * air_out))
    return k


def pressure_drop_coefficients(model):
    """CoeffE..CoeffH: mostly laminar (linear) with the sub-linear terms of the inlet and
    turning losses, scaled to the rated drop at the largest flow."""
    q = model.max_flow
    function_at_max = model.rated_drop_bar / viscosity_correction(
        VG46_VISCOSITY(PRESSURE_DROP_TEMP))
    shares = (0.05, 0.20, 0.75)
    return [shares[0] * function_at_max / q**0.25, shares[1] * function_at_max / q**0.5,
            shares[2] * function_at_max / q, 0.0]


def standard_motor(shaft_kw):
    needed = shaft_kw * MOTOR_RESERVE
    for rating in IEC_MOTOR_RATINGS:
        if rating >= needed:
            return rating
    raise CatalogueError(f"no standard motor for {shaft_kw:.2f} kW")


def build_record(series, model, core, air):
    air_flow, fan_pressure = fan_figures(model)
    spec_curve = spec_heat_curve(core + air)
    first, last = flow_domain(series, model)
    k = fit_cubic(normalised_conductance(spec_curve, air_flow), first, last)

    fan_shaft = air_flow * fan_pressure / FAN_EFFICIENCY / 1000.0
    if model.motor == "dc":
        motor_power = round(fan_shaft / DC_MOTOR_EFFICIENCY, 2)
    elif model.motor == "hydraulic":
        motor_power = round(fan_shaft, 2)
    elif model.motor == "ac":
        motor_power = standard_motor(fan_shaft)
    else:
        pump = PUMP_PRESSURE_KPA * model.max_flow / 60000.0 / PUMP_EFFICIENCY
        if model.motor == "ac+pump":
            motor_power = standard_motor(fan_shaft + pump)
        else:
            motor_power = standard_motor(fan_shaft) + standard_motor(pump)

    # Sound pressure at 1 m from the fan's sound power, which grows with air flow and pressure.
    noise = 30.0 + 10.0 * math.log10(air_flow) + 20.0 * math.log10(fan_pressure)
    d = model.fan_dia / 1000.0
    area = 1.3 * d * d  # a square core a little larger than the fan
    depth = 0.06 + 0.05 * area
    core_kg = ALUMINIUM_CORE_DENSITY * area * depth
    oil_volume = OIL_SHARE_OF_CORE * area * depth * 1000.0
    if model.motor == "dc":
        drive_kg = 1.0 + 12.0 * motor_power
    elif model.motor == "hydraulic":
        drive_kg = 3.0 + 1.0 * motor_power
    else:
        drive_kg = 5.0 + 9.0 * motor_power**0.9
    if model.motor in ("ac+pump", "ac,pump"):
        drive_kg += 4.0 + 0.06 * model.max_flow + 8.0  # pump, coupling, filter
    weight = core_kg + drive_kg + 6.0 * d + 3.0 + 12.0 * area  # fan, frame and shroud

    return Record(k, model.min_flow, model.max_flow, pressure_drop_coefficients(model),
                  air_flow, motor_power, noise, model.fan_dia, area, weight, oil_volume,
                  model.ip, Design(core, spec_curve))


# ---------------------------------------------------------------------------------------------
# Writing and reading back.

KEYS = ("CoeffA", "CoeffB", "CoeffC", "CoeffD", "CoeffE", "MinFlow", "MaxFlow", "CoeffF",
        "CoeffG", "CoeffH", "AirFlow", "MotorPower", "NoiseLevel", "FanDia", "CoolArea",
        "Weight", "OilVolume", "IP")
SIGNIFICANT_DIGITS = 8


def number_text(value):
    """Fixed-point text with SIGNIFICANT_DIGITS digits, trailing zeros dropped."""
    if value == 0:
        return "0"
    exponent = math.floor(math.log10(abs(value)))
    decimals = max(0, SIGNIFICANT_DIGITS - 1 - exponent)
    text = f"{value:.{decimals}f}"
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text


def significant(value, digits):
    return round(value, digits - 1 - math.floor(math.log10(abs(value))))


def record_values(record):
    """The 18 values in key order; the physical figures to the precision a data sheet gives."""
    return (*record.k_coefficients, record.dp_coefficients[0], record.min_flow, record.max_flow,
            *record.dp_coefficients[1:], significant(record.air_flow, 3), record.motor_power,
            round(record.noise), record.fan_dia, round(record.cool_area, 3),
            round(record.weight), round(record.oil_volume, 2), record.ip)


def ini_text(series, records):
    lines = [f"; {series.name} cooler catalogue. Generated by tools/make_catalogue.py; edit the "
             "script, not this file.",
             "; Conductance (kW/K) = CoeffA*Q^3 + CoeffB*Q^2 + CoeffC*Q + CoeffD, Q in l/min;",
             "; pressure-drop function = CoeffE*Q^0.25 + CoeffF*Q^0.5 + CoeffG*Q + CoeffH (bar at",
             "; 30 mm2/s). Flows l/min, AirFlow m3/s, MotorPower kW, NoiseLevel dB(A) at 1 m,",
             "; FanDia mm, CoolArea m2, Weight kg, OilVolume l, IP protection class."]
    for model, record in zip(series.models, records):
        lines.append("")
        lines.append(f"[{model.section}]")
        lines += [f"{key}={number_text(value)}" for key, value in zip(KEYS, record_values(record))]
    return "\r\n".join(lines) + "\r\n"


def read_back(text, series, built):
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read_string(text)
    records = []
    for model, original in zip(series.models, built):
        v = [float(parser[model.section][key]) for key in KEYS]
        records.append(Record(v[0:4], v[5], v[6], [v[4], v[7], v[8], v[9]], v[10], v[11], v[12],
                              v[13], v[14], v[15], v[16], v[17], original.design))
    return records


# ---------------------------------------------------------------------------------------------
# Checks.

class CatalogueError(Exception):
    pass


SMALLEST_SPEC_HEAT = (0.04, 0.06)  # kW/K of the smallest KVDM
LARGEST_SPEC_HEAT = (4.5, 6.0)  # kW/K of the largest KVAM and KVCS
LARGEST_DUTY_KW = 250.0  # at 40 K, somewhere in the catalogue
DROP_RANGE_BAR = (0.5, 1.5)
NOISE_RANGE = (58.0, 92.0)
AIR_RISE_RANGE = (4.0, 25.0)  # K of the air at the middle flow under rating conditions
# Oil grades differ in their cooling correction from about 1.0 (VG 22) to 0.9 (VG 680).
CHECKED_COOL_CORRS = (1.0, RATING.cool_corr, 0.9)
# A duty's required cooling must lie this far inside the gap between the chosen model and the
# best of the models before it, so no rounding on the way can tip the choice.
LEAST_GAP = 0.02
MARGIN_SLACK = 0.5  # K beyond the program's margin, so the margin never needs raising
# Of the cubic against the heat curve it stands for. A KVCS cubic spans all pump flows, and
# over so wide a range it cannot follow the steep start of a small model's curve any closer.
MAX_FIT_ERROR = 0.08
MAX_EFFECTIVENESS = 0.8  # of the rated dissipation against the smaller heat capacity rate


def rating_duty(flow, heat=0.0, cool_corr=RATING.cool_corr):
    return Duty(flow, RATING.max_oil_temp, RATING.air_temp, RATING.altitude, heat, cool_corr)


def rated(record, flow):
    return evaluate(record.k_coefficients, record.air_flow, rating_duty(flow))


def check_series(series, records, problems):
    def fail(text):
        problems.append(f"{series.name}: {text}")

    previous = None
    previous_of_family = {}
    for model, record in zip(series.models, records):
        first, last = flow_domain(series, model)
        grid = [first + (last - first) * i / 200 for i in range(201)]
        ks = [conductance(record.k_coefficients, q) for q in grid]
        if min(ks) <= 0:
            fail(f"{model.display}: conductance not positive over {first:g}..{last:g} l/min")
        if any(b <= a for a, b in zip(ks, ks[1:])):
            fail(f"{model.display}: conductance not rising over {first:g}..{last:g} l/min")
        slope_first, slope_last = ks[1] - ks[0], ks[-1] - ks[-2]
        if not slope_last < 0.5 * slope_first:
            fail(f"{model.display}: conductance does not flatten towards {last:g} l/min")
        fit_error = max(abs(rated(record, q).spec_heat / record.design.spec_heat_curve(q) - 1.0)
                        for q in grid)
        if fit_error > MAX_FIT_ERROR:
            fail(f"{model.display}: cubic misses its heat curve by {fit_error:.1%}")
        if record.design.core_resistance <= 0:
            fail(f"{model.display}: its air flow cannot carry the rated dissipation")

        mid = rated(record, middle_flow(model))
        effectiveness = mid.spec_heat / min(oil_heat_capacity_rate(middle_flow(model)),
                                            air_heat_capacity_rate(record.air_flow))
        if effectiveness > MAX_EFFECTIVENESS:
            fail(f"{model.display}: would need an effectiveness of {effectiveness:.0%}")
        rise = mid.air_out - RATING.air_temp
        if not AIR_RISE_RANGE[0] <= rise <= AIR_RISE_RANGE[1]:
            fail(f"{model.display}: air warms by {rise:.1f} K at the middle flow")
        drop = pressure_drop_kpa(record, model.max_flow, PRESSURE_DROP_TEMP) / 100.0
        if not DROP_RANGE_BAR[0] <= drop <= DROP_RANGE_BAR[1]:
            fail(f"{model.display}: pressure drop {drop:.2f} bar at {model.max_flow:g} l/min")
        if not NOISE_RANGE[0] <= record.noise <= NOISE_RANGE[1]:
            fail(f"{model.display}: noise {record.noise:.0f} dB(A)")
        if len(model.section) > 15:
            fail(f"{model.section}: section name longer than 15 characters")
        if series.name == "KVHM" and not model.section[-1].isdigit():
            fail(f"{model.section}: would lose its ending to the section-name rule")

        if previous:
            p_model, p_mid = previous
            if not mid.spec_heat > p_mid.spec_heat:
                fail(f"{model.display}: rated dissipation does not rise "
                     f"({p_mid.spec_heat:.3f} then {mid.spec_heat:.3f} kW/K)")
            if model.min_flow < p_model.min_flow or model.max_flow < p_model.max_flow:
                fail(f"{model.display}: flow range shrinks")
            if not series.pump_flows and model.min_flow >= p_model.max_flow:
                fail(f"{model.display}: flow range does not overlap its predecessor's")
        # A slower fan on a larger model is quieter and needs less power, so the fan figures
        # are compared within a family only.
        before = previous_of_family.get(model.family)
        if before:
            for name, get in (("air flow", lambda r: r.air_flow),
                              ("power", lambda r: r.motor_power),
                              ("noise", lambda r: r.noise),
                              ("fan diameter", lambda r: r.fan_dia),
                              ("cooling area", lambda r: r.cool_area),
                              ("weight", lambda r: r.weight),
                              ("oil volume", lambda r: r.oil_volume)):
                if get(record) < get(before):
                    fail(f"{model.display}: {name} falls ({get(before):g} then {get(record):g})")
        previous = (model, mid)
        previous_of_family[model.family] = record

    if series.pump_flows:
        # The walk evaluates every model at the pump flow of whichever model was picked, or
        # at a flow the user typed.
        first, last = VCS_FLOW_DOMAIN
        for flow in range(int(first), int(last) + 1):
            heats = [rated(r, flow).heat for r in records]
            if any(b <= a for a, b in zip(heats, heats[1:])):
                fail(f"dissipation at {flow:g} l/min does not rise through the list")


def check_spans(series_records, problems):
    def rated_mid(series_name, position):
        for series, records in series_records:
            if series.name == series_name:
                model = series.models[position]
                return rated(records[position], middle_flow(model)).spec_heat
        raise CatalogueError(series_name)

    smallest = rated_mid("KVDM", 0)
    if not SMALLEST_SPEC_HEAT[0] <= smallest <= SMALLEST_SPEC_HEAT[1]:
        problems.append(f"smallest KVDM rated at {smallest:.3f} kW/K")
    for name in ("KVAM", "KVCS"):
        largest = rated_mid(name, -1)
        if not LARGEST_SPEC_HEAT[0] <= largest <= LARGEST_SPEC_HEAT[1]:
            problems.append(f"largest {name} rated at {largest:.2f} kW/K")
    best = max(rated(records[-1], series.models[-1].max_flow).heat
               for series, records in series_records)
    if best < LARGEST_DUTY_KW:
        problems.append(f"no model removes {LARGEST_DUTY_KW:g} kW at 40 K (best {best:.0f} kW)")


def find_duty(series, records, position, cool_corr):
    """A duty at which the program chooses `position`: the flow closest to the model's middle
    flow where the model clearly beats every earlier model that admits that flow and its oil
    leaves clear of the air, with the required cooling in the middle of the gap. The walk
    itself, in single precision, and the confirmation then have the last word."""
    model, record = series.models[position], records[position]
    if series.pump_flows:
        flows = [model.max_flow]
    else:
        step = 1.0 if model.max_flow - model.min_flow >= 20 else 0.5
        count = int((model.max_flow - model.min_flow) / step) + 1
        flows = sorted((model.min_flow + i * step for i in range(count)),
                       key=lambda q: abs(q - middle_flow(model)))
    for flow in flows:
        duty = rating_duty(flow, cool_corr=cool_corr)
        own = evaluate(record.k_coefficients, record.air_flow, duty)
        if own.oil_out - own.air_out < OIL_AIR_MARGIN + MARGIN_SLACK:
            continue
        rivals = [evaluate(r.k_coefficients, r.air_flow, duty).heat
                  for m, r in zip(series.models[:position], records[:position])
                  if series.pump_flows or m.min_flow <= flow <= m.max_flow]
        best_rival = max(rivals, default=0.0)
        if own.heat * (1 - LEAST_GAP) <= best_rival * (1 + LEAST_GAP):
            continue
        heat = (best_rival + own.heat) / 2 if rivals else 0.8 * own.heat
        duty.heat = round(heat, 2)
        if first_qualifying(series, records, duty) == position and confirmed(record, duty):
            return duty
    return None


def check_choices(series, records, problems):
    duties = []
    for position, model in enumerate(series.models):
        found = None
        for cool_corr in CHECKED_COOL_CORRS:
            duty = find_duty(series, records, position, cool_corr)
            if duty is None:
                problems.append(f"{model.display}: never chosen (oil cooling correction "
                                f"{cool_corr:g})")
            elif cool_corr == RATING.cool_corr:
                found = duty
        duties.append(found)
    return duties


# ---------------------------------------------------------------------------------------------
# The motor variants of the KVHM coolers (VDM_MD.INI): for each model the gear motors of a
# standard range that drive its fan at a sensible pressure.

MOTOR_SIZES = (1.0, 1.6, 2.5, 4.0, 5.5, 8.0, 11.0, 14.0, 16.0, 19.0, 22.5, 26.0, 31.5, 38.0,
               44.0)  # cm3/rev
MOTOR_EFFICIENCY = 0.85  # hydraulic-mechanical
PRESSURE_RANGE = (10.0, 210.0)  # bar a variant may need
VARIANTS_PER_MODEL = 3
MAX_MOTOR_VARIANTS = 126  # the program reads no more sections
KW_PER_HP = 0.745699872
PSI_PER_BAR = 14.5037738
LITRES_PER_US_GALLON = 3.785411784


def motor_pressure(fan_kw, speed, size):
    """Pressure in bar a motor of `size` cm3/rev needs to turn the fan at `speed` rpm."""
    torque = fan_kw * 1000.0 * 60.0 / (2.0 * math.pi * speed)
    return 20.0 * math.pi * torque / (size * MOTOR_EFFICIENCY)


def motor_connections(size):
    """Pressure and drain port threads of a gear motor of that size."""
    if size <= 2.5:
        return 'G 1/4"', 'G 1/8"'
    if size <= 8.0:
        return 'G 3/8"', 'G 1/4"'
    if size <= 19.0:
        return 'G 1/2"', 'G 1/4"'
    if size <= 31.5:
        return 'G 3/4"', 'G 3/8"'
    return 'G 1"', 'G 3/8"'


@dataclass
class MotorVariant:
    model: str  # the model's name without the rpm word
    speed: int  # rpm
    fan_kw: float
    size: float  # cm3/rev
    pressure_bar: float
    flow_l_min: float
    connection: str
    drain: str


def motor_variants(vhm_models, vhm_records):
    variants = []
    for model, record in zip(vhm_models, vhm_records):
        fitting = [size for size in MOTOR_SIZES
                   if PRESSURE_RANGE[0] <= motor_pressure(record.motor_power, model.fan_speed,
                                                          size) <= PRESSURE_RANGE[1]]
        if not fitting:
            raise CatalogueError(f"{model.display}: no motor drives the fan")
        for size in fitting[:VARIANTS_PER_MODEL]:
            connection, drain = motor_connections(size)
            variants.append(MotorVariant(
                model.display.removesuffix(" rpm"), int(model.fan_speed), record.motor_power,
                size, motor_pressure(record.motor_power, model.fan_speed, size),
                size * model.fan_speed / 1000.0, connection, drain))
    if len(variants) > MAX_MOTOR_VARIANTS:
        raise CatalogueError(f"{len(variants)} motor variants, more than the program reads")
    return variants


def decimal_text(value, decimals, comma):
    text = f"{value:.{decimals}f}"
    return text.replace(".", ",") if comma else text


def motor_data_text(variants, edition):
    """The file in the edition's units. The European file writes decimal commas, the US file
    decimal points; the program shows either with the regional separator."""
    european = edition == "EU"
    units = ("kW, bar, l/min" if european else "HP, psi, US gpm")
    lines = [f"; KVHM motor variants ({units}). Generated by tools/make_catalogue.py; edit the "
             "script, not this file.",
             "; One section per variant, numbered from 1; MotorSize in cm3/rev, Speed in rpm."]
    for number, v in enumerate(variants, start=1):
        if european:
            power, pressure, flow = v.fan_kw, v.pressure_bar, v.flow_l_min
        else:
            power = v.fan_kw / KW_PER_HP
            pressure = v.pressure_bar * PSI_PER_BAR
            flow = v.flow_l_min / LITRES_PER_US_GALLON
        lines += ["", f"[{number}]",
                  f"CoolerType={v.model}",
                  f"Speed={v.speed}",
                  f"FanPower={decimal_text(power, 2, european)}",
                  f"MotorSize={decimal_text(v.size, 1, european)}",
                  f"Pressure={pressure:.0f}",
                  f"Flow={decimal_text(flow, 1 if european else 2, european)}",
                  f"Connection={v.connection}",
                  f"DrainCon={v.drain}"]
    return "\r\n".join(lines) + "\r\n"


# ---------------------------------------------------------------------------------------------
# The table for reviewers.

def table_text(series_records, duties):
    lines = [
        "# Cooler catalogue figures",
        "",
        "Generated by `tools/make_catalogue.py` together with the catalogue files; do not edit.",
        "Rated dissipation under the rating conditions: ISO VG 46, oil in at 60 °C, air 20 °C, "
        "sea level. Pressure drop: ISO VG 46 at 50 °C mean oil temperature, at the largest flow. "
        "The duty is one operating point (same conditions, oil flow and cooling required) at "
        "which the program's choice picks the model.",
    ]
    for (series, records), series_duties in zip(series_records, duties):
        lines += ["", f"## {series.name} ({series.file_name})", ""]
        lines.append("| Model | Section | Flow l/min | kW/K at min / mid / max flow | Air m³/s | "
                     "Air rise K | Δp bar | Motor kW | dB(A) | Fan mm | Area m² | kg | Oil l | "
                     "IP | Duty: l/min, kW |")
        lines.append("|---|---|---|---|---|---|---|---|---|---|---|---|---|---|---|")
        for model, record, duty in zip(series.models, records, series_duties):
            at = [rated(record, q) for q in (model.min_flow, middle_flow(model), model.max_flow)]
            flows = (f"{model.min_flow:g}" if model.min_flow == model.max_flow
                     else f"{model.min_flow:g}–{model.max_flow:g}")
            specs = (f"{at[1].spec_heat:.3f}" if model.min_flow == model.max_flow
                     else " / ".join(f"{a.spec_heat:.3f}" for a in at))
            drop = pressure_drop_kpa(record, model.max_flow, PRESSURE_DROP_TEMP) / 100.0
            duty_text = f"{duty.oil_flow:g}, {duty.heat:g}" if duty else "–"
            lines.append(
                f"| {model.display} | {model.section} | {flows} | {specs} | "
                f"{record.air_flow:.2f} | {at[1].air_out - RATING.air_temp:.1f} | {drop:.2f} | "
                f"{record.motor_power:g} | {record.noise:.0f} | {record.fan_dia:g} | "
                f"{record.cool_area:.3f} | {record.weight:.0f} | {record.oil_volume:.2f} | "
                f"{record.ip:g} | {duty_text} |")
    return "\n".join(lines) + "\n"


def main():
    default_output = Path(__file__).resolve().parent.parent / "data"
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("output", nargs="?", type=Path, default=default_output)
    output = parser.parse_args().output

    problems = []
    texts = {}
    series_records = []
    for series in SERIES:
        resistances = rest_resistances(series.models)
        built = [build_record(series, model, core, air)
                 for model, (core, air) in zip(series.models, resistances)]
        text = ini_text(series, built)
        records = read_back(text, series, built)
        texts[series.file_name] = text
        series_records.append((series, records))
        check_series(series, records, problems)
    check_spans(series_records, problems)
    duties = [check_choices(series, records, problems) for series, records in series_records]
    table = table_text(series_records, duties)
    print(table)
    vhm_series, vhm_records = next(sr for sr in series_records if sr[0].name == "KVHM")
    variants = motor_variants(vhm_series.models, vhm_records)
    print(f"{len(variants)} KVHM motor variants")

    if problems:
        print("CATALOGUE REJECTED, nothing written:", file=sys.stderr)
        for problem in problems:
            print("  " + problem, file=sys.stderr)
        return 1
    (output / "IniFiles").mkdir(parents=True, exist_ok=True)
    for file_name, text in texts.items():
        (output / "IniFiles" / file_name).write_bytes(text.encode("ascii"))
    (output / "CatalogueTable.md").write_text(table, encoding="utf-8", newline="\n")
    (output / "motordata").mkdir(parents=True, exist_ok=True)
    for edition in ("EU", "US"):
        (output / "motordata" / f"VDM_MD-{edition}.INI").write_bytes(
            motor_data_text(variants, edition).encode("ascii"))
    print(f"Wrote {len(texts)} catalogue files and CatalogueTable.md to {output}")
    return 0


if __name__ == "__main__":
    try:
        sys.exit(main())
    except CatalogueError as error:
        print(f"make_catalogue: {error}", file=sys.stderr)
        sys.exit(1)
