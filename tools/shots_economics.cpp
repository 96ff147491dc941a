// The economic windows with examples/seattle-analise-economica.csv loaded as a user loads it:
// the analysis, its tariff and cost windows, the volume choice, the consumption estimates and
// the costs and savings table in both views.
#include <QLabel>
#include <QPushButton>

#include "components/radio_group.h"
#include "tools/shots.h"
#include "windows/economics/form_analise.h"
#include "windows/economics/form_custo_manutencao.h"
#include "windows/economics/form_custo_motobomba.h"
#include "windows/economics/form_custo_reservatorios.h"
#include "windows/economics/form_custos_economias.h"
#include "windows/economics/form_economia_agua.h"
#include "windows/economics/form_tarifas_agua.h"
#include "windows/economics/form_volume_inf_analise.h"
#include "windows/main/form_main.h"

namespace {

void shootAnalysis(Shots& shots) {
    formMain->RGResInf->setItemIndex(0);  // back to one volume, as the file is
    shots.ui.expectOpenFile(Shots::example(QStringLiteral("seattle-analise-economica.csv")));
    formMain->BTCarregarClick();
    Shots::settle();
    shots.save(formMain, QStringLiteral("janela-principal-economia.png"));
    TformAnalise& a = *formAnalise;
    shots.show(&a, QStringLiteral("analise-economica.png"));
    Shots::report(QStringLiteral("Análise"), a.Label3->text() + QStringLiteral(" | ") + a.Label4->text() +
                                                 QStringLiteral(" | ") + a.Label5->text());
}

void shootCostWindows(Shots& shots) {
    shots.show(formTarifasAgua, QStringLiteral("tarifas-agua.png"));
    formTarifasAgua->hide();
    shots.show(formCustoReservatorios, QStringLiteral("custos-iniciais.png"));
    formCustoReservatorios->hide();
    shots.show(formCustoMotobomba, QStringLiteral("motobomba.png"));
    formCustoMotobomba->hide();
    shots.show(formCustoManutencao, QStringLiteral("custos-operacionais.png"));
    formCustoManutencao->NxGManutCellClick(0, 0);
    shots.expectModalShot(QStringLiteral("formEditCustoManutencao"),
                          QStringLiteral("editar-custo-operacional.png"));
    formCustoManutencao->BTEditarClick();
    formCustoManutencao->hide();
    shots.expectModalShot(QStringLiteral("formVolumeInfAnalise"), QStringLiteral("volume-analise.png"));
    formAnalise->BTModificarVolClick();
}

void shootResults(Shots& shots) {
    formAnalise->BTConsumosEconomiasClick();
    formEconomiaAgua->resize(884, 420);
    shots.show(formEconomiaAgua, QStringLiteral("estimativas-consumo.png"));
    formEconomiaAgua->hide();
    formAnalise->BTCustosEconomiaClick();
    const auto opened = formAnalise->findChildren<TformCustosEconomias*>();
    if (opened.isEmpty()) {
        Shots::report(QStringLiteral("Erro"), QStringLiteral("a janela de custos e economias não abriu"));
        shots.status = 1;
        return;
    }
    TformCustosEconomias* costs = opened.back();
    costs->resize(600, 640);
    shots.show(costs, QStringLiteral("custos-economias.png"));
    costs->RGDados->setItemIndex(1);
    costs->resize(690, 640);
    shots.show(costs, QStringLiteral("custos-economias-detalhado.png"));
    costs->close();
}

}  // namespace

void shootEconomics(Shots& shots) {
    shootAnalysis(shots);
    shootCostWindows(shots);
    shootResults(shots);
    formAnalise->hide();
}
