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

// The first line the program writes: how the file's numbers and dates are written, its decimal
// mark and its date pattern: "Definição de cenários;decimal=,;data=dd/MM/yyyy".
inline constexpr const char* kCabecalhoDefinicao = "Definição de cenários";
std::string CabecalhoDefinicao(const LocaleSettings& loc);

// Reads a definition file like every text file of the program (see common/textfile.h; CR LF or
// LF). After the header it must hold exactly eight lines (empty lines after the eighth are
// ignored), each a non-empty value-list text that its row's parser reads, strictly in the forms
// the header names; a file without the header (written by earlier versions) is read in `loc`.
// The texts come back in the forms of `loc`. Throws FileError when the file cannot be read and
// ScenarioError naming the line, the parameter and the item when a line is wrong; nothing is
// returned then.
DefinicaoCenarios LeDefinicaoCenarios(const std::string& path, const LocaleSettings& loc);
// The same for the file's lines already in memory; `path` names the file in the errors and
// gives the folder.
DefinicaoCenarios LeDefinicaoCenariosLinhas(std::vector<std::string> linhas, const std::string& path,
                                            const LocaleSettings& loc);

// Writes the header of `loc` (the forms the texts are in), then the eight texts (Windows-1252,
// CR LF, replacing the file only once it is whole).
// Throws ScenarioError, writing nothing, when a text holds a line break or a character
// Windows-1252 cannot keep; FileError when the file cannot be written.
void GravaDefinicaoCenarios(const std::string& path, const TextosCenarios& textos, const LocaleSettings& loc);

// A scenario set with the definition's lists, its relative paths found in the file's folder.
// The table is not built yet (geraCombs).
TCombs CombsDaDefinicao(const DefinicaoCenarios& def, const LocaleSettings& loc);
