#include <algorithm>
#include <cmath>
#include <exception>
#include <string>
#include <thread>

#include "engine/balance_lanes.h"
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

// A thread is worth starting for this many members at least: fewer finish sooner on one.
constexpr std::size_t kMembersPerThread = 64;
// Threads take whole groups of members, so that each part keeps the vector passes full.
constexpr std::size_t kMemberGroup = balance::lanes::kPad;

void runMembers(const TCaptAgua& base, TCaptAgua* const* members, std::size_t count) {
    if (base.dblResSup > 0) {
        balance::runSweepWithUpper(base, members, count);
    } else {
        balance::runWithoutUpper(base, members, count);
    }
}

// The members split into up to `jobs` contiguous parts, each run on its own thread (the first
// on this one). Each member is an independent run, so the split changes no figure.
void runMembersOn(int jobs, const TCaptAgua& base, std::vector<TCaptAgua*>& members) {
    const std::size_t n = members.size();
    const std::size_t parts =
        std::clamp<std::size_t>(n / kMembersPerThread, 1, static_cast<std::size_t>(std::max(jobs, 1)));
    const std::size_t groups = (n + kMemberGroup - 1) / kMemberGroup;
    const std::size_t perPart = (groups + parts - 1) / parts * kMemberGroup;
    std::vector<std::thread> threads;
    std::vector<std::exception_ptr> failures(parts);
    for (std::size_t part = 1; part < parts; ++part) {
        const std::size_t first = std::min(n, part * perPart);
        const std::size_t count = std::min(n - first, perPart);
        threads.emplace_back([&, part, first, count] {
            try {
                runMembers(base, members.data() + first, count);
            } catch (...) {
                failures[part] = std::current_exception();
            }
        });
    }
    try {
        runMembers(base, members.data(), std::min(n, perPart));
    } catch (...) {
        failures[0] = std::current_exception();
    }
    for (auto& t : threads) t.join();
    for (const auto& f : failures) {
        if (f) std::rethrow_exception(f);
    }
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

void TCaptAguaInterval::simula(int jobs) {
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
    runMembersOn(jobs, base, members);

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

void TCaptAguaInterval::run(int jobs) {
    if (isSweep()) {
        simula(jobs);
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
