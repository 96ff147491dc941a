#!/usr/bin/env python3
"""Writes the station files of the import tests (tests/import/fixtures/) from the bundled
Seattle record (examples/seattle-2012-2015.txt, one value in mm per day from 2012-01-01),
one small file per format, each with the gaps and quirks its tests look for:

  inmet_convencional.csv   INMET BDMEP, Windows-1252, CR LF, metadata, a blank line, the rain
                           column third, trailing ';', decimal comma; 2012-01-10 "null",
                           2012-01-11 empty, 2012-01-20 not listed, 2012-01-25 negative
  inmet_automatica.csv     INMET automatic station, UTF-8 without a byte-order mark, LF,
                           no station code (the name is the station), DD/MM/YYYY, decimal point
  ana_chuvas.csv           ANA HidroWeb "Chuvas": // comments, March, February at level 2 and at
                           level 1 (another value on the 3rd), January, newest first; February's
                           Chuva30 and Chuva31 hold numbers that are not days
  ghcn.dly                 GHCN-Daily: a TMAX line and PRCP lines for January and February 2012;
                           2012-01-15 is -9999, 2012-01-16 carries a QFLAG
  noaa.csv                 NOAA daily summaries in mm, newest row first, 2012-01-05 empty
  noaa_polegadas.csv       NOAA daily summaries in inches (0.10, 0.43, 0.00)
  seattle.csv              a plain dated CSV like the record's source, 2012-01-07 given twice
                           with the same value

Usage: python3 tests/import/make_fixtures.py
"""
import datetime
import pathlib

root = pathlib.Path(__file__).resolve().parent.parent.parent
out = root / "tests" / "import" / "fixtures"
values = (root / "examples" / "seattle-2012-2015.txt").read_text().split()
start = datetime.date(2012, 1, 1)
DAYS = 40


def day(i):
    return start + datetime.timedelta(days=i)


def write(name, text, encoding="cp1252", newline="\r\n"):
    out.mkdir(parents=True, exist_ok=True)
    (out / name).write_bytes(text.replace("\n", newline).encode(encoding))


def inmet_convencional():
    lines = ["Nome: SEATTLE (ESTAÇÃO DE TESTE)", "Codigo Estacao: T0001", "Latitude: 47.61",
             "Longitude: -122.33", "Periodicidade da Medicao: Diaria", "",
             "Data Medicao;EVAPORACAO DO PICHE, DIARIA(mm);PRECIPITACAO TOTAL, DIARIO(mm);"
             "TEMPERATURA MAXIMA, DIARIA(°C);"]
    for i in range(DAYS):
        d = day(i)
        v = values[i].replace(".", ",")
        if d.day == 10:
            v = "null"
        elif d.day == 11:
            v = ""
        elif d.day == 20:
            continue
        elif d.day == 25:
            v = "-1,0"
        lines.append(f"{d.isoformat()};null;{v};10,5;")
    write("inmet_convencional.csv", "\n".join(lines) + "\n")


def inmet_automatica():
    lines = ["Nome: SEATTLE ÁREA DE TESTE", "Periodicidade da Medicao: Diaria",
             "Data Medicao;PRECIPITACAO TOTAL, DIARIO (AUT)(mm);PRESSAO ATMOSFERICA MEDIA DIARIA (AUT)(mB);"]
    for i in range(DAYS):
        lines.append(f"{day(i).strftime('%d/%m/%Y')};{values[i]};1012.5;")
    write("inmet_automatica.csv", "\n".join(lines) + "\n", encoding="utf-8", newline="\n")


def ana_chuvas():
    status = ";".join(f"Chuva{d:02d}Status" for d in range(1, 32))
    header = ("EstacaoCodigo;NivelConsistencia;Data;TipoMedicaoChuvas;Maxima;Total;"
              + ";".join(f"Chuva{d:02d}" for d in range(1, 32)) + ";" + status)
    lines = ["// Sistema de Informações Hidrológicas (arquivo de teste)",
             "// NivelConsistencia: 1 = Bruto, 2 = Consistido", "//", header]

    def month(m, level, change=None, extra=None):
        first = (datetime.date(2012, m, 1) - start).days
        n = (datetime.date(2012 + m // 12, m % 12 + 1, 1) - datetime.date(2012, m, 1)).days
        cells = [values[first + k].replace(".", ",") for k in range(n)]
        if change:
            cells[change[0] - 1] = change[1]
        cells += (extra or [""] * (31 - n))[: 31 - n]
        cells += [""] * (31 - len(cells))
        lines.append(f"99999999;{level};01/{m:02d}/2012;1;;;" + ";".join(cells) + ";" + ";".join(["1"] * 31))

    month(3, 1)
    month(2, 2, extra=["99,9", "99,9"])
    month(2, 1, change=(3, "77,7"))
    month(1, 1)
    write("ana_chuvas.csv", "\n".join(lines) + "\n")


def ghcn():
    lines = []
    for m in (1, 2):
        groups_t, groups_p = "", ""
        for d in range(1, 32):
            try:
                i = (datetime.date(2012, m, d) - start).days
            except ValueError:
                groups_t += f"{-9999:5d}   "
                groups_p += f"{-9999:5d}   "
                continue
            tenths = round(float(values[i]) * 10)
            groups_t += f"{100:5d}  W"
            if (m, d) == (1, 15):
                groups_p += f"{-9999:5d}   "
            elif (m, d) == (1, 16):
                groups_p += f"{tenths:5d} IW"
            else:
                groups_p += f"{tenths:5d}  W"
        lines.append(f"ZZ000000001{2012:4d}{m:02d}TMAX" + groups_t)
        lines.append(f"ZZ000000001{2012:4d}{m:02d}PRCP" + groups_p)
    write("ghcn.dly", "\n".join(lines) + "\n", newline="\n")


def noaa():
    lines = ['"STATION","NAME","DATE","PRCP","TMAX"']
    for i in reversed(range(DAYS)):
        v = "" if day(i).day == 5 and day(i).month == 1 else values[i]
        lines.append(f'"ZZ000000001","SEATTLE TESTE, WA US","{day(i).isoformat()}","{v}","10"')
    write("noaa.csv", "\n".join(lines) + "\n", newline="\n")
    lines = ['"STATION","DATE","PRCP"', '"ZZ000000001","2012-01-01","0.10"',
             '"ZZ000000001","2012-01-02","0.43"', '"ZZ000000001","2012-01-03","0.00"']
    write("noaa_polegadas.csv", "\n".join(lines) + "\n", newline="\n")


def seattle():
    lines = ["date,precipitation,temp_max,temp_min,wind,weather"]
    for i in range(DAYS):
        lines.append(f"{day(i).isoformat()},{values[i]},10.0,5.0,4.7,rain")
        if i == 6:
            lines.append(lines[-1])
    write("seattle.csv", "\n".join(lines) + "\n", newline="\n")


inmet_convencional()
inmet_automatica()
ana_chuvas()
ghcn()
noaa()
seattle()
