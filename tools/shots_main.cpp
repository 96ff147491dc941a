// The main window and what it opens: the Seattle record typed in as the guide's first
// simulation, the monthly table, the upper reservoir, the variable demand, the sweep with
// its charts, data sheet and properties, the information windows and Qt's file dialog.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "components/radio_group.h"
#include "tools/shots.h"
#include "windows/main/form_citacao.h"
#include "windows/main/form_demanda.h"
#include "windows/main/form_importacao.h"
#include "windows/main/form_main.h"
#include "windows/main/form_res_sup.h"
#include "windows/methods/form_metodos.h"
#include "windows/results/form_grafico.h"
#include "windows/results/form_result_sim_mensal.h"

namespace {

void reportResults(const QString& what) {
    const TformMain& w = *formMain;
    Shots::report(what, w.Label5->text() + QStringLiteral(" | ") + w.Label12->text() + QStringLiteral(" | ") +
                            w.Label14->text() + QStringLiteral(" | ") + w.Label15->text());
}

// The guide's first simulation: the record chosen in the grid, 1 January 2012, a 2 mm
// discard, 100 m², 150 L per person and day, 4 occupants, 50 %, coefficient 0,8, 5000 L.
void typeFirstSimulation(Shots& shots) {
    TformMain& w = *formMain;
    shots.ui.expectOpenFile(Shots::example(QStringLiteral("seattle-2012-2015.txt")));
    w.choosePrecFile();
    w.setPrecCell(PrecRowData, QStringLiteral("01/01/2012"));
    w.setPrecCell(PrecRowDescarte, QStringLiteral("2"));
    w.ed_captacao->setText(QStringLiteral("100"));
    w.ed_demanda->setText(QStringLiteral("150"));
    w.ed_moradores->setText(QStringLiteral("4"));
    chooseItem(w.cb_porcentagem_subst, 4);  // 50%
    chooseItem(w.cb_coef_aprov, 7);         // 0,8
    w.RGResInf->setItemIndex(0);
    w.ed_reservatorio_inf->setText(QStringLiteral("5000"));
}

void shootFirstSimulation(Shots& shots) {
    TformMain& w = *formMain;
    w.resize(1180, 640);
    shots.show(&w, QStringLiteral("janela-principal-inicial.png"));
    typeFirstSimulation(shots);
    w.BTCalcular->click();
    reportResults(QStringLiteral("Volume único 5000 L"));
    shots.show(&w, QStringLiteral("janela-principal.png"));
    w.BTValsMensaisClick();
    formResultSimMensal->resize(1100, 460);
    shots.show(formResultSimMensal, QStringLiteral("resultado-mensal.png"));
    formResultSimMensal->hide();
}

// The upper reservoir sized from the daily demand, pumping below 100 L; run, then set back.
void shootUpperReservoir(Shots& shots) {
    TformMain& w = *formMain;
    shots.expectModalShot(QStringLiteral("formResSup"), QStringLiteral("reservatorio-superior.png"),
                          QDialog::Accepted, [](QDialog*) {
                              formResSup->RGResSup->setItemIndex(TformResSup::ItemDemanda);
                              formResSup->RBVolResSupRec->click();
                              formResSup->edResSupRec->setText(QStringLiteral("100"));
                          });
    w.BTResSupClick();
    Shots::report(QStringLiteral("Reservatório superior (litros)"), formResSup->ed_reservatorio_sup->text());
    w.BTCalcular->click();
    reportResults(QStringLiteral("Volume único 5000 L com reservatório superior"));
    formResSup->RGResSup->setItemIndex(TformResSup::ItemSemReservatorio);
    w.BTCalcular->click();
    reportResults(QStringLiteral("Sem reservatório superior outra vez"));
}

// A weekly demand pattern: 180 L on Sundays and Saturdays, 150 L on the other days.
void shootVariableDemand(Shots& shots) {
    TformMain& w = *formMain;
    shots.expectModalShot(QStringLiteral("formDemanda"), QStringLiteral("demanda-variavel.png"),
                          QDialog::Accepted, [](QDialog* dialog) {
                              auto* editor = static_cast<TformDemanda*>(dialog);
                              editor->rgPeriodicidade->setItemIndex(TformDemanda::ItemDiaria);
                              editor->EdPeriodo->setText(QStringLiteral("7"));
                              editor->BTOKClick();
                              for (int row = 1; row <= 7; ++row)
                                  editor->setValueText(row, row == 1 || row == 7 ? QStringLiteral("180")
                                                                                 : QStringLiteral("150"));
                          });
    w.BTDemPluvVariavelClick();
    w.BTCalcular->click();
    reportResults(QStringLiteral("Demanda semanal 180/150 L"));
    shots.save(&w, QStringLiteral("janela-principal-demanda-variavel.png"));
    w.ed_demanda->setText(QStringLiteral("150"));  // a fixed demand again
    w.BTCalcular->click();
    reportResults(QStringLiteral("Demanda fixa outra vez"));
}

// The sizing methods of NBR 15527:2007 with their defaults, on the first simulation for two
// occupants (for four the demand is above the runoff); four again afterwards.
void shootMethods(Shots& shots) {
    formMain->ed_moradores->setText(QStringLiteral("2"));
    formMain->BTCalcular->click();
    shots.expectModalShot(
        QStringLiteral("formMetodos"), QStringLiteral("metodos-dimensionamento.png"), QDialog::Rejected,
        [](QDialog* dialog) {
            auto* w = static_cast<TformMetodos*>(dialog);
            w->resize(1130, 420);
            w->BTCalcular->click();
            Shots::report(QStringLiteral("Métodos"),
                          w->LabelPrecAnual->text() + QStringLiteral(" | ") + w->LabelMesesSecosCalc->text());
        });
    formMain->MenuMetodos->trigger();
    formMain->ed_moradores->setText(QStringLiteral("4"));
    formMain->BTCalcular->click();
}

// Two sweeps of 0 to 20000 L in steps of 1000 L, threshold 2 %/m³: 50 % and 70 % replaced.
void shootSweep(Shots& shots) {
    TformMain& w = *formMain;
    w.RGResInf->setItemIndex(1);
    w.EdVolMaximo->setText(QStringLiteral("20000"));
    w.EdIntervaloVols->setText(QStringLiteral("1000"));
    w.CBVolIdeal->setChecked(true);
    w.CBVolIdealClick();
    w.EdDiferenca->setText(QStringLiteral("2"));
    w.BTCalcular->click();
    shots.show(&w, QStringLiteral("janela-principal-faixa.png"));
    chooseItem(w.cb_porcentagem_subst, 6);  // 70%
    w.BTCalcular->click();
    formGrafico->resize(900, 620);
    shots.show(formGrafico, QStringLiteral("grafico-volumes.png"));

    shots.expectModalShot(QStringLiteral("formGraficoVextravasado"),
                          QStringLiteral("grafico-consumo-pluvial.png"));
    formGrafico->BTConsPluvClick();
    shots.expectModalShot(QStringLiteral("formGraficoVextravasado"),
                          QStringLiteral("grafico-atendimento.png"));
    formGrafico->BTAtendimentoClick();
    shots.expectModalShot(QStringLiteral("formGraficoVextravasado"),
                          QStringLiteral("grafico-extravasado.png"));
    formGrafico->BTVExtravasadoClick();
    shots.expectModalShot(QStringLiteral("formGraficoDados"), QStringLiteral("planilha-dados.png"),
                          QDialog::Rejected, [](QDialog* d) { d->resize(1300, 560); });
    formGrafico->BTPlanilhaClick();
    shots.expectModalShot(QStringLiteral("formGraficoProps"), QStringLiteral("propriedades-grafico.png"));
    formGrafico->Propriedades1Click();
    formGrafico->hide();

    w.resize(w.minimumSizeHint());
    shots.save(&w, QStringLiteral("janela-principal-minima.png"));
    w.resize(1180, 640);
}

void shootInformation(Shots& shots) {
    TformMain& w = *formMain;
    w.MenuCitacaoClick();
    shots.show(formCitacao, QStringLiteral("citacao.png"));
    formCitacao->hide();
    shots.expectModalShot(QStringLiteral("formValidacao"), QStringLiteral("validacao.png"));
    w.MenuValidacaoClick();
    shots.expectModalShot(QStringLiteral("formSobre"), QStringLiteral("sobre.png"));
    w.MenuSobreClick();
}

// Qt's own file dialog, as the precipitation choice opens it, in the user's language.
void shootFileDialog(Shots& shots) {
    QFileDialog files(
        formMain, QStringLiteral("Carregar dados de precipitação"),
        QDir::current().absoluteFilePath(QStringLiteral("examples")),
        QStringLiteral("Dados de precipitação (*.txt *.csv);;Arquivo CSV (*.csv);;Arquivo de texto "
                       "(*.txt);;Todos os arquivos (*)"));
    files.setOption(QFileDialog::DontUseNativeDialog);
    files.resize(760, 440);
    shots.show(&files, QStringLiteral("dialogo-arquivo.png"));
    files.hide();
}

// The report of a station file with gaps (a test file of the INMET format cut from the Seattle
// record), the gaps to be written as 0 mm; the window is closed without writing.
void shootStationImport(Shots& shots) {
    const QString source = shots.dir + QStringLiteral("/estacao-inmet.csv");
    QFile::remove(source);
    QFile::copy(
        QDir::current().absoluteFilePath(QStringLiteral("tests/import/fixtures/inmet_convencional.csv")),
        source);
    shots.ui.expectOpenFile(source);
    shots.expectModalShot(QStringLiteral("formImportacao"), QStringLiteral("importar-estacao.png"),
                          QDialog::Rejected, [](QDialog* d) {
                              auto* w = static_cast<TformImportacao*>(d);
                              w->resize(900, 640);
                              w->RGLacunas->setItemIndex(1);
                          });
    formMain->BTImportarEstacaoClick();
    QFile::remove(source);
}

}  // namespace

void shootMainWindow(Shots& shots) {
    shootFirstSimulation(shots);
    shootUpperReservoir(shots);
    shootVariableDemand(shots);
    shootMethods(shots);
    shootSweep(shots);
    shootInformation(shots);
    shootFileDialog(shots);
    shootStationImport(shots);
}
