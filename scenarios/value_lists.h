#pragma once
// The value lists of the scenario parameters and their texts. Each parameter's list is held by
// the scenario window as one line of text, its items each wrapped in "(" and ")" and joined
// by "; ": "(100); (200)". These functions format the items and the texts and read the texts
// back into the lists of a scenario set; they use no window.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/arrays.h"
#include "common/locale_settings.h"
#include "common/tdate.h"
#include "engine/upper_reservoir.h"

// One precipitation file of a scenario set: where it is, the date of its first day and the
// first-flush discard (mm).
struct dadosPrecRecord {
    std::string strDadosPrec;
    TDate dateDadosPrec;
    double dblDescartPrec = 0;
    friend bool operator==(const dadosPrecRecord&, const dadosPrecRecord&) = default;
};

// One upper-reservoir setting: the volume in litres (kResSupDemanda: sized to the mean daily
// rainwater demand; 0: none) and the pumping threshold as a fraction of that volume.
inline constexpr double kResSupDemanda = -1;
struct resSupRecord {
    double dblResSup = 0;
    double dblResSupRec = 0;
    UpperReservoirMode modo() const {
        if (dblResSup == kResSupDemanda) return UpperReservoirMode::FromDemand;
        return dblResSup != 0 ? UpperReservoirMode::ChosenVolume : UpperReservoirMode::None;
    }
    friend bool operator==(const resSupRecord&, const resSupRecord&) = default;
};
// The pumping threshold's rules (upperThresholdError) for an upper-reservoir item; nothing
// without an upper reservoir. A demand-sized volume is known only when the combination runs:
// the rule on the threshold's share holds for any positive volume, 1 L included.
std::optional<std::string> ErroLimiarResSup(const resSupRecord& r);

// One lower-reservoir setting: interv = 0 is the fixed volume volmax (litres); interv > 0 a
// sweep from 0 to volmax in steps of interv (litres) with the ideal-volume criterion delta
// (%/m³, 0 = none sought).
struct resInfRecord {
    double volmax = 0;
    double interv = 0;
    double delta = 0;
    // Written in the range form ("Intervalo de volumes: …"): with interv 0 it is still the fixed
    // volume volmax, but the batch says so.
    bool escritoComoFaixa = false;
    bool isSweep() const { return interv != 0; }
    // The same setting, however it was written.
    friend bool operator==(const resInfRecord& a, const resInfRecord& b) {
        return a.volmax == b.volmax && a.interv == b.interv && a.delta == b.delta;
    }
};

using dadosPrecRecordArray = std::vector<dadosPrecRecord>;
using resSupRecordArray = std::vector<resSupRecord>;
using resInfRecordArray = std::vector<resInfRecord>;

// The eight parameters, by their row in the scenario window's table (1 to 8).
inline constexpr int kLinhaArqPrec = 1, kLinhaAreaCapt = 2, kLinhaDemPot = 3, kLinhaNroMor = 4,
                     kLinhaPorcSubst = 5, kLinhaCoefAprov = 6, kLinhaResSup = 7, kLinhaResInf = 8;
inline constexpr int kNumParametros = 8;
// The label of row 1 to 8, as the table and the list dialog's caption show it.
const char* RotuloParametro(int linha);

// The item text of an upper reservoir sized to the demand.
inline constexpr const char* kDemandaPluvial = "Demanda diária de água pluvial";

// ---- Texts ----------------------------------------------------------------------------------

// The vector's values in the general format joined by "; " ("150; 120"); "" when empty.
std::string VectorToString(const doubleArray& vec, const LocaleSettings& loc);
// The value-list text of a dialog's items: "(a); (b)"; no items give "".
std::string TStringListToString(const std::vector<std::string>& itens);
// The item of the lower-reservoir range dialog, the three texts exactly as typed.
std::string ResInfToStr(std::string_view volMaximo, std::string_view intervalo, std::string_view diferenca);
// The item that "Adicionar" adds for a typed text: "Fixo: " before it for the lower reservoir.
std::string ItemAdicionado(int linha, std::string_view digitado);
// The item of the upper-reservoir dialog in scenario mode.
std::string ItemResSupDialogo(bool dimensionadoPelaDemanda, std::string_view volume,
                              std::string_view percentual);
// The item of the precipitation dialog: path | start date | discard.
std::string ItemDadosPrec(const dadosPrecRecord& d, const LocaleSettings& loc);

// Item forms of one value, as the list dialog shows them.
std::string ItemNumero(double v, const LocaleSettings& loc);
std::string ItemResSup(const resSupRecord& r, const LocaleSettings& loc);
std::string ItemResInf(const resInfRecord& r, const LocaleSettings& loc);

// The dialog's items for row `linha`'s value-list text: the text read with the row's parser
// and each value written back in its item form. Throws ScenarioError like the parsers.
std::vector<std::string> ItensDaLinha(int linha, std::string_view texto, const LocaleSettings& loc);
// The same for a text written under another locale (`lido`, a definition file saved elsewhere):
// the items in the forms of `loc`.
std::vector<std::string> ItensDaLinha(int linha, std::string_view texto, const LocaleSettings& lido,
                                      const LocaleSettings& loc);

// The items of row `linha`'s text that read, each in its item form, and one message per item
// that does not ("Item 2 (\"abc\"): …"), for a list dialog reopened on a text that does not
// read whole.
struct ItensLidos {
    std::vector<std::string> itens;
    std::vector<std::string> erros;
};
ItensLidos ItensLegiveisDaLinha(int linha, std::string_view texto, const LocaleSettings& loc);
// Why one item of row `linha`, in its item form, does not read; nothing when it reads.
std::optional<std::string> ErroDeLeituraDoItem(int linha, std::string_view item, const LocaleSettings& loc);

// A precipitation file path that the value-list text can carry: without "(", ")", ";" or " | ".
bool CaminhoPrecRepresentavel(std::string_view caminho);

// ---- The list dialog's item operations ------------------------------------------------------

// "Concluir": a later item with the same text as an earlier one goes; first occurrences stay.
void RemoveRepetidos(std::vector<std::string>& itens);
// Sort: ascending as text ("10" before "9"), letters without regard to case ("a.txt",
// "B.txt"); texts alike but for case keep capitals first.
void OrdenaItens(std::vector<std::string>& itens);
// An item added to a sorted list goes to its sorted place.
void InsereOrdenado(std::vector<std::string>& itens, std::string item);

// ---- Parsers --------------------------------------------------------------------------------
// Each splits the text at the delimiter, drops empty pieces and reads one value per piece.
// Numbers are in the locale's format (surrounding blanks allowed), dates in its short date
// pattern. A piece that does not read throws ScenarioError naming the item (counted from 1)
// and what is wrong; nothing is returned then.

dadosPrecRecordArray StrToDadosPrec(std::string_view texto, char delimitador, const LocaleSettings& loc);
doubleArray StrToVector(std::string_view texto, char delimitador, const LocaleSettings& loc);
doubleArrayArray StrToVectorArray(std::string_view texto, char delimitador, const LocaleSettings& loc);
resSupRecordArray StrToResSup(std::string_view texto, char delimitador, const LocaleSettings& loc);
resInfRecordArray StrToResInf(std::string_view texto, const LocaleSettings& loc);

// The delimiter a row's text is read with by a run: ";" for rows 1 and 7, ")" for rows 2 to 6.
char DelimitadorDaLinha(int linha);
