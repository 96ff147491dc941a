#!/usr/bin/env python3
"""Writes the small simulation files of this folder, run by water_balance.py against
`vespra-cli run FILE --json`. Each is a stretch of the bundled Seattle record
(examples/seattle-2012-2015.txt, which starts on 1 January 2012) with the example household
(100 m², runoff coefficient 0,8, discard 2 mm, half of the demand from rainwater) and one rule of
the balance to show. The files are laid out as the program saves a simulation (Windows-1252,
CR LF, ';' fields, the series already discarded) without the results block, which the program
does not read back; a case with locale en_US is written in en_US/ as an American user's program
writes it (decimal point, month/day/year).

Run from the project root:  python3 tests/reference/cases/make_cases.py
"""
import datetime
import os

HERE = os.path.dirname(os.path.abspath(__file__))
RECORD = "examples/seattle-2012-2015.txt"
RECORD_START = datetime.date(2012, 1, 1)
DISCARD = 2.0

# Litres per person in each month (January … December) and people in each month: a household
# that uses more water in summer and has guests at the end of the year.
MONTHLY_DEMAND = [4650, 3920, 4340, 4500, 5270, 5400, 5890, 5890, 5100, 4650, 4200, 4340]
MONTHLY_OCCUPANTS = [4, 4, 4, 3, 3, 2, 2, 2, 3, 4, 4, 5]


def section(volume, years, month, upper, g):
    """The economic section of examples/seattle-analise-economica.csv (its illustrative prices)
    for a lower reservoir of `volume` litres, `years` of analysis from installation month
    `month` (0 = January), with the pump's lines when the system has an upper reservoir."""
    lines = [
        "ANÁLISE ECONÔMICA",
        "Volume do reservatorio inferior;" + g(volume),
        "Tarifas de agua;3", "0;10;30;-1", "10;20;" + g(4.5) + ";0", "20;100000;" + g(7.25) + ";0",
        "Tarifa esgoto;80;1", "Imposto agua fixo;" + g(2.5), "Imposto agua variavel;5",
        "Inflacao;" + g(0.5), "Aumento tarifas;12", "Periodo de analise;" + g(years), "TMA;" + g(0.8),
        "Mes de instalacao;{}".format(month),
        "Reservatorio inferior;1800", "Reservatorio superior;300", "Mao de obra;500",
        "Tubulacoes;" + g(250.5), "Acessorios;100",
    ]
    if upper:
        lines += ["Quantidade;1", "Potencia;1/2;0", "Rendimento (%);40", "Vazao;1800",
                  "Tempo de partida (h);10", "Custo unitario;450", "Tarifa energia eletrica;" + g(0.85),
                  "Imposto energia fixo;0", "Imposto energia variavel;25"]
    return lines + ["Custos operacionais;2", "Limpeza do reservatório;6;80;0",
                    "Tratamento da água;1;2;" + g(0.6)]


