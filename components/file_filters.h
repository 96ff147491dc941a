#pragma once
// The file choices the windows offer, in the dialog seam's "caption|pattern|…" form.

#include <QString>

// The file choice of a precipitation record: records come as .csv or .txt, or with no
// extension at all.
inline const QString kFiltroPrecipitacao =
    QStringLiteral("Arquivo CSV|*.csv|Arquivo de texto|*.txt|Todos os arquivos|*");
