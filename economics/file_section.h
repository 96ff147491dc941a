#pragma once
// The economic section of a simulation file: what the user entered in the analysis, as
// ';'-separated lines after the marker "ANÁLISE ECONÔMICA". Results are never stored: opening
// the file recomputes them.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "common/locale_settings.h"
#include "economics/analysis_fields.h"

inline constexpr const char* kMarcadorAnalise = "ANÁLISE ECONÔMICA";

// A text that cannot be written into a field of the section (it would split the line).
bool TextoGravavel(std::string_view text);

// The section's lines, marker first. The sewer line is written when a sewer kind is chosen or
// a sewer value typed (without a kind it is billed, and saved, as "Variável"); the nine pump
// lines when the simulation uses an upper reservoir: `usaResSup`, which the reader is given
// too, comes from UsaReservatorioSuperior (economics/analysis_file.h) or from the upper
// reservoir dialog through the same rule (usesUpperReservoir, engine/upper_reservoir.h).
// Throws SecaoAnaliseError naming the field when a text holds ";" or a line break.
std::vector<std::string> LinhasSecaoAnalise(const TDadosAnalise& dados, bool usaResSup,
                                            const LocaleSettings& loc);

// Reads the section from lines[inicio] on (the line after the marker) into a new record, as
// the windows would hold it after the lines were typed into them: numeric fields, the pump
// power among them, have "," and "." replaced by the locale's decimal separator, the band list
// and the operating cost items are rebuilt as "Adicionar" builds them. The pump lines are
// taken when the simulation being read uses an upper reservoir, and wherever a "Quantidade"
// line comes before "Custos operacionais". A band "Adicionar" would refuse, and a schedule
// that does not end with "Acima de", are told in `avisos` (one message each, naming the file's
// line and the band) and the reading goes on without that band. A missing line, a missing
// field, a count that the lines do not hold or a number that does not read throws
// SecaoAnaliseError naming the file's line (counted from 1); nothing is returned then.
TDadosAnalise LeSecaoAnalise(const std::vector<std::string>& lines, std::size_t inicio, bool usaResSup,
                             const LocaleSettings& loc, std::vector<std::string>& avisos);
