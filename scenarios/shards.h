#pragma once
// A scenario study split into parts run apart (on other machines, at other times) and joined
// afterwards. Part K of N is the K-th of N contiguous blocks of the combination order; its run
// writes the block's simulation files under their numbers in the whole study and its sheet
// lines to a part file; joining checks that the parts are whole and of one study and writes the
// sheet, the same bytes as a run of the whole study writes.
//
// Part file "Planilha.parte-K-de-N.csv" (Windows-1252, CR LF, like the sheet): line 1 says what
// the part was made from,
//   Parte da planilha de cenários;definição=HASH;parte=K;partes=N;total=T
// (HASH: ImpressaoDefinicao of the definition, T: the study's combinations), then the block's
// sheet lines in combination order, as the sheet has them.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/locale_settings.h"
#include "scenarios/combs.h"
#include "scenarios/result_rows.h"
#include "scenarios/scenario_definition.h"

// The combinations inicio … fim − 1 of a part.
struct BlocoCombinacoes {
    std::int32_t inicio = 0;
    std::int32_t fim = 0;
};

// Part k of n (1 ≤ k ≤ n) of `total` combinations: blocks whose sizes differ by at most one,
// the earlier ones the larger. A part past the last combination is empty.
BlocoCombinacoes BlocoDaParte(std::int32_t total, std::int32_t k, std::int32_t n);

// "Planilha.parte-K-de-N.csv".
std::string NomeParte(std::int32_t k, std::int32_t n);

// What a part records of its definition: 16 hexadecimal digits of the 64-bit FNV-1a hash of the
// eight value-list texts as read (each followed by a line feed) and of the header naming the
// decimal mark and date pattern the files are written in. The same definition file read in the
// same locale gives the same text on any machine, whatever its line ends.
std::string ImpressaoDefinicao(const DefinicaoCenarios& def, const LocaleSettings& loc);

// Part k of n of the study: the block's simulation files in `pasta`, then its part file.
// Returns how many combinations of the block were written without a gap; the part file is
// written only when all were (a stop by `progresso` writes none). The files appear together, as
// ExportaPlanilhaESimulacoes writes them: a failure leaves the folder as it was.
std::int32_t ExportaParte(const TCombs& combs, const std::string& pasta, const LocaleSettings& loc,
                          const std::string& impressao, std::int32_t k, std::int32_t n,
                          const ProgressoCenarios& progresso = {}, int tarefas = 1);

// A part file read: what its first line says and its sheet lines (UTF-8).
struct ParteDaPlanilha {
    std::string nome;       // the file's name, for the messages
    std::string impressao;  // the definition's ImpressaoDefinicao
    std::int32_t k = 0, n = 0, total = 0;
    std::vector<std::string> linhas;
};
// Reads a part file's bytes; a file that is not a part (its first line not as above, a number
// that is not a whole number from 0 to kMaxCombinacoes) throws ScenarioError naming `nome`.
// Whether the part fits its study is JuntaPartes's to check.
ParteDaPlanilha LeParte(std::string_view bytes, const std::string& nome);

// Joins the parts in `pasta`: every part of one n made from the definition `impressao`, with
// `total` combinations, must be there; then Planilha.csv is written (the bytes a whole run
// writes) and the parts are removed. A part from another definition or of another n, a part
// number outside 1 … n, a missing part or a part that does not hold its block throws
// ScenarioError naming it, and nothing is written or removed. Returns the number of parts.
std::int32_t JuntaPartes(const std::string& pasta, const std::string& impressao, std::int32_t total);
