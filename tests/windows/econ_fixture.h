#pragma once
// What the economic window tests share: the household of the engine's tests as the main
// window's simulation, with or without an upper reservoir, and the analysis filled in as a
// user would leave it.

#include <QComboBox>
#include <QLineEdit>

#include "components/radio_group.h"
#include "tests/support/systems.h"
#include "windows/economics/form_analise.h"
#include "windows/economics/form_custo_motobomba.h"
#include "windows/economics/form_tarifas_agua.h"
#include "windows/main/form_main.h"
#include "windows/main/form_res_sup.h"

namespace econtest {

// The main window holds the household; with `resSup` it pumps to a 300-litre upper reservoir.
inline void household(bool resSup) {
    formMain->simMain = testsys::household(800, 5000);
    if (resSup) {
        formMain->simMain->base().dblResSup = 300;
        formMain->simMain->base().dblResSupMinRec = 100;
    }
    formResSup->RGResSup->setItemIndex(resSup ? TformResSup::ItemVolume : TformResSup::ItemSemReservatorio);
    if (resSup) {
        // The dialog shows the volume the simulation holds (a chosen 0 L is no upper reservoir).
        formResSup->ed_reservatorio_sup->setText(QStringLiteral("300"));
        formResSup->edResSupRec->setText(QStringLiteral("100"));
    }
}

// Three bands (below 10 m³ a flat R$ 20, 10 to 20 m³ at 3, above 20 m³ at 5) and a sewer
// charge of 80 % of the water tariff, typed into the tariff window.
inline void tariffs() {
    TformTarifasAgua& t = *formTarifasAgua;
    t.edVol1->setText(QStringLiteral("10"));
    t.edCusto->setText(QStringLiteral("20"));
    t.BTAdicionar->click();
    t.edVol2->setText(QStringLiteral("20"));
    t.edCusto->setText(QStringLiteral("3"));
    t.BTAdicionar->click();
    t.CBVolume->setCurrentIndex(1);
    t.CBVolumeChange();
    t.edCusto->setText(QStringLiteral("5"));
    t.BTAdicionar->click();
    t.RGTarEsgoto->setItemIndex(1);
    t.edTarEsgoto->setText(QStringLiteral("80"));
}

// The settings of the analysis window and an initial cost.
inline void settings(const QString& years, int mesIn = 0) {
    TformAnalise& a = *formAnalise;
    a.edInflacao->setText(QStringLiteral("0,5"));
    a.edPeriodoAumento->setText(QStringLiteral("12"));
    a.edPeriodoAnalise->setText(years);
    a.edTMA->setText(QStringLiteral("1"));
    a.CBMesIn->setCurrentIndex(mesIn);
}

// A complete pump window, concluded.
inline void pump() {
    TformCustoMotobomba& m = *formCustoMotobomba;
    m.edPotencia->setText(QStringLiteral("1/2"));
    m.CBPotUnid->setCurrentIndex(0);
    m.edRendimento->setText(QStringLiteral("60"));
    m.edVazao->setText(QStringLiteral("1500"));
    m.edTempoPartida->setText(QStringLiteral("10"));
    m.edCusto->setText(QStringLiteral("450"));
    m.edTarifaEn->setText(QStringLiteral("0,6"));
    m.BTConcluir->click();  // the taxes left empty become "0"
}

// The analysis started at 5000 litres, as "Definir tarifas de água e esgoto" starts it.
inline void startAnalysis(bool resSup) {
    household(resSup);
    formAnalise->defineVolume(QStringLiteral("5000"));
    formAnalise->simulaCaptAgua();
}

}  // namespace econtest
