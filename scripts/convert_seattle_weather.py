#!/usr/bin/env python3
"""Converts the daily weather record of Seattle that the npm package vega-datasets 3.2.1
ships (data/seattle-weather.csv, NOAA daily records 2012-2015, column "precipitation" in mm)
into a precipitation data file: one day per line, no dates, no header.

Usage: convert_seattle_weather.py seattle-weather.csv examples/seattle-2012-2015.txt

Get the CSV with:  npm pack vega-datasets@3.2.1 && tar xzf vega-datasets-3.2.1.tgz package/data/seattle-weather.csv
"""
import csv
import datetime
import sys


def main(src: str, dst: str) -> None:
    with open(src, newline="", encoding="utf-8") as f:
        rows = list(csv.DictReader(f))
    dates = [datetime.date.fromisoformat(r["date"]) for r in rows]
    # The record must be daily and without gaps: the file holds no dates, only the order.
    for a, b in zip(dates, dates[1:]):
        if (b - a).days != 1:
            raise SystemExit(f"gap or disorder in the record between {a} and {b}")
    with open(dst, "w", newline="", encoding="ascii") as out:
        for r in rows:
            out.write(r["precipitation"] + "\r\n")
    print(f"{len(rows)} days from {dates[0]} to {dates[-1]} written to {dst}")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        raise SystemExit(__doc__)
    main(sys.argv[1], sys.argv[2])
