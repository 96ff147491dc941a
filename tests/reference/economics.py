#!/usr/bin/env python3
"""An independent reference computation of the economic analysis, written apart from the
program's C++ code: it reads a simulation file saved by Vespra 4 (its inputs and its economic
section), recomputes the working simulation's monthly figures with water_balance.py, then the
water bills, the savings, the costs, the net present value, the payback month and the rate of
return in plain Python, and compares them with the "economia" object that
`vespra-cli run FILE --json` prints for the same file.

Usage: economics.py VESPRA_CLI FILE LOCALE [tolerance]
Exit status 0 when every figure agrees (money to the ten-thousandth of a real, the present
value to the cent, the payback month exactly, the rate of return (found by bisection to
1e-14 of itself) within the relative tolerance, default 1e-9).
"""
import json
import math
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import water_balance  # noqa: E402

MARKER = "ANÁLISE ECONÔMICA"
TOP = 100000.0
DAYS = water_balance.NOMINAL


def number(text):
    return float(text.strip().replace(",", "."))


def money(value):
    """A Currency amount: ten-thousandths of a real, ties to even, back as reais."""
    return round(value * 10000) / 10000


def read_section(path, uses_upper):
    lines = open(path, "rb").read().decode("cp1252").split("\r\n")
    k = lines.index(MARKER) + 1
    fields = lambda: lines[k].split(";")
    a = {}
    a["volume"] = number(fields()[1])
    k += 1
    n = int(fields()[1])
    k += 1
    bands = []
    for b in range(n):
        f = fields()
        k += 1
        if b == 0:
            bands.append((0.0, number(f[1]), number(f[2]), number(f[3]) != 0))
        elif b < n - 1:
            bands.append((number(f[0]), number(f[1]), number(f[2]), False))
        else:
            bands.append((bands[-1][1], TOP, number(f[2]), False))
    a["bands"] = bands
    a["sewer_kind"] = None
    a["sewer"] = ""
    if fields()[0] != "Imposto agua fixo":
        f = fields()
        a["sewer"] = f[1]
        a["sewer_kind"] = {"0": "fixed", "1": "variable"}.get(f[2])
        k += 1
    for key in ("tax_fixed", "tax_var", "inflation", "interval", "years", "tma", "month"):
        a[key] = fields()[1]
        k += 1
    a["initial"] = []
    for name in ("Reservatório inferior", "Reservatório superior", "Mão de obra", "Tubulações", "Acessórios"):
        a["initial"].append((name, fields()[1]))
        k += 1
    a["pump"] = None
    if uses_upper:
        pump = {"reserve": fields()[1] != "1"}
        k += 1
        f = fields()
        pump["power"], pump["unit"] = f[1], int(f[2])
        k += 1
        for key in ("efficiency", "flow", "start", "price", "tariff", "tax_fixed", "tax_var"):
            pump[key] = fields()[1]
            k += 1
        a["pump"] = pump
    count = int(fields()[1])
    k += 1
    a["operating"] = []
    for _ in range(count):
        f = fields()
        k += 1
        a["operating"].append((f[0], int(f[1]), money(number(f[2])), money(number(f[3]))))
    return a


def lenient(text):
    try:
        return number(text)
    except ValueError:
        return 0.0


def total_bill(volume, bands):
    used = total = 0.0
    for de, ate, value, flat in bands:
        share = ate - de if volume > ate else volume - used
        used += share
        if share > 0:
            total += value if flat else share * value
    return total


def bill(volume, a):
    water = total_bill(volume, a["bands"])
    if a["sewer_kind"] == "fixed":
        return water * (1 + lenient(a["tax_var"]) / 100) + lenient(a["sewer"]) + lenient(a["tax_fixed"])
    return water * (1 + number(a["sewer"]) / 100 + lenient(a["tax_var"]) / 100) + lenient(a["tax_fixed"])


def factor(i, inflation, interval):
    return (1 + inflation / 100) ** (i - i % interval)


def pump_power_kw(text, unit):
    if unit == 1:
        return number(text) / 1000
    if "/" in text:
        n, d = text.split("/", 1)
        return number(n) * 746 / (number(d) * 1000)
    return number(text) * 746 / 1000