CASES = [
    # name, first day, days, demand (monthly?, values), occupants (monthly?, values),
    # upper reservoir (litres, sized from the demand?), threshold, lower reservoir or
    # (maximum, step, difference), notes
    dict(name="demanda_mensal_meio_do_ano", start=datetime.date(2013, 7, 15), days=400,
         dem=(True, MONTHLY_DEMAND), occ=(False, [3]), sup=(0, False), minrec=0, inf=3000,
         economics=dict(years=2, month=6),
         notes=["Demanda mensal por pessoa, 3 moradores, início em 15 de julho:",
                "a tabela de 365 dias começa no dia do calendário da data inicial;",
                "análise econômica de 2 anos, que não se paga."]),
    dict(name="moradores_mensais_29_fevereiro", start=datetime.date(2012, 2, 29), days=366,
         dem=(False, [150]), occ=(True, MONTHLY_OCCUPANTS), sup=(0, False), minrec=0,
         inf=(6000, 500, 2),
         notes=["Moradores mensais, início em 29 de fevereiro (dia do ano de 1º de março),",
                "volumes de 0 a 6000 litros."]),
    dict(name="mensais_com_reservatorio_superior", start=datetime.date(2014, 11, 3), days=365,
         dem=(True, MONTHLY_DEMAND), occ=(True, MONTHLY_OCCUPANTS), sup=(250, False), minrec=80,
         inf=4000,
         economics=dict(years=15, month=9),
         notes=["Demanda e moradores mensais com reservatório superior de 250 litros,",
                "limiar de 80 litros; análise econômica de 15 anos instalada em outubro."]),
    dict(name="limiar_igual_ao_superior", start=datetime.date(2012, 3, 1), days=365,
         dem=(False, [150]), occ=(False, [4]), sup=(200, False), minrec=200, inf=2500,
         notes=["Limiar igual ao reservatório superior: uma passada enche o superior",
                "e entrega a demanda do dia."]),
    dict(name="limiar_igual_moradores_mensais", locale="en_US", start=datetime.date(2014, 3, 20), days=365,
         dem=(False, [150]), occ=(True, MONTHLY_OCCUPANTS), sup=(150, False), minrec=150,
         inf=(2000, 250, 2),
         notes=["Limiar igual ao reservatório superior com moradores mensais,",
                "volumes de 0 a 2000 litros, gravado por um usuário americano."]),
    dict(name="limiar_acima_do_superior", start=datetime.date(2012, 9, 10), days=365,
         dem=(False, [150]), occ=(False, [4]), sup=(200, False), minrec=350,
         inf=(3000, 250, 2),
         notes=["Limiar acima do reservatório superior, volumes de 0 a 3000 litros."]),
    dict(name="superior_pela_demanda", start=datetime.date(2013, 6, 1), days=365,
         dem=(True, MONTHLY_DEMAND), occ=(False, [4]), sup=(0, True), minrec=50,
         inf=(4000, 200, 2),
         notes=["Reservatório superior do tamanho da demanda média diária (demanda mensal",
                "dividida por 30), limiar de 50 litros, volumes de 0 a 4000 litros."]),
    dict(name="suprimento_um_passo_acima_da_demanda", start=datetime.date(2012, 1, 1), days=365,
         dem=(False, [120.3]), occ=(False, [4]), sup=(178.35, False), minrec=35.67, inf=3000,
         notes=["Reservatório superior de 178,35 litros com limiar de 35,67 litros: em 19 dias",
                "as retiradas somam um passo de arredondamento acima da demanda (240,6 litros),",
                "dias em que a demanda é atendida completamente."]),
    dict(name="limite_de_passadas", start=datetime.date(2012, 10, 1), days=365,
         dem=(False, [150]), occ=(False, [4]), sup=(1, False), minrec=0.99, inf=150,
         notes=["Reservatório superior de 1 litro com limiar de 0,99 litro: cada passada",
                "entrega 0,01 litro e os dias com água no inferior param nas 10000 passadas."]),
]


def general(value, mark):
    """A number as the program's general format writes it: no trailing zeros."""
    if float(value) == int(value):
        return str(int(value))
    return repr(float(value)).replace(".", mark)


def record():
    with open(os.path.join(HERE, "..", "..", "..", RECORD), encoding="ascii") as f:
        return [float(line) for line in f.read().split()]


def case_lines(case, prec):
    first = (case["start"] - RECORD_START).days
    days = [p if p >= DISCARD else 0.0 for p in prec[first:first + case["days"]]]
    assert len(days) == case["days"] < 10000
    american = case.get("locale") == "en_US"
    mark = "." if american else ","
    g = lambda v: general(v, mark)
    date = "{d.month}/{d.day}/{d.year}".format(d=case["start"]) if american else case["start"].strftime("%d/%m/%Y")
    values = lambda monthly, vals: "{};{};".format(1 if monthly else 0, len(vals)) + "".join(
        g(v) + ";" for v in vals)
    sup, from_demand = case["sup"]
    inf = case["inf"]
    lines = [
        "Arquivo dados de precipitação;" + RECORD,
        "Dados de precipitação",
        "10000;0;{}".format(len(days)),
        "".join(g(p) + ";" for p in days),
        "Descarte precipitação;" + g(DISCARD),
        "Data inicial;" + date,
        "Área de captação (m²);100",
        "Demanda de água total;" + values(*case["dem"]),
        "Número de moradores;" + values(*case["occ"]),
        "Percentual de água potável a ser substituída por pluvial;" + g(0.5),
        "Coeficiente de escoamento superficial;" + g(0.8),
        "Reservatório superior (litros);{};{}".format(g(sup), -1 if from_demand else 0),
        "Limiar recalque (litros);" + g(case["minrec"]),
        "Observações (linhas);{}".format(len(case["notes"])),
    ]
    lines += case["notes"]
    if isinstance(inf, tuple):
        lines.append("Reservatório inferior (litros);" + ";".join(g(v) for v in inf))
    else:
        lines.append("Reservatório inferior (litros);" + g(inf))
    lines.append("")
    if "economics" in case:
        e = case["economics"]
        lines += section(inf, e["years"], e["month"], sup != 0 or from_demand, g)
    return lines + [""]


def main():
    prec = record()
    for case in CASES:
        folder = os.path.join(HERE, case.get("locale", ""))
        os.makedirs(folder, exist_ok=True)
        path = os.path.join(folder, case["name"] + ".csv")
        with open(path, "wb") as f:
            f.write("\r\n".join(case_lines(case, prec)).encode("cp1252") + b"\r\n")
        print("wrote", os.path.relpath(path))


if __name__ == "__main__":
    main()
