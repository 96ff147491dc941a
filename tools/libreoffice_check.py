#!/usr/bin/env python3
"""Opens CSV files written by Vespra 4 in headless LibreOffice Calc and checks every cell.

Each file is converted to a flat OpenDocument spreadsheet (.fods) with the CSV import options
given (by default what a pt_BR user picks in Calc's text import dialog: Windows-1252, fields
separated by ';', Portuguese (Brazil) numbers), and compared with the file's own fields:

  * a field the program wrote as a number (an optional minus, digits, an optional decimal comma,
    an optional exponent; thousands points in groups of three) must be a number cell holding
    that value;
  * a date field (dd/mm/yyyy) must be a date cell of that day;
  * a field the program guarded against running as a formula (an apostrophe, then '=', '+',
    '-', '@', a tab or a carriage return, as "'=1+1") must be a text cell showing the text typed
    (with or without the apostrophe, as the spreadsheet takes it), never a formula or a number;
  * every other field must be a text cell with exactly the field's characters (accents,
    leading and trailing spaces included); an empty field an empty cell.

    libreoffice_check.py [--options OPTS] [--report-only] FILE.csv...

Exit status 1 when a cell differs (unless --report-only), 2 when LibreOffice fails.
"""

import argparse
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

# Field separator ';' (59), text delimiter '"' (34), Windows-1252 (LibreOffice's encoding 1),
# from line 1, standard column types, Portuguese (Brazil) (1046), quoted fields not forced to
# text, special numbers (dates) detected as the dialog shows them.
PT_BR_OPTIONS = "59,34,1,1,,1046,false,true"

NS = {
    "table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
    "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
    "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0",
}

NUMBER = re.compile(r"^-?(\d{1,3}(\.\d{3})+|\d+)(,\d+)?([Ee][+-]?\d+)?$")
DATE = re.compile(r"^(\d{2})/(\d{2})/(\d{4})$")
FORMULA_START = ("=", "+", "-", "@", "\t", "\r")


def q(ns, name):
    return "{%s}%s" % (NS[ns], name)


def expected(field):
    """What Calc should make of a field: ('empty',), ('number', v), ('date', d), ('guarded', s)
    or ('text', s)."""
    if field == "":
        return ("empty",)
    if field.startswith("'") and field[1:].startswith(FORMULA_START):
        return ("guarded", field)
    if NUMBER.match(field):
        return ("number", float(field.replace(".", "").replace(",", ".")))
    m = DATE.match(field)
    if m:
        return ("date", datetime.date(int(m.group(3)), int(m.group(2)), int(m.group(1))))
    return ("text", field)


def paragraph_text(p):
    """The characters of a text:p, with text:s runs of spaces, tabs and line breaks restored."""
    out = [p.text or ""]
    for child in p:
        if child.tag == q("text", "s"):
            out.append(" " * int(child.get(q("text", "c"), "1")))
        elif child.tag == q("text", "tab"):
            out.append("\t")
        elif child.tag == q("text", "line-break"):
            out.append("\n")
        else:
            out.append(paragraph_text(child))
        out.append(child.tail or "")
    return "".join(out)


def read_cells(fods):
    """The first sheet as a list of rows, each a list of (type, value, text) per cell."""
    root = ET.parse(fods).getroot()
    sheet = root.find(".//table:table", NS)
    rows = []
    for row in sheet.iter(q("table", "table-row")):
        cells = []
        for cell in row:
            if cell.tag not in (q("table", "table-cell"), q("table", "covered-table-cell")):
                continue
            kind = cell.get(q("office", "value-type"), "")
            value = cell.get(q("office", "value")) or cell.get(q("office", "date-value"))
            text = "\n".join(paragraph_text(p) for p in cell.findall("text:p", NS))
            repeat = int(cell.get(q("table", "number-columns-repeated"), "1"))
            cells.extend([(kind, value, text)] * min(repeat, 1024))
        repeat = int(row.get(q("table", "number-rows-repeated"), "1"))
        rows.extend([cells] * min(repeat, 1024))
    return rows


