#pragma once
// The simulations of one system for a range of lower-reservoir volumes (TCaptAguaInterval),
// and the simulation files they are read from and written to.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/capt_agua.h"

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
    // A set is a sweep when it has a maximum volume or a step between volumes (setSweep, or a
    // file that gives them); one with neither runs the base system alone (setSingle).
    bool isSweep() const { return volmax != 0 || interval != 0; }
    // Makes this set a sweep from 0 to `maxVolume` litres in steps of `step` litres, seeking the
    // ideal volume at a gain of `minGain` %/m³ (0 or less seeks none). Member 0 is the system
    // without a lower reservoir; simula makes the other members.
    void setSweep(double maxVolume, double step, double minGain);
    // Makes this set the base system alone, with a lower reservoir of `volume` litres: an
    // earlier sweep's members and settings are dropped, so a save writes this one volume.
    void setSingle(double volume);
    // Runs what the set is: the sweep, or the base system alone. Throws EngineError.
    // A sweep's members may run on up to `jobs` threads (the windows run one); the figures
    // are the same whatever the count.
    void run(int jobs = 1);

    // The sweep: member 0 at its own volume, then one member per multiple of interval up to
    // volmax, each an independent run of the base system; then the ideal-volume rule.
    // Throws EngineError, before any member is touched, when interval ≤ 0 or member 0
    // cannot run. `jobs` as for run.
    void simula(int jobs = 1);
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
