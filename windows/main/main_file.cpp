// Saving the current simulation to a file, loading one back into the window, and
// clearing every input.

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>

#include "common/numtext.h"
#include "common/textfile.h"
#include "components/app_locale.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "windows/main/main_links.h"
#include "windows/main/unit_main.h"

namespace {

const QString kCsvFilter = QStringLiteral("Arquivo CSV|*.csv");

QString general(double value) {
    return fromUtf8(formatGeneral(value, appLocale()));
}

// A series of one value is a fixed figure; anything else came from the series editor.
QString fixedOrVariable(const doubleArray& daily) {
    return daily.size() == 1 ? general(daily[0]) : QStringLiteral("Variável");
}

}  // namespace

int IndexOfLine(const std::vector<std::string>& lines, const std::string& text) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == text) return static_cast<int>(i);
    return -1;
}

// ---------------------------------------------------------------------------------------
// Save

void TformMain::BTSalvarClick() {
    // The file holds what the last run computed; a set that has not run since it was made
    // holds none of the typed inputs, and saving it would lose them without a word.
    if (!simRun_) {
        ui().message(this, QStringLiteral("Salvar simulação"),
                     QStringLiteral("Clique em \"Simular\" antes de salvar: o arquivo guarda os dados e os "
                                    "resultados da última simulação."),
                     MsgIcon::Information, MsgButtons::Ok);
        return;
    }
    const QString path = ui().saveFileName(this, QStringLiteral("Salvar simulação"), lastSaveName_,
                                           kCsvFilter, QStringLiteral("csv"));
    if (path.isEmpty()) return;
    lastSaveName_ = path;
    saveSimulation(path);
}

bool TformMain::saveSimulation(const QString& path) {
    try {
        simMain->saveSim(toUtf8(path), analiseEconLines(), appLocale());
    } catch (const std::exception& e) {
        showException(this, e);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Load

void TformMain::BTCarregarClick() {
    const QString path = ui().openFileName(this, QStringLiteral("Carregar simulação previamente salva"),
                                           lastOpenDir_, kCsvFilter);
    if (path.isEmpty()) return;
    lastOpenDir_ = QFileInfo(path).absolutePath();
    loadSimulation(path);
}

void TformMain::loadSimulation(const QString& path) {
    // The file is read completely before anything is cleared: a file that cannot be read
    // leaves the window and the current simulation as they were.
    auto loaded = std::make_unique<TCaptAguaInterval>();
    std::vector<std::string> lines;
    std::string dateNotice;
    try {
        dateNotice = loaded->loadSim(toUtf8(path), appLocale());
        lines = readTextLines(toUtf8(path));
    } catch (const std::exception& e) {
        showException(this, e);
        return;
    }
    LimparCampos();
    releaseSweep(*simMain);
    simMain = std::move(loaded);
    simRun_ = false;
    refillFromSim();
    // A start date whose order of day and month the file does not show: say which was taken.
    if (!dateNotice.empty())
        ui().message(this, QStringLiteral("Data inicial"), fromUtf8(dateNotice), MsgIcon::Warning,
                     MsgButtons::Ok);
    const int economic = IndexOfLine(lines, "ANÁLISE ECONÔMICA");
    if (economic >= 0) loadAnaliseEcon(lines, economic + 1);
    BTCalcularClick();
}

// Writes the loaded inputs into the controls; each write runs the control's own reaction,
// as the user's typing would.
void TformMain::refillFromSim() {
    const TCaptAgua& p = simMain->base();
    setPrecCell(PrecRowArquivo, QFileInfo(fromUtf8(p.strArqPrec)).fileName());
    setPrecCell(PrecRowRegistros, general(static_cast<double>(p.vecDadosPrecOrig.size())));
    setPrecCell(PrecRowData, fromUtf8(formatDate(p.dateDadosPrec, appLocale())));
    setPrecCell(PrecRowDescarte, general(p.dblDescartPrec));
    ed_captacao->setText(general(p.dblAreaCapt));
    ed_demanda->setText(fixedOrVariable(p.vecDemAguaPot));
    ed_moradores->setText(fixedOrVariable(p.vecNroMor));
    ed_porcentagem_subst->setText(general(p.dblPorcSubs * 100.0));
    ed_coef_aprov->setText(general(p.dblCoefAprov));
    // A value that matches no preset is shown in its box, next to "Outro valor".
    ed_porcentagem_subst->setVisible(cb_porcentagem_subst->currentIndex() == 10 ||
                                     ed_porcentagem_subst->isVisible());
    ed_coef_aprov->setVisible(cb_coef_aprov->currentIndex() == 10 || ed_coef_aprov->isVisible());
    if (p.strObs) {
        QStringList notes;
        for (const std::string& line : *p.strObs) notes << fromUtf8(line);
        MemObservacoes->setPlainText(notes.join(QLatin1Char('\n')));
    }

    if (p.flagResSupDem)
        setResSupFromFile(0, QString(), general(p.dblResSupMinRec));
    else if (p.dblResSup != 0)
        setResSupFromFile(1, general(p.dblResSup), general(p.dblResSupMinRec));
    else
        setResSupFromFile(2, QString(), QString());

    if (simMain->volmax != 0) {
        RGResInf->setItemIndex(1);
        EdVolMaximo->setText(general(simMain->volmax));
        EdIntervaloVols->setText(general(simMain->interval));
        const bool ideal = simMain->delta != 0;
        CBVolIdeal->setChecked(ideal);
        if (ideal)
            EdDiferenca->setText(general(simMain->delta));
        else
            EdDiferenca->clear();
        CBVolIdealClick();
    } else {
        RGResInf->setItemIndex(0);
        ed_reservatorio_inf->setText(general(p.dblResInf));
    }
}

// ---------------------------------------------------------------------------------------
// Clear

void TformMain::BTLimparClick() {
    if (askYesNo(this, QStringLiteral("Limpar campos"),
                 QStringLiteral("Você tem certeza de que deseja limpar TODOS os campos?")))
        LimparCampos();
}

void TformMain::LimparCampos() {
    for (int row = 0; row < 4; ++row) setPrecCell(row, QString());
    ed_captacao->clear();
    MemObservacoes->clear();
    clearResSup();
    if (RGResInf->itemIndex() != 0) {
        EdVolMaximo->clear();
        EdIntervaloVols->clear();
        EdDiferenca->clear();
        CBVolIdeal->setChecked(false);
        CBVolIdealClick();
        clearSweepChart();
    } else {
        ed_reservatorio_inf->clear();
        PanelResultados->hide();
    }
    RGResInf->setItemIndex(-1);
    ed_demanda->clear();
    ed_moradores->clear();
    ed_porcentagem_subst->clear();
    cb_porcentagem_subst->setCurrentIndex(-1);
    ed_coef_aprov->clear();
    cb_coef_aprov->setCurrentIndex(-1);
    closeGrafico();
    for (QPushButton* b : {BTCalcular, BTSalvar, BTLimpar, BTAnalise}) b->hide();
    BTAnalise->setEnabled(false);
    lastSaveName_.clear();
    GBSimulacao->hide();
    // The old set goes only now: the reactions above still read it.
    newSimMain();
    clearAnalise();
}

// The placeholder notes go away when the user starts writing; notes the user wrote stay.
void TformMain::MemObservacoesEnter() {
    if (MemObservacoes->toPlainText() == placeholderObservacoes().join(QLatin1Char('\n')))
        MemObservacoes->clear();
}
