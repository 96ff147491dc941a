#!/usr/bin/env python3
"""An independent reference computation of the daily water balance, written apart from the
program's C++ engine: it reads a simulation file saved by Vespra 4 (its inputs only),
recomputes every result day by day in plain Python and compares them with the JSON that
`vespra-cli run FILE --json` prints for the same file.

Usage: water_balance.py VESPRA_CLI FILE LOCALE [tolerance] [--expect-pass-limit]
Exit status 0 when every figure agrees within the relative tolerance (default 1e-9).
--expect-pass-limit also asks that the reference itself count a day stopped at the pump's pass
limit and a day with passes below it, so that a case made for that limit keeps showing it.
"""
import datetime
import json
import subprocess
import sys

NOMINAL = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
PASS_LIMIT = 10000


def number(text):
    return float(text.strip().replace(",", "."))


def read_file(path, locale):
    raw = open(path, "rb").read()
    lines = raw.decode("cp1252").split("\r\n")
    header = [int(x) for x in lines[2].split(";")]
    per_line, full, last = header
    prec = []
    for f in range(full):
        prec += [number(x) for x in lines[3 + f].split(";")[:per_line]]
    prec += [number(x) for x in lines[3 + full].split(";")[:last]]
    i = 4 + full
    field = lambda k: lines[k].split(";")
    sim = {"prec": prec}
    sim["discard"] = number(field(i)[1])
    d = field(i + 1)[1]
    if locale.startswith("en_US"):
        month, day, year = (int(x) for x in d.split("/"))
    else:
        day, month, year = (int(x) for x in d.split("/"))
    sim["start"] = datetime.date(year, month, day)
    sim["area"] = number(field(i + 2)[1])
    for key, k in (("dem", i + 3), ("occ", i + 4)):
        f = field(k)
        n = int(f[2])
        sim[key + "_monthly"] = f[1] != "0"
        sim[key] = [number(x) for x in f[3:3 + n]]
    sim["subs"] = number(field(i + 5)[1])
    sim["coef"] = number(field(i + 6)[1])
    f = field(i + 7)
    sim["sup"] = number(f[1])
    sim["sup_from_demand"] = int(f[2]) != 0
    sim["minrec"] = number(field(i + 8)[1])
    nobs = int(field(i + 9)[1])
    f = [x for x in field(i + 10 + nobs)]
    values = []
    for x in f[1:]:
        if x == "":
            break
        values.append(number(x))
    if len(values) == 1:
        sim["volumes"] = [values[0]]
        sim["sweep"] = None
    else:
        volmax, interval, delta = values[:3]
        n = int(volmax // interval)
        sim["volumes"] = [0.0] + [i * interval for i in range(1, n + 1)]
        sim["sweep"] = (volmax, interval, delta)
    return sim


def table365(monthly, start, per_day_divide):
    """The 365-day table of twelve monthly values, entry 0 on the start's calendar day."""
    table = []
    for m in range(12):
        v = monthly[m] / NOMINAL[m] if per_day_divide else monthly[m]
        table += [v] * NOMINAL[m]
    if (start.month, start.day) == (2, 29):
        offset = 59
    else:
        offset = (datetime.date(2001, start.month, start.day) - datetime.date(2001, 1, 1)).days
    return [table[(k + offset) % 365] for k in range(365)]


def simulate(sim, volume):
    dem = table365(sim["dem"], sim["start"], True) if sim["dem_monthly"] else sim["dem"]
    occ = table365(sim["occ"], sim["start"], False) if sim["occ_monthly"] else sim["occ"]
    sup = sim["sup"]
    minrec = sim["minrec"] if sup != 0 or sim["sup_from_demand"] else 0.0
    if sim["sup_from_demand"]:
        mean_dem = sum(sim["dem"]) / len(sim["dem"]) / (30 if sim["dem_monthly"] else 1)
        sup = (sum(sim["occ"]) / len(sim["occ"])) * mean_dem * sim["subs"]
    acc = {k: [0.0] * 13 for k in ("S", "C", "O", "P", "k", "tot", "par", "not", "cnt")}
    at_limit = below_limit = 0
    vi = vs = 0.0
    day = sim["start"]
    for j, p in enumerate(sim["prec"]):
        rain = p if p >= sim["discard"] else 0.0
        R = rain * sim["area"] * sim["coef"]
        q = dem[j % len(dem)]
        n = occ[j % len(occ)]
        T = q * n
        D = sim["subs"] * q * n
        m = day.month
        inflow = vi + R
        V = min(inflow, volume)
        O = inflow - volume if inflow > volume else 0.0
        P = 0.0
        k = 0
        if sup > 0:
            vi = V
            S = 0.0
            while S < D and vi > 0 and k < PASS_LIMIT:
                if vs > minrec:
                    pump = 0.0
                elif minrec >= sup:
                    pump = min(sup - vs + D, vi)
                else:
                    pump = min(sup - vs, vi)
                P += pump
                vi -= pump
                vs += pump
                if minrec >= sup:
                    x = min(D, vs)
                else:
                    x = min(max(vs - minrec, 0.0), D - S, vs)
                vs -= x
                S += x
                k += 1
            if S < D and vs > 0:
                y = min(D - S, vs)
                vs -= y
                S += y
        else:
            S = min(D, V)
            vi = V - S
        acc["S"][m] += S
        acc["C"][m] += T - S
        acc["O"][m] += O
        acc["P"][m] += P
        acc["k"][m] += k
        at_limit += k == PASS_LIMIT
        below_limit += 0 < k < PASS_LIMIT
        acc["cnt"][m] += 1
        # The supply loop's draws can add up to one rounding step above the demand: the
        # supply reaches the demand, and the day is met completely.
        if S >= D and D > 0:
            acc["tot"][m] += 1
        elif 0 < S < D:
            acc["par"][m] += 1
        else:
            acc["not"][m] += 1
        day += datetime.timedelta(days=1)
    sd = lambda x, d: x / d if d > 0 else 0.0
    cnt = acc["cnt"]
    res = {}
    res["vecVConsPluv"] = [sd(acc["S"][m], cnt[m]) * NOMINAL[m - 1] for m in range(1, 13)]
    res["vecVConsPot"] = [sd(acc["C"][m], cnt[m]) * NOMINAL[m - 1] for m in range(1, 13)]
    res["vecVExtrav"] = [sd(acc["O"][m], cnt[m]) * NOMINAL[m - 1] for m in range(1, 13)]
    res["vecVRecalc"] = [sd(acc["P"][m], cnt[m]) * NOMINAL[m - 1] for m in range(1, 13)]
    res["vecContRec"] = [sd(acc["k"][m], cnt[m]) for m in range(1, 13)]
    res["vecPorcAtendTotal"] = [sd(acc["tot"][m], cnt[m]) for m in range(1, 13)]
    res["vecPorcAtendParc"] = [sd(acc["par"][m], cnt[m]) for m in range(1, 13)]
    res["vecPorcNaoAtend"] = [sd(acc["not"][m], cnt[m]) for m in range(1, 13)]
    res["vecVMediaMensalCont"] = cnt[1:]
    res["dblConsPluvMed"] = sum(res["vecVConsPluv"]) / 365
    res["dblConsPotMed"] = sum(res["vecVConsPot"]) / 365
    res["dblVExtravMed"] = sum(res["vecVExtrav"]) / 365
    total = res["dblConsPluvMed"] + res["dblConsPotMed"]
    res["dblEconPot"] = 100 * res["dblConsPluvMed"] / total if total > 0 else 0.0
    N = len(sim["prec"])
    res["dblPorcAtendTotal"] = 100 * sum(acc["tot"]) / N
    res["dblPorcAtendParc"] = 100 * sum(acc["par"]) / N
    res["dblPorcNaoAtend"] = 100 * sum(acc["not"]) / N
    res["dblResInf"] = volume
    res["demand_term"] = (sum(dem) / len(dem)) * (sum(occ) / len(occ)) * sim["subs"]
    res["days_at_pass_limit"] = (at_limit, below_limit)
    return res


def ideal_index(members, interval, delta):
    if delta <= 0:
        return -1
    for i in range(1, len(members)):
        dm = members[i]["demand_term"]
        gain = 0.0 if dm == 0 else 100 * (members[i]["dblConsPluvMed"] - members[i - 1]["dblConsPluvMed"]) / dm / (interval / 1000)
        if not gain > delta:
            return i
    return -1


def close(a, b, tol):
    return abs(a - b) <= tol * max(1.0, abs(a), abs(b))


def main():
    expect_limit = "--expect-pass-limit" in sys.argv
    args = [a for a in sys.argv[1:] if a != "--expect-pass-limit"]
    cli, path, locale = args[:3]
    tol = float(args[3]) if len(args) > 3 else 1e-9
    sim = read_file(path, locale)
    members = [simulate(sim, v) for v in sim["volumes"]]
    out = subprocess.run([cli, "run", path, "--locale", locale, "--json"], capture_output=True, text=True, check=True)
    got = json.loads(out.stdout)
    problems = []
    if len(got["members"]) != len(members):
        problems.append(f"members: {len(got['members'])} != {len(members)}")
    if sim["sweep"]:
        want_ideal = ideal_index(members, sim["sweep"][1], sim["sweep"][2])
        if got["indVolOtimo"] != want_ideal:
            problems.append(f"indVolOtimo: {got['indVolOtimo']} != {want_ideal}")
    for i, (g, w) in enumerate(zip(got["members"], members)):
        for key, want in w.items():
            if key in ("demand_term", "days_at_pass_limit"):
                continue
            have = g[key]
            pairs = zip(have, want) if isinstance(want, list) else [(have, want)]
            for a, b in pairs:
                if not close(a, b, tol):
                    problems.append(f"member {i} {key}: program {a!r}, reference {b!r}")
    if expect_limit:
        at, below = members[-1]["days_at_pass_limit"]
        if at == 0 or below == 0:
            problems.append(f"the case shows {at} days at the pass limit and {below} days below it")
    for p in problems[:20]:
        print(p)
    print(f"{path}: {len(members)} volumes compared, {len(problems)} differences")
    sys.exit(1 if problems else 0)


if __name__ == "__main__":
    main()