def convert(csv_path, options, workdir):
    """Converts one CSV file with headless Calc; returns the path of the .fods."""
    profile = "file://" + os.path.join(workdir, "perfil")
    args = ["soffice", "-env:UserInstallation=" + profile, "--headless", "--norestore"]
    if options is not None:
        args.append("--infilter=Text - txt - csv (StarCalc):" + options)
    args += ["--convert-to", "fods", "--outdir", workdir, csv_path]
    # Calc's own language (what the default import reads numbers in) is the user's: pt_BR.
    env = dict(os.environ, LANG="pt_BR.UTF-8", LANGUAGE="pt_BR")
    env.pop("LC_ALL", None)
    result = subprocess.run(args, capture_output=True, text=True, env=env)
    out = os.path.join(workdir, os.path.splitext(os.path.basename(csv_path))[0] + ".fods")
    if result.returncode != 0 or not os.path.exists(out):
        sys.stderr.write("libreoffice_check: LibreOffice did not convert %s:\n%s%s" %
                         (csv_path, result.stdout, result.stderr))
        sys.exit(2)
    return out


def check_cell(want, cell):
    """None when the cell holds what the field says, else what is wrong."""
    kind, value, text = cell
    if want[0] == "empty":
        return None if kind == "" and text == "" else "expected an empty cell, got %s %r" % (kind, text)
    if want[0] == "number":
        if kind not in ("float", "percentage", "currency"):
            return "expected the number %r, got a %s cell %r" % (want[1], kind or "text", text)
        got = float(value)
        if abs(got - want[1]) > 1e-12 * max(1.0, abs(want[1])):
            return "expected the number %r, got %r" % (want[1], got)
        return None
    if want[0] == "date":
        if kind != "date" or not value.startswith(want[1].isoformat()):
            return "expected the date %s, got a %s cell %r" % (want[1], kind or "text", value or text)
        return None
    if want[0] == "guarded":
        if kind not in ("string", "") or text not in (want[1], want[1][1:]):
            return "expected the text %r as typed, got a %s cell %r" % (want[1][1:], kind or "text", text)
        return None
    if kind not in ("string", "") or text != want[1]:
        return "expected the text %r, got a %s cell %r" % (want[1], kind or "text", text)
    return None


def check_file(csv_path, options, workdir):
    """Compares every field of the file with its cell; returns (fields, counts, problems)."""
    with open(csv_path, "rb") as f:
        data = f.read()
    lines = data.decode("cp1252").split("\r\n")
    if lines and lines[-1] == "":
        lines.pop()
    rows = read_cells(convert(csv_path, options, workdir))
    counts = {"number": 0, "date": 0, "text": 0, "guarded": 0, "empty": 0}
    problems = []
    for r, line in enumerate(lines):
        cells = rows[r] if r < len(rows) else []
        for c, field in enumerate(line.split(";")):
            want = expected(field)
            counts[want[0]] += 1
            cell = cells[c] if c < len(cells) else ("", None, "")
            wrong = check_cell(want, cell)
            if wrong:
                problems.append("%s:%d:%d: %s" % (os.path.basename(csv_path), r + 1, c + 1, wrong))
    return counts, problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--options", default=PT_BR_OPTIONS,
                        help="CSV import options; 'default' for LibreOffice's own (no --infilter)")
    parser.add_argument("--report-only", action="store_true", help="exit 0 even when cells differ")
    parser.add_argument("--show", type=int, default=5, help="problems shown per file")
    parser.add_argument("files", nargs="+")
    a = parser.parse_args()
    if shutil.which("soffice") is None:
        sys.stderr.write("libreoffice_check: soffice not found (apt-get install libreoffice-calc)\n")
        return 2
    options = None if a.options == "default" else a.options
    failed = False
    with tempfile.TemporaryDirectory(prefix="vespra-lo-") as workdir:
        for path in a.files:
            counts, problems = check_file(path, options, workdir)
            summary = ", ".join("%d %s" % (n, k) for k, n in counts.items() if n)
            status = "ok" if not problems else "%d cells differ" % len(problems)
            print("%s: %s (%s)" % (path, status, summary))
            for p in problems[: a.show]:
                print("    " + p)
            if len(problems) > a.show:
                print("    ...")
            failed = failed or bool(problems)
    return 1 if failed and not a.report_only else 0


if __name__ == "__main__":
    sys.exit(main())
