// Station files of the weather services (INMET, ANA, GHCN-Daily, NOAA, dated CSV) imported into
// a precipitation record. Byte 0: the locale. Byte 1: the format (low bits modulo 6: detected,
// INMET, ANA, GHCN, NOAA, CSV), the gap policy (bits 3-4 modulo 3) and inches (bit 7). The rest:
// the file's bytes.

#include <cstddef>
#include <cstdint>

#include "common/textfile.h"
#include "engine/precipitation_file.h"
#include "fuzz/fuzz_support.h"
#include "import/station_import.h"

namespace {

constexpr FormatoEstacao kFormats[] = {FormatoEstacao::Inmet, FormatoEstacao::Ana, FormatoEstacao::Ghcn,
                                       FormatoEstacao::Noaa, FormatoEstacao::Csv};

ImportOptions optionsOf(std::uint8_t byte) {
    ImportOptions o;
    if (byte % 6 != 0) o.formato = kFormats[byte % 6 - 1];
    o.lacunas = static_cast<PoliticaLacunas>((byte >> 3) % 3);
    if (byte & 0x80) o.unidade = UnidadeChuva::Polegadas;
    return o;
}

// What every record must be: one line per day of its span, the gaps inside the source's span
// and counted as reported, the policy kept, the lines read back by the program as its values.
void checkRecord(const RegistroImportado& r, const ImportOptions& o, const LocaleSettings& loc) {
    const RelatorioImportacao& rel = r.relatorio;
    fuzz::require(rel.dias == r.linhas.size() && rel.dias == r.valores.size() && rel.dias > 0,
                  "one line per day");
    fuzz::require(rel.fim - rel.inicio + 1 == static_cast<std::int64_t>(rel.dias),
                  "the span is the days written");
    std::size_t missing = 0;
    for (std::size_t k = 0; k < rel.lacunas.size(); ++k) {
        fuzz::require(rel.lacunas[k].inicio <= rel.lacunas[k].fim, "a gap runs forward");
        fuzz::require(k == 0 || rel.lacunas[k].inicio > rel.lacunas[k - 1].fim.addDays(1),
                      "gaps apart and in order");
        missing += static_cast<std::size_t>(rel.lacunas[k].fim - rel.lacunas[k].inicio + 1);
    }
    fuzz::require(missing == rel.faltantes, "the gaps hold the missing days");
    fuzz::require(o.lacunas != PoliticaLacunas::Recusar || rel.faltantes == 0, "refuse writes no gap");
    fuzz::require(o.lacunas != PoliticaLacunas::MaisLonga || rel.preenchidos == 0,
                  "the longest run has no gap");
    fuzz::require(o.lacunas != PoliticaLacunas::Zerar || rel.preenchidos == rel.faltantes,
                  "every gap filled");
    PrecUnreadLines unread;
    const doubleArray read = readPrecLines(r.linhas, true, loc, unread);
    fuzz::require(unread.count == 0, "every line is a number");
    for (std::size_t i = 0; i < read.size(); ++i) {
        fuzz::require(read[i] == r.valores[i] && read[i] >= 0, "a line reads back as its value");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const LocaleSettings loc = fuzz::localeOf(data[0] & 0x7F);
    const ImportOptions o = optionsOf(data[1]);
    const std::vector<std::string> lines = decodeTextLines(fuzz::rest(data, size, 2));
    try {
        const RegistroImportado r = importStationLines(lines, o, loc);
        checkRecord(r, o, loc);
        fuzz::require(!reportLines(r.relatorio, loc).empty(), "a report");
        // The format detected, given by name, reads the same record.
        if (!o.formato) {
            ImportOptions named = o;
            named.formato = r.relatorio.formato;
            fuzz::require(importStationLines(lines, named, loc).linhas == r.linhas,
                          "detected format reads alike");
        }
    } catch (const ImportError&) {
        // A file refused with a message is an expected outcome.
    }
    return 0;
}
