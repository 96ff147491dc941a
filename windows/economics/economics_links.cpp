#include "windows/economics/economics_links.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "components/number_texts.h"
#include "components/radio_group.h"
#include "components/ui_seam.h"
#include "economics/economics_errors.h"
#include "engine/capt_agua.h"
#include "engine/upper_reservoir.h"
#include "windows/economics/form_analise.h"
#include "windows/economics/form_custo_manutencao.h"
#include "windows/economics/form_custo_motobomba.h"
#include "windows/economics/form_custo_reservatorios.h"
#include "windows/economics/form_custos_economias.h"
#include "windows/economics/form_economia_agua.h"
#include "windows/economics/form_edit_custo_manutencao.h"
#include "windows/economics/form_tarifas_agua.h"
#include "windows/economics/form_volume_inf_analise.h"
#include "windows/main/form_main.h"
#include "windows/main/main_links.h"

bool usaReservatorioSuperior() {
    // The volume read as the run reads it: a chosen 0 L is no upper reservoir, as the
    // simulation and the file saved from it have it.
    return usesUpperReservoir(resSupMode(), readLenientText(resSupVolumeText()));
}

const TCaptAgua* simulacaoPrincipal() {
    if (!formMain || !formMain->simMain) return nullptr;
    return &formMain->simMain->base();
}

QWidget* janelaPrincipal() {
    return formMain;
}

// ---------------------------------------------------------------------------------------
// The analysis window

void ligaEntradasAnalise(std::initializer_list<QObject*> entradas) {
    const auto alterada = [] {
        if (formAnalise) formAnalise->descartaResultado();
    };
    for (QObject* e : entradas) {
        if (auto* edit = qobject_cast<QLineEdit*>(e)) {
            QObject::connect(edit, &QLineEdit::textChanged, edit, alterada);
        } else if (auto* combo = qobject_cast<QComboBox*>(e)) {
            QObject::connect(combo, &QComboBox::currentIndexChanged, combo, alterada);
        } else if (auto* check = qobject_cast<QAbstractButton*>(e)) {
            QObject::connect(check, &QAbstractButton::toggled, check, alterada);
        } else if (auto* group = qobject_cast<RadioGroup*>(e)) {
            QObject::connect(group, &RadioGroup::clicked, group, alterada);
        } else if (auto* view = qobject_cast<QAbstractItemView*>(e)) {
            QAbstractItemModel* model = view->model();
            QObject::connect(model, &QAbstractItemModel::rowsInserted, view, alterada);
            QObject::connect(model, &QAbstractItemModel::rowsRemoved, view, alterada);
            QObject::connect(model, &QAbstractItemModel::dataChanged, view, alterada);
            QObject::connect(model, &QAbstractItemModel::modelReset, view, alterada);
        }
    }
}

const TEstadoAnalise* estadoAnalise() {
    return formAnalise ? &formAnalise->estado : nullptr;
}

void defineVolumeAnalise(const QString& volume) {
    if (formAnalise) formAnalise->defineVolume(volume);
}

void mostraBotaoEstimativas() {
    if (formAnalise) formAnalise->BTConsumosEconomias->show();
}

TExportacao exportacaoAnalise() {
    return formAnalise ? formAnalise->dadosExportacao() : TExportacao{};
}

void abreCustosEconomias(QWidget* parent) {
    // Each a new window, a snapshot of the calculation; closing it deletes it, and those still
    // open go with their parent.
    auto* janela = new TformCustosEconomias(parent);
    janela->setAttribute(Qt::WA_DeleteOnClose);
    janela->setAttribute(Qt::WA_QuitOnClose, false);
    janela->show();
}

// ---------------------------------------------------------------------------------------
// The input windows

TCamposTarifas camposTarifas() {
    return formTarifasAgua ? formTarifasAgua->campos() : TCamposTarifas{};
}

void carregaTarifas(const TCamposTarifas& c) {
    if (!formTarifasAgua) return;
    formTarifasAgua->preenche(c);
    formTarifasAgua->Conclui();
}

void execTarifas() {
    if (formTarifasAgua) ui().execModal(formTarifasAgua);
}

void limpaTarifas() {
    if (formTarifasAgua) formTarifasAgua->LimparTarifas();
}

TCamposCustosIniciais camposCustosIniciais() {
    return formCustoReservatorios ? formCustoReservatorios->campos() : TCamposCustosIniciais{};
}

void carregaCustosIniciais(const TCamposCustosIniciais& c) {
    if (formCustoReservatorios) formCustoReservatorios->preenche(c);
}

void execCustosIniciais() {
    if (formCustoReservatorios) ui().execModal(formCustoReservatorios);
}

