#pragma once
// The simulation engine: one rainwater-harvesting system simulated day by day
// (TCaptAgua), the simulations of one system for a range of lower-reservoir volumes
// (TCaptAguaInterval), and the files they are read from and written to.
//
// Units: precipitation in mm/day, area in m², volumes in litres (1 mm on 1 m² is 1 litre),
// demand in litres per person per day (a monthly demand is the household's litres per month),
// occupants in people, the substitution share as a fraction 0..1, results in % 0..100,
// monthly shares of days as fractions 0..1.

#include <array>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "common/arrays.h"
#include "common/locale_settings.h"
#include "common/tdate.h"

// The observation lines typed with a simulation. One list is shared by a simulation, its
// copies and the members of its sweep; it lives as long as its last holder.
using TObsList = std::vector<std::string>;
using TObsListRef = std::shared_ptr<TObsList>;

// A twelve-entry result indexed by calendar month, 1 (January) to 12 (December).
template <typename T>
struct MonthArray {
    std::array<T, 12> v{};
    T& operator[](int month) { return v[static_cast<std::size_t>(month - 1)]; }
    const T& operator[](int month) const { return v[static_cast<std::size_t>(month - 1)]; }
    void clear() { v.fill(T{}); }
    friend bool operator==(const MonthArray&, const MonthArray&) = default;
};

// Errors of the engine that the user must see (a series that cannot be run, a file that
// cannot be read); the message is in Portuguese.
class EngineError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Objects that can take over another object's contents.
class TAssignable {
  public:
    virtual ~TAssignable() = default;
    // Refuses a source of another kind with an EngineError, changing nothing.
    virtual void Assign(const TAssignable& source) = 0;
};

// The lines of a precipitation data file that are not numbers (a title, "abc", "20,3,5", an
// empty line): each is read as a day of 0 mm.
struct PrecUnreadLines {
    static constexpr std::size_t kListed = 10;
    std::size_t count = 0;           // how many
    std::vector<std::size_t> first;  // the first kListed of them, line numbers counted from 1
};

// The warning under the caption "Dados de precipitação" after a record of `days` daily values
// is read: fewer than 365 values, lines that are not numbers (how many and which), or both in
// one text. Empty when there is nothing to say.
std::string precDataWarning(std::size_t days, const PrecUnreadLines& unread, const LocaleSettings& loc);

class TCaptAgua : public TAssignable {
  public:
    // Inputs.
    std::string strArqPrec;        // where the series came from
    doubleArray vecDadosPrecOrig;  // mm/day as read, entry j is dateDadosPrec + j days
    doubleArray vecDadosPrec;      // the same after the first-flush discard (rebuilt by simula)
    TDate dateDadosPrec;
    double dblDescartPrec = 0;        // mm
    double dblAreaCapt = 0;           // m²
    doubleArray vecDemAguaPot;        // L/person/day, a repeating cycle (365-day table when monthly)
    doubleArray vecDemAguaPotMensal;  // 12 monthly totals, L/month
    bool boolDemAguaPotMensal = false;
    doubleArray vecNroMor;        // people, a repeating cycle like the demand
    doubleArray vecNroMorMensal;  // 12 monthly counts
    bool boolNroMorMensal = false;
    double dblPorcSubs = 0;      // fraction 0..1
    double dblCoefAprov = 0;     // runoff coefficient 0..1
    double dblResSup = 0;        // L, 0 = no upper reservoir
    double dblResSupMinRec = 0;  // L, pumping threshold
    bool flagResSupDem = false;  // upper reservoir sized from the demand
    double dblResInf = 0;        // L, lower reservoir
    TObsListRef strObs;          // shared, may be null

    // Results of simula.
    double dblEconPot = 0;                                                    // %
    MonthArray<double> vecPorcAtendTotal, vecPorcAtendParc, vecPorcNaoAtend;  // fractions
    MonthArray<double> vecContRec;                                            // pump cycles per day
    double dblPorcAtendTotal = 0, dblPorcAtendParc = 0, dblPorcNaoAtend = 0;  // %
    double dblVExtravMed = 0, dblConsPluvMed = 0, dblConsPotMed = 0;          // L/day
    MonthArray<double> vecVConsPluv, vecVConsPot, vecVRecalc, vecVExtrav;     // L/month
    MonthArray<std::int32_t> vecVMediaMensalCont;  // days of each month in the series

    TCaptAgua() = default;
    // Stores the inputs and computes nothing. With a monthly flag the vector holds the twelve
    // monthly values; the daily vector stays empty until simula expands it.
    TCaptAgua(doubleArray mVecDadosPrec, TDate mDateDadosPrec, double mDblDescartPrec, double mDblAreaCapt,
              doubleArray mVecDemAguaPot, bool mBoolDemAguaPotMensal, doubleArray mVecNroMor,
              bool mBoolNroMorMensal, double mDblPorcSubs, double mDblCoefAprov, double mDblResSup,
              double mDblResSupRec, double mDblResInf, TObsListRef mStrObs);

