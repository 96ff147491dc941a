// The scenario windows with examples/cenarios-seattle.txt opened and run: the scenario table,
// its list dialog and the dialogs that add items to it, the results grid, a row opened in the
// sweep chart, the comparative chart's choices, its curves and its results window.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "components/radio_group.h"
#include "tools/shots.h"
#include "windows/main/form_main.h"
#include "windows/main/form_res_sup.h"
#include "windows/results/form_grafico.h"
#include "windows/results/form_grafico_vextravasado.h"
#include "windows/scenarios/form_cenarios_dados.h"
#include "windows/scenarios/form_cenarios_dados_res_inf.h"
#include "windows/scenarios/form_dados_prec.h"
#include "windows/scenarios/form_sim_cenarios.h"
#include "windows/scenarios/form_sim_cenarios_grafico.h"
#include "windows/scenarios/form_sim_cenarios_grid.h"

namespace {

void openDefinition(Shots& shots) {
    formMain->MenuSimCenariosClick();
    shots.ui.expectOpenFile(Shots::example(QStringLiteral("cenarios-seattle.txt")));
    formSimCenarios->BTAbrirCenariosClick();
    formSimCenarios->resize(900, formSimCenarios->height());
    shots.show(formSimCenarios, QStringLiteral("cenarios.png"));
}

// Row 1 with its precipitation dialog, row 7 with the upper reservoir in its scenario mode,
// row 8 with the lower-reservoir range dialog; each list dialog is left with "Cancel".
void shootListDialogs(Shots& shots) {
    shots.expectModalShot(
        QStringLiteral("formCenariosDados"), QStringLiteral("cenarios-lista-precipitacao.png"),
        QDialog::Rejected, [&shots](QDialog* dialog) {
            shots.expectModalShot(
                QStringLiteral("formDadosPrec"), QStringLiteral("cenarios-dados-precipitacao.png"),
                QDialog::Rejected, [](QDialog* d) {
                    auto* prec = static_cast<TformDadosPrec*>(d);
                    prec->edCaminho->setText(Shots::example(QStringLiteral("seattle-2012-2015.txt")));
                    prec->edDataInicial->setText(QStringLiteral("01/01/2012"));
                    prec->edDescartPrec->setText(QStringLiteral("2"));
                });
            static_cast<TformCenariosDados*>(dialog)->btCarregarClick();
        });
    formSimCenarios->StringGrid1Click(1);
    shots.expectModalShot(QStringLiteral("formCenariosDados"),
                          QStringLiteral("cenarios-lista-reservatorio-superior.png"), QDialog::Rejected,
                          [&shots](QDialog* dialog) {
                              shots.expectModalShot(QStringLiteral("formResSup"),
                                                    QStringLiteral("cenarios-reservatorio-superior.png"),
                                                    QDialog::Rejected, [](QDialog* d) {
                                                        auto* r = static_cast<TformResSup*>(d);
                                                        r->RGResSup->setItemIndex(TformResSup::ItemDemanda);
                                                        r->edPercResSupRec->setText(QStringLiteral("50"));
                                                    });
                              static_cast<TformCenariosDados*>(dialog)->btResSupClick();
                          });
    formSimCenarios->StringGrid1Click(7);
    shots.expectModalShot(QStringLiteral("formCenariosDados"), QStringLiteral("cenarios-lista.png"),
                          QDialog::Rejected, [&shots](QDialog* dialog) {
                              shots.expectModalShot(QStringLiteral("formCenariosDadosResInf"),
                                                    QStringLiteral("cenarios-faixa-volumes.png"),
                                                    QDialog::Rejected, [](QDialog* d) {
                                                        auto* r = static_cast<TformCenariosDadosResInf*>(d);
                                                        r->EdVolMaximo->setText(QStringLiteral("20000"));
                                                        r->EdIntervaloVols->setText(QStringLiteral("1000"));
                                                        r->EdDiferenca->setText(QStringLiteral("2"));
                                                    });
                              static_cast<TformCenariosDados*>(dialog)->btIntervlResInfClick();
                          });
    formSimCenarios->StringGrid1Click(8);
}

void shootResults(Shots& shots) {
    formSimCenarios->BTSimularClick();
    formSimCenariosGrid->resize(1900, 580);
    shots.show(formSimCenariosGrid, QStringLiteral("cenarios-resultado.png"));
    // Row 2 holds a range: the sweep chart shows that sweep.
    formSimCenariosGrid->NxGrResultCellClick(0, 1);
    formGrafico->resize(900, 620);
    shots.show(formGrafico, QStringLiteral("cenarios-grafico-linha.png"));
    formGrafico->close();
}

void listItems(const QString& what, const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    Shots::report(what, items.join(QStringLiteral(" / ")));
}

// Substitution varies; 150 m², the upper reservoir sized from the demand, the range.
void shootComparison(Shots& shots) {
    formSimCenariosGrid->BTGraficoClick();
    TformSimCenariosGrafico& g = *formSimCenariosGrafico;
    listItems(QStringLiteral("Parâmetro variável"), g.CBParamVar);
    listItems(QStringLiteral("Área"), g.CBAreaCapt);
    listItems(QStringLiteral("Reservatório superior"), g.CBResSup);
    listItems(QStringLiteral("Reservatório inferior"), g.CBResInf);
    g.CBParamVar->setCurrentIndex(itemStartingWith(g.CBParamVar, QStringLiteral("Percentual")));
    g.CBAreaCapt->setCurrentIndex(itemStartingWith(g.CBAreaCapt, QStringLiteral("150")));
    g.CBResSup->setCurrentIndex(itemStartingWith(g.CBResSup, QStringLiteral("Demanda")));
    g.CBResInf->setCurrentIndex(0);
    shots.show(&g, QStringLiteral("cenarios-comparacao-escolha.png"));
    g.BTGeraGrafsClick();
    formGraficoVextravasado->resize(900, 620);
    shots.show(formGraficoVextravasado, QStringLiteral("cenarios-comparacao.png"));
    formGraficoVextravasado->hide();
    if (!g.janelasResultado.empty()) {
        TformSimCenariosGrid* results = g.janelasResultado.back();
        results->resize(1900, 190);
        shots.show(results, QStringLiteral("cenarios-comparacao-resultado.png"));
    }
}

}  // namespace

void shootScenarios(Shots& shots) {
    openDefinition(shots);
    shootListDialogs(shots);
    shootResults(shots);
    shootComparison(shots);
}
