#pragma once
// One rainwater-harvesting system simulated day by day (TCaptAgua).
//
// Units: precipitation in mm/day, area in m², volumes in litres (1 mm on 1 m² is 1 litre),
// demand in litres per person per day (a monthly demand is the household's litres per month),
// occupants in people, the substitution share as a fraction 0..1, results in % 0..100,
// monthly shares of days as fractions 0..1.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/arrays.h"
#include "common/locale_settings.h"
#include "common/tdate.h"
#include "engine/assignable.h"
#include "engine/engine_error.h"
#include "engine/month_array.h"
#include "engine/precipitation_file.h"
#include "engine/reference_year.h"

// The observation lines typed with a simulation. One list is shared by a simulation, its
// copies and the members of its sweep; it lives as long as its last holder.
using TObsList = std::vector<std::string>;
using TObsListRef = std::shared_ptr<TObsList>;

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
    // it: meanNroMor × meanDemAguaPot × dblPorcSubs (demandSizedUpperVolume).
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

// The ideal-volume rule's gain of `cur` over `prev`: percentage points of the mean daily
// rainwater demand met per cubic metre of the `addedLitres` of volume between them, %/m³.
// 0 when there is nothing to divide by (no demand, no added volume).
double volumeGain(const TCaptAgua& cur, const TCaptAgua& prev, double addedLitres);
// The same gain over the volume actually added between the two members' lower reservoirs:
// the data sheet's and the results block's last column.
double memberGain(const TCaptAgua& cur, const TCaptAgua& prev);