def analysis(a, res):
    """The months' savings and costs, from the working simulation's monthly results `res`."""
    pluv, pot = res["vecVConsPluv"], res["vecVConsPot"]
    without = [bill((pluv[m] + pot[m]) / 1000, a) for m in range(12)]
    with_rain = [bill(pot[m] / 1000, a) for m in range(12)]
    months = round(number(a["years"]) * 12)
    inflation, interval, mes_in = number(a["inflation"]), int(a["interval"]), int(a["month"])
    savings = [0.0] * months
    items = [[] for _ in range(months)]
    for name, text in a["initial"]:
        if text != "" and (name != "Reservatório superior" or a["pump"] is not None):
            items[0].append(money(number(text)))
    pump = a["pump"]
    if pump is not None:
        items[0].append(money(number(pump["price"]) * (2 if pump["reserve"] else 1)))
        power = pump_power_kw(pump["power"], pump["unit"])
        for p in range(1, months):
            m = (p + mes_in) % 12
            hours = DAYS[m] * res["vecContRec"][m] * number(pump["start"]) / 3600 + res["vecVRecalc"][m] / number(
                pump["flow"])
            energy = power / (number(pump["efficiency"]) / 100) * hours
            cost = number(pump["tariff"]) * factor(p, inflation, interval) * energy
            items[p].append(money(cost * (1 + lenient(pump["tax_var"]) / 100) + lenient(pump["tax_fixed"])))
    for name, period, linear, angular in a["operating"]:
        for c in range(1, (months - 1) // period + 1):
            e = c * period
            base = angular * pluv[(e + mes_in) % 12] / 1000 + linear if angular != 0 else linear
            items[e].append(money(base * factor(e, inflation, interval)))
    for i in range(1, months):
        c = (i + mes_in) % 12
        savings[i] = money(factor(i, inflation, interval) * (without[c] - with_rain[c]))
    costs = []
    for month in items:
        total = 0.0
        for value in month:
            total += value
        costs.append(total)
    return months, savings, costs


def present_value(flows, tma):
    s = 0.0
    cumulative = []
    for i, f in enumerate(flows):
        s += f / (1 + tma / 100) ** (i + 1)
        cumulative.append(s)
    npv = round(s * 100) / 100
    payback = next((i for i, c in enumerate(cumulative) if c >= 0), -1) if npv > 0 else -1
    return npv, payback


# The rate is searched by bisection, apart from the program's Newton steps: the bracket is
# halved until it is narrower than RATE_WIDTH of the rate, far inside the comparison's tolerance.
RATE_WIDTH = 1e-14


def rate_of_return(flows):
    """The monthly rate r > -1 at which the flows' present value sum(f / (1 + r)**i) is nil, in %:
    the root nearest 0, bracketed searching outward from 0 and then bisected. None when it is
    undefined: flows of one sign only, or no change of sign of the present value on either side."""
    if not (any(f < 0 for f in flows) and any(f > 0 for f in flows)):
        return None
    n = len(flows) - 1

    def sign(r):
        # Below 0 the present value times (1 + r)**n, of the same sign, keeps the powers finite.
        if r >= 0:
            v = math.fsum(f / (1 + r) ** i for i, f in enumerate(flows))
        else:
            v = math.fsum(f * (1 + r) ** (n - i) for i, f in enumerate(flows))
        return (v > 0) - (v < 0)

    at_zero = sign(0.0)
    if at_zero == 0:
        return 0.0
    up = [0.01 * 2**k for k in range(40)]
    down = [-0.01 * 2**k for k in range(6)] + [-1 + 2.0**-k for k in range(1, 53)]
    bracket = None
    for near in (up, down):
        previous = 0.0
        for r in near:
            if sign(r) != at_zero:
                bracket = (previous, r)
                break
            previous = r
        if bracket:
            break
    if bracket is None:
        return None
    a, b = bracket  # sign(a) == at_zero != sign(b)
    while abs(b - a) > RATE_WIDTH * max(abs(a), abs(b)):
        mid = (a + b) / 2
        if mid in (a, b):
            break
        if sign(mid) == at_zero:
            a = mid
        else:
            b = mid
    return (a + b) / 2 * 100


def close(a, b, tol):
    return abs(a - b) <= tol * max(1.0, abs(a), abs(b))


def main():
    cli, path, locale = sys.argv[1:4]
    tol = float(sys.argv[4]) if len(sys.argv) > 4 else 1e-9
    sim = water_balance.read_file(path, locale)
    uses_upper = sim["sup"] != 0 or sim["sup_from_demand"]
    a = read_section(path, uses_upper)
    res = water_balance.simulate(sim, a["volume"])
    # The engine's months are January … December; the analysis's are 0 (January) … 11.
    months, savings, costs = analysis(a, res)
    flows = [s - c for s, c in zip(savings, costs)]
    npv, payback = present_value(flows, number(a["tma"]))
    tir = rate_of_return(flows)
    out = subprocess.run([cli, "run", path, "--locale", locale, "--json"], capture_output=True, text=True, check=True)
    got = json.loads(out.stdout)["economia"]
    problems = []
    for key, want in (("nroPeriodos", months), ("intTempoRetorno", payback)):
        if got[key] != want:
            problems.append(f"{key}: program {got[key]!r}, reference {want!r}")
    if abs(got["curVPL"] - npv) > 0.005:
        problems.append(f"curVPL: program {got['curVPL']!r}, reference {npv!r}")
    if (got["dblTIR"] is None) != (tir is None) or (tir is not None and not close(got["dblTIR"], tir, tol)):
        problems.append(f"dblTIR: program {got['dblTIR']!r}, reference {tir!r}")
    for key, want in (("vecEconomias", savings), ("vecCustos", costs)):
        if len(got[key]) != len(want):
            problems.append(f"{key}: {len(got[key])} months, reference {len(want)}")
        for i, (have, w) in enumerate(zip(got[key], want)):
            if abs(have - w) > 0.00005 + tol * abs(w):
                problems.append(f"{key}[{i}]: program {have!r}, reference {w!r}")
    for p in problems[:20]:
        print(p)
    print(f"{path}: {months} months compared, {len(problems)} differences")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
