#pragma once
// The file choices the windows offer, in the dialog seam's "caption|pattern|…" form.

#include <QString>

// The file choice of a precipitation record: records come as .txt or .csv, or with no
// extension at all. The first choice, the one the dialog opens on, shows both kinds.
inline const QString kFiltroPrecipitacao = QStringLiteral(
    "Dados de precipitação|*.txt *.csv|Arquivo CSV|*.csv|Arquivo de texto|*.txt|Todos os arquivos|*");