    // Copies the inputs (not strArqPrec, flagResSupDem nor any result); shares strObs.
    void Assign(const TAssignable& source) override;

    double meanDemAguaPot() const;  // L/person/day; a monthly demand counts 30 days a month
    double meanNroMor() const;      // people
    // The upper-reservoir volume sized from the demand, litres, as the main window computes
    // it: meanNroMor × meanDemAguaPot × dblPorcSubs.
    double resSupFromDemand() const;

    void fillDemAguaPot();  // vecDemAguaPot ← the 365-day table of the monthly demand
    void fillNroMor();      // vecNroMor ← the 365-day table of the monthly occupants

    // Reads the precipitation data file named by strArqPrec into vecDadosPrecOrig
    // (semicolons dropped, "," or "." as decimal mark, unreadable lines give 0) and returns
    // the lines that were not numbers. Throws FileError when the file cannot be read; the
    // series then stays as it was.
    PrecUnreadLines loadPrec(const LocaleSettings& loc);
    void descartPrec();  // vecDadosPrec ← vecDadosPrecOrig with days below the threshold at 0

    // The daily water balance over the whole series; fills every result.
    // Throws EngineError, before touching anything, when the series, the demand or the
    // occupants are empty or a monthly input does not hold twelve values.
    void simula();

    // Checks simula's preconditions without running; throws EngineError.
    void checkRunnable() const;
};

// Days of the months of the non-leap reference year, indexed 1..12: the 365-day tables and the
// nominal month lengths of the monthly results (February always 28).
inline constexpr int kReferenceMonthDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// The ideal-volume rule's gain of `cur` over `prev`: percentage points of the mean daily
// rainwater demand met per cubic metre of the `addedLitres` of volume between them, %/m³.
// 0 when there is nothing to divide by (no demand, no added volume).
double volumeGain(const TCaptAgua& cur, const TCaptAgua& prev, double addedLitres);
// The same gain over the volume actually added between the two members' lower reservoirs:
// the data sheet's and the results block's last column.
double memberGain(const TCaptAgua& cur, const TCaptAgua& prev);

// Shifts a 365-day table so that entry 0 is the calendar day of `start` (29 February takes
// the offset of 1 March).
void rotateToDate(doubleArray& table, TDate start);
// Day of the non-leap reference year of a date's month and day: 1 January is 0, 31 December 364.
int referenceDayOfYear(TDate date);

// A precipitation data file as loadPrec reads it, but keeping semicolons (a line holding
// one gives 0). Throws FileError when the file cannot be read.
doubleArray readPrecFile(const std::string& path, const LocaleSettings& loc);
// The same, telling which lines were not numbers.
doubleArray readPrecFile(const std::string& path, const LocaleSettings& loc, PrecUnreadLines& unread);
// One number per line, strictly in the locale's format. A missing file leaves `values` as it
// was; a line that does not convert (an empty one included) throws ConversionError naming the
// line ("Linha 3: 'abc' não é um número válido."), leaving `values` as it was.
void loadVecFile(const std::string& path, doubleArray& values, const LocaleSettings& loc);
// The reads above over a file's lines already in memory (readTextLines, decodeTextLines):
// loadPrec's when `dropSemicolons`, readPrecFile's otherwise; loadVecFile's returns the values.
doubleArray readPrecLines(const std::vector<std::string>& lines, bool dropSemicolons,
                          const LocaleSettings& loc, PrecUnreadLines& unread);
doubleArray readVecLines(const std::vector<std::string>& lines, const LocaleSettings& loc);

class TCaptAguaInterval {
  public:
    std::vector<std::unique_ptr<TCaptAgua>> vecCaptAgua;  // member 0 is the base simulation
    double volmax = 0;                                    // L, 0 when no sweep is set up
    double interval = 0;                                  // L
    double delta = 0;                                     // %/m³, 0 or less: no ideal volume wanted
    std::int32_t indVolOtimo = 0;

    TCaptAguaInterval();  // one empty member
    TCaptAguaInterval(doubleArray mVecArqPrec, TDate mDateDadosPrec, double mDblDescartPrec,
                      double mDblAreaCapt, doubleArray mVecDemAguaPot, bool mBoolDemAguaPotMensal,
                      doubleArray mVecNroMor, bool mBoolNroMorMensal, double mDblPorcSubs,
                      double mDblCoefAprov, double mDblResSup, double mDblResSupRec, TObsListRef mStrObs,
                      double mDblVolMax, double mDblInterv, double mDblDelta);
    virtual ~TCaptAguaInterval() = default;
    TCaptAguaInterval(const TCaptAguaInterval&) = delete;
    TCaptAguaInterval& operator=(const TCaptAguaInterval&) = delete;