void limpaCustosIniciais() {
    if (formCustoReservatorios) formCustoReservatorios->Limpa();
}

TCamposMotobomba camposMotobomba() {
    return formCustoMotobomba ? formCustoMotobomba->campos() : TCamposMotobomba{};
}

void carregaMotobomba(const TCamposMotobomba& c) {
    if (!formCustoMotobomba) return;
    // As when the user completes the window: empty taxes become "0"; an incomplete window
    // says so and stays open.
    formCustoMotobomba->preenche(c);
    formCustoMotobomba->show();
    formCustoMotobomba->BTConcluirClick();
}

void execMotobomba() {
    if (formCustoMotobomba) ui().execModal(formCustoMotobomba);
}

void limpaMotobomba() {
    if (formCustoMotobomba) formCustoMotobomba->Limpa();
}

std::vector<TManutencao> itensManutencao() {
    return formCustoManutencao ? formCustoManutencao->vecManutencao : std::vector<TManutencao>{};
}

void carregaManutencao(const std::vector<TManutencao>& itens) {
    if (formCustoManutencao) formCustoManutencao->preenche(itens);
}

void execManutencao() {
    if (formCustoManutencao) ui().execModal(formCustoManutencao);
}

void limpaManutencao() {
    if (formCustoManutencao) formCustoManutencao->Limpa();
}

namespace {

// The box of `janela` whose name leads `mensagem` ("Vazão (litros/hora): …").
QLineEdit* caixaNomeada(QWidget* janela, const QString& mensagem) {
    for (QLineEdit* caixa : janela->findChildren<QLineEdit*>()) {
        const QString nome = caixa->accessibleName();
        if (!nome.isEmpty() && mensagem.startsWith(nome + QStringLiteral(": "))) return caixa;
    }
    return nullptr;
}

}  // namespace

void abreCampoRecusado(int campo, const QString& mensagem) {
    QDialog* janela = nullptr;
    QLineEdit* caixa = nullptr;
    switch (static_cast<CampoAnalise>(campo)) {
        case CampoAnalise::TarifaEsgoto:
            janela = formTarifasAgua;
            if (janela) caixa = formTarifasAgua->edTarEsgoto;
            break;
        case CampoAnalise::CustosIniciais:
            janela = formCustoReservatorios;
            break;
        case CampoAnalise::Motobomba:
            janela = formCustoMotobomba;
            break;
        default:
            return;
    }
    if (!janela) return;
    if (!caixa) caixa = caixaNomeada(janela, mensagem);
    if (caixa) {
        caixa->setFocus();
        // Again once the window is shown: its own showing may move the focus.
        QMetaObject::invokeMethod(
            caixa, [caixa] { caixa->setFocus(); }, Qt::QueuedConnection);
    }
    ui().execModal(janela);
}

void pedeVolumeAnalise() {
    if (formVolumeInfAnalise) ui().execModal(formVolumeInfAnalise);
}

// ---------------------------------------------------------------------------------------
// The estimate table

std::vector<TLinhaEstimativa> linhasEstimativas() {
    return formEconomiaAgua ? formEconomiaAgua->linhas() : std::vector<TLinhaEstimativa>{};
}

void preencheEstimativas(const std::vector<TLinhaEstimativa>& linhas) {
    if (formEconomiaAgua) formEconomiaAgua->Preenche(linhas);
}

void mostraEstimativas() {
    if (formEconomiaAgua) formEconomiaAgua->show();
}

void limpaEstimativas() {
    if (formEconomiaAgua) formEconomiaAgua->Limpa();
}

// ---------------------------------------------------------------------------------------
// The operating cost list and its edit window

bool temListaManutencao() {
    return formCustoManutencao != nullptr;
}

void modificaItemManutencao(std::size_t ind, const TManutencao& item) {
    if (formCustoManutencao) formCustoManutencao->Modifica(ind, item);
}

void excluiItemManutencao(std::size_t ind) {
    if (formCustoManutencao) formCustoManutencao->Exclui(ind);
}

void carregaEdicaoManutencao(std::size_t ind, const TManutencao& item) {
    if (formEditCustoManutencao) formEditCustoManutencao->Carrega(ind, item);
}

bool edicaoManutencaoCarregada() {
    return formEditCustoManutencao && !formEditCustoManutencao->edNomeManutencao->text().isEmpty();
}

void mostraEdicaoManutencao() {
    // Opened from the list window, itself modal: in front of it and modal to it.
    if (formEditCustoManutencao) ui().execModal(formEditCustoManutencao, formCustoManutencao);
}

void limpaEdicaoManutencao() {
    if (formEditCustoManutencao) formEditCustoManutencao->Limpa();
}
