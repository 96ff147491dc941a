#include <cmath>
#include <string>

#include "engine/balance_run.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/engine_error.h"

namespace {

// A sweep bigger than this is a typing mistake in the step or the maximum, not a study:
// it would take hours and gigabytes.
constexpr double kMaxSweepMembers = 100000;

// Member i of a sweep: the base system's inputs at another lower-reservoir volume. The series
// is left out: the members run on the base's prepared series and keep only their results.
std::unique_ptr<TCaptAgua> makeMember(const TCaptAgua& base, double resInf) {
    return std::make_unique<TCaptAgua>(
        doubleArray{}, base.dateDadosPrec, base.dblDescartPrec, base.dblAreaCapt,
        base.boolDemAguaPotMensal ? base.vecDemAguaPotMensal : base.vecDemAguaPot, base.boolDemAguaPotMensal,
        base.boolNroMorMensal ? base.vecNroMorMensal : base.vecNroMor, base.boolNroMorMensal,
        base.dblPorcSubs, base.dblCoefAprov, base.dblResSup, base.dblResSupMinRec, resInf, base.strObs);
}

}  // namespace

TCaptAguaInterval::TCaptAguaInterval() {
    vecCaptAgua.push_back(std::make_unique<TCaptAgua>());
}

TCaptAguaInterval::TCaptAguaInterval(doubleArray mVecArqPrec, TDate mDateDadosPrec, double mDblDescartPrec,
                                     double mDblAreaCapt, doubleArray mVecDemAguaPot,
                                     bool mBoolDemAguaPotMensal, doubleArray mVecNroMor,
                                     bool mBoolNroMorMensal, double mDblPorcSubs, double mDblCoefAprov,
                                     double mDblResSup, double mDblResSupRec, TObsListRef mStrObs,
                                     double mDblVolMax, double mDblInterv, double mDblDelta)
    : volmax(mDblVolMax), interval(mDblInterv), delta(mDblDelta) {
    vecCaptAgua.push_back(std::make_unique<TCaptAgua>(
        std::move(mVecArqPrec), mDateDadosPrec, mDblDescartPrec, mDblAreaCapt, std::move(mVecDemAguaPot),
        mBoolDemAguaPotMensal, std::move(mVecNroMor), mBoolNroMorMensal, mDblPorcSubs, mDblCoefAprov,
        mDblResSup, mDblResSupRec, 0.0, std::move(mStrObs)));
}

void TCaptAguaInterval::simula() {
    if (!(interval > 0)) {
        throw EngineError("O intervalo entre volumes deve ser maior que zero.");
    }
    const double quotient = std::floor(volmax / interval);
    if (!(quotient <= kMaxSweepMembers)) {
        throw EngineError("O volume máximo e o intervalo entre volumes resultam em mais de " +
                          std::to_string(static_cast<int>(kMaxSweepMembers)) +
                          " volumes: aumente o intervalo ou reduza o volume máximo.");
    }
    TCaptAgua& base = *vecCaptAgua[0];
    base.checkRunnable();
    const auto n = quotient > 0 ? static_cast<std::size_t>(quotient) : std::size_t{0};

    vecCaptAgua.resize(1);
    base.simula();
    vecCaptAgua.reserve(n + 1);

    // The members share passes over the base's prepared series.
    std::vector<TCaptAgua*> members;
    members.reserve(n);
    for (std::size_t i = 1; i <= n; ++i) {
        vecCaptAgua.push_back(makeMember(base, static_cast<double>(i) * interval));
        TCaptAgua& m = *vecCaptAgua.back();
        // What the member's own preparation would have left: the expanded daily tables.
        m.vecDemAguaPot = base.vecDemAguaPot;
        m.vecNroMor = base.vecNroMor;
        members.push_back(&m);
    }
    if (base.dblResSup > 0) {
        balance::runSweepWithUpper(base, members.data(), members.size());
    } else {
        balance::runWithoutUpper(base, members.data(), members.size());
    }

    if (delta > 0) {
        simVolOtimo();
    } else {
        indVolOtimo = -1;
    }
}

void TCaptAguaInterval::setSweep(double maxVolume, double step, double minGain) {
    volmax = maxVolume;
    interval = step;
    delta = minGain;
    indVolOtimo = -1;
    base().dblResInf = 0;
}

void TCaptAguaInterval::setSingle(double volume) {
    vecCaptAgua.resize(1);
    volmax = 0;
    interval = 0;
    delta = 0;
    indVolOtimo = -1;
    base().dblResInf = volume;
}

void TCaptAguaInterval::run() {
    if (isSweep()) {
        simula();
    } else {
        base().simula();
    }
}

double volumeGain(const TCaptAgua& cur, const TCaptAgua& prev, double addedLitres) {
    const double dm = arrayMean(cur.vecDemAguaPot) * arrayMean(cur.vecNroMor) * cur.dblPorcSubs;
    // Without demand there is nothing to gain: 0, so the first volume qualifies.
    if (dm == 0 || addedLitres == 0) return 0;
    return 100 * (cur.dblConsPluvMed - prev.dblConsPluvMed) / dm / (addedLitres / 1000);
}

double memberGain(const TCaptAgua& cur, const TCaptAgua& prev) {
    return volumeGain(cur, prev, cur.dblResInf - prev.dblResInf);
}

double TCaptAguaInterval::gain(std::size_t i) const {
    return volumeGain(*vecCaptAgua[i], *vecCaptAgua[i - 1], interval);
}

void TCaptAguaInterval::simVolOtimo() {
    indVolOtimo = -1;
    for (std::size_t i = 1; i < vecCaptAgua.size(); ++i) {
        if (!(gain(i) > delta)) {
            indVolOtimo = static_cast<std::int32_t>(i);
            return;
        }
    }
}

const TCaptAgua* TCaptAguaInterval::idealMember() const {
    if (indVolOtimo < 1 || static_cast<std::size_t>(indVolOtimo) >= vecCaptAgua.size()) return nullptr;
    return vecCaptAgua[static_cast<std::size_t>(indVolOtimo)].get();
}
