#!/usr/bin/env python3
"""Writes the seed corpora of the fuzz targets (fuzz/corpus/<target>/) from the bundled
examples, cut down so that the corpora stay small. Byte 0 of every seed picks the locale:
0 is pt_BR, 1 is en_US (see fuzz_support.h)."""
import pathlib
import re

root = pathlib.Path(__file__).resolve().parent.parent
examples = root / "examples"
corpus = root / "fuzz" / "corpus"
PT, EN = b"\x00", b"\x01"
DAYS = 40  # values kept of each series


def write(target, name, data):
    d = corpus / target
    d.mkdir(parents=True, exist_ok=True)
    (d / name).write_bytes(data)


def short_simulation(raw):
    """A simulation file with its series cut to its first DAYS values."""
    lines = raw.split(b"\r\n") if b"\r\n" in raw else raw.split(b"\n")
    header = lines[2].split(b";")
    values = b";".join(b";".join(lines[3:4 + int(header[1])]).split(b";")[:DAYS])
    out = lines[:2] + [b"10000;0;%d" % DAYS, values] + lines[4 + int(header[1]):]
    return b"\r\n".join(out)


prec = (examples / "seattle-2012-2015.txt").read_bytes().split(b"\n")[:DAYS]
write("fuzz_prec", "pt_BR", PT + b"\n".join(prec) + b"\n")
write("fuzz_prec", "semicolons", b"\x80" + b"\r\n".join(prec[:10] + [b"2,5;", b"T\xedtulo", b"", b"1e3"]))
write("fuzz_prec", "utf8_bom", EN + b"\xef\xbb\xbf" + b"\n".join(prec[:10]))

write("fuzz_vecfile", "pt_BR", PT + b"150\r\n120,5\r\n-3\r\n1,5E2\r\n")
write("fuzz_vecfile", "en_US", EN + b"150\n120.5\n 7 \n")

for locale, byte, folder in (("pt_BR", PT, examples), ("en_US", EN, examples / "en_US")):
    for f in sorted(folder.glob("seattle-*.csv")):
        # Bit 7: the texts shown after the run are built too (the economic example's export).
        first = bytes([byte[0] | (0x80 if "economica" in f.stem else 0)])
        write("fuzz_simfile", f"{locale}-{f.stem}", first + short_simulation(f.read_bytes()))

for locale, byte, folder in (("pt_BR", PT, examples), ("en_US", EN, examples / "en_US")):
    write("fuzz_definicao", locale, byte + (folder / "cenarios-seattle.txt").read_bytes())

# Parts of a scenario sheet (vespra-cli scenarios --shard): a whole one and a header alone.
parte = "Parte da planilha de cenários;definição=b6cec84e994cf5a0;parte=1;partes=3;total=16".encode("cp1252")
linha = b"1;seattle-2012-2015.txt;2;100;150;4;50;0,8;0 | 0%;Fixo: 3000;28,63"
write("fuzz_parte", "parte", PT + parte + b"\r\n" + linha + b"\r\n")
write("fuzz_parte", "cabecalho", PT + parte.replace(b"partes=3", b"partes=x"))

for i, text in enumerate((examples / "cenarios-seattle.txt").read_bytes().splitlines()):
    row = i + 1  # byte 1: the row (1 + byte % 8) with its own delimiter
    write("fuzz_listas", f"linha{row}", PT + bytes([i]) + text)
write("fuzz_listas", "vetores", PT + bytes([2]) + b"(150; 120); (100)")
write("fuzz_listas", "ponto", EN + bytes([5]) + b"(0.8); (0.75)")

for name, byte, text in (("decimal", PT, b"1.234,5"), ("expoente", EN, b"-2.5E-3"),
                         ("data", PT, b"29/02/2012"), ("data_en", EN, b"2/29/2012"),
                         ("inteiro", PT, b" -42 "), ("iso", b"\x05", b"2012-01-31")):
    write("fuzz_numtext", name, byte + text)

# Station files: the import's test files (tests/import/make_fixtures.py, cut from the Seattle
# record), each detected and, for some, with the format named, another gap policy or inches.
fixtures = root / "tests" / "import" / "fixtures"
ZERO, LONGEST, INCHES = 8, 16, 0x80
for name, control in (("inmet_convencional.csv", ZERO), ("inmet_automatica.csv", 0),
                      ("ana_chuvas.csv", 2), ("ghcn.dly", LONGEST), ("noaa.csv", ZERO | 4),
                      ("noaa_polegadas.csv", INCHES), ("seattle.csv", 0)):
    write("fuzz_import", pathlib.Path(name).stem, EN + bytes([control]) + (fixtures / name).read_bytes())
