#pragma once
// The file choices the windows offer, in the dialog seam's "caption|pattern|…" form.

#include <QString>

// The file choice of a precipitation record: records come as .txt or .csv, or with no
// extension at all. The first choice, the one the dialog opens on, shows both kinds.
inline const QString kFiltroPrecipitacao = QStringLiteral(
    "Dados de precipitação|*.txt *.csv|Arquivo CSV|*.csv|Arquivo de texto|*.txt|Todos os arquivos|*");

// The file choice of a weather station's daily file (INMET, ANA, NOAA, GHCN-Daily, dated CSV).
inline const QString kFiltroEstacao =
    QStringLiteral("Arquivos de estação|*.csv *.txt *.dly|Todos os arquivos|*");
