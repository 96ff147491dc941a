#pragma once
// The scenario definition file: the eight value-list texts of the scenario table, one line
// each in row order (precipitation files first, lower reservoirs last). The window's
// "Salvar cenários" and "Abrir cenários" and the command-line batch read and write it here.

#include <string>
#include <vector>

#include "common/locale_settings.h"
#include "scenarios/combs.h"

struct DefinicaoCenarios {
    TextosCenarios textos;  // as written in the file
    std::string pasta;      // the file's folder: where relative precipitation paths are found
};

// Reads a definition file like every text file of the program (a UTF-8 or UTF-16 byte-order
// mark honoured, otherwise Windows-1252; CR LF or LF). It must hold exactly eight lines (empty
// lines after the eighth are ignored), each a non-empty value-list text that its row's parser
// reads. Throws FileError when the file cannot be read and ScenarioError naming the line, the
// parameter and the item when a line is wrong; nothing is returned then.
DefinicaoCenarios LeDefinicaoCenarios(const std::string& path, const LocaleSettings& loc);
// The same for the file's lines already in memory; `path` names the file in the errors and
// gives the folder.
DefinicaoCenarios LeDefinicaoCenariosLinhas(std::vector<std::string> linhas, const std::string& path,
                                            const LocaleSettings& loc);

// Writes the eight texts (Windows-1252, CR LF, replacing the file only once it is whole).
// Throws ScenarioError, writing nothing, when a text holds a line break or a character
// Windows-1252 cannot keep; FileError when the file cannot be written.
void GravaDefinicaoCenarios(const std::string& path, const TextosCenarios& textos);

// A scenario set with the definition's lists, its relative paths found in the file's folder.
// The table is not built yet (geraCombs).
TCombs CombsDaDefinicao(const DefinicaoCenarios& def, const LocaleSettings& loc);