    TCaptAgua& base() { return *vecCaptAgua[0]; }
    const TCaptAgua& base() const { return *vecCaptAgua[0]; }
    // A simulation (and its file) is a sweep when it has a maximum volume; one with none runs
    // the base system alone.
    bool isSweep() const { return volmax != 0; }

    // The sweep: member 0 at its own volume, then one member per multiple of interval up to
    // volmax, each an independent run of the base system; then the ideal-volume rule.
    // Throws EngineError, before any member is touched, when interval ≤ 0 or member 0
    // cannot run.
    void simula();
    void simVolOtimo();
    // The ideal-volume gain of member i ≥ 1 over member i − 1, in %/m³ (0 when the demand
    // term is 0).
    double gain(std::size_t i) const;
    // The member at the ideal volume, or nullptr when the last sweep sought none or found none
    // (a sweep names its ideal volume from member 1 on; indVolOtimo outside the members is none).
    const TCaptAgua* idealMember() const;

    // Writes the simulation file (inputs of member 0, sweep settings, economic lines,
    // results block). Throws FileError; a failed save leaves any existing file as it was.
    void saveSim(const std::string& path, const std::vector<std::string>& dataAnaliseEcon,
                 const LocaleSettings& loc) const;
    // The file's lines as saveSim writes them (UTF-8, without line ends).
    std::vector<std::string> simLines(const std::vector<std::string>& dataAnaliseEcon,
                                      const LocaleSettings& loc) const;
    // The results block: "RESULTADO DA SIMULAÇÃO" and what follows.
    std::vector<std::string> resultLines(const LocaleSettings& loc) const;

    // Reads a simulation file into this object, which must be freshly made. Throws
    // FileError, or EngineError naming the line, when the file is unreadable or malformed.
    // Returns a note for the user (Portuguese), empty when there is none: the start date
    // could be read in more than one order and the note says which date was taken.
    std::string loadSim(const std::string& path, const LocaleSettings& loc);
    std::string loadSimLines(const std::vector<std::string>& lines, const std::string& path,
                             const LocaleSettings& loc);
};

// The series lines of a simulation file: the header "C;F;L" (C = 10000 values per full line,
// F full lines, L values on the last line), the full lines and the last line (empty when L = 0).
std::vector<std::string> chunkVector(const doubleArray& values, const LocaleSettings& loc);
// Reads the series back from `lines` starting at the header line `first`; returns the values
// and sets `next` to the line after the last series line. Throws EngineError naming the line.
doubleArray unchunkVector(const std::vector<std::string>& lines, std::size_t first, std::size_t& next,
                          const LocaleSettings& loc);

// Loading a simulation file and running it as the program does after a load. The file is
// read once: its lines stay with the set for the sections other parts of the program read.
struct LoadedSimulation {
    std::unique_ptr<TCaptAguaInterval> sim;
    std::vector<std::string> lines;
    std::string dateNotice;  // which start date was taken when the file does not show the order
};
// Reads the file into a new set; throws FileError or EngineError as loadSim does.
LoadedSimulation readSimulationFile(const std::string& path, const LocaleSettings& loc);
// The same for a file's lines already in memory; `path` is what the set records as its source.
LoadedSimulation readSimulationLines(std::vector<std::string> lines, const std::string& path,
                                     const LocaleSettings& loc);
// Runs a loaded set: the demand-sized upper reservoir sized again from the loaded demand, then
// the sweep when the file gives a maximum volume, else the single volume. Throws EngineError.
void runLoadedSimulation(TCaptAguaInterval& sim);
// Both of the above.
LoadedSimulation loadAndRunSimulation(const std::string& path, const LocaleSettings& loc);

// The data sheet of a sweep: one row per member, the ideal-volume gain over the previous
// member in the last column (0 in row 0). The captions are the sheet's two-line headers.
struct SweepColumn {
    const char* line1;
    const char* line2;
    int decimals;  // shown on screen; the export writes every digit
};
inline constexpr int kSweepColumns = 9;
extern const SweepColumn kSweepTableColumns[kSweepColumns];
struct SweepTable {
    std::vector<std::array<double, kSweepColumns>> rows;
    int idealRow = -1;  // the row of the ideal volume, -1 when none
};
SweepTable buildSweepTable(const TCaptAguaInterval& sim);
// The sheet's export: the captions (each followed by ';', their two lines run together), then
// one line per row with every value in the general format, each followed by ';'.
std::vector<std::string> sweepTableCsv(const SweepTable& table, const LocaleSettings& loc);

// The month-by-month table of a simulation after simula: 14 rows (January … December,
// "Média", "Total ano") of 9 texts.
using MonthlyTable = std::array<std::array<std::string, 9>, 14>;
MonthlyTable buildMonthlyTable(const TCaptAgua& sim, const LocaleSettings& loc);
