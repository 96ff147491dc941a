#include "windows/app_windows.h"

#include <QWidget>
#include <functional>

#include "windows/economics/form_analise.h"
#include "windows/economics/form_custo_manutencao.h"
#include "windows/economics/form_custo_motobomba.h"
#include "windows/economics/form_custo_reservatorios.h"
#include "windows/economics/form_custos_economias.h"
#include "windows/economics/form_economia_agua.h"
#include "windows/economics/form_edit_custo_manutencao.h"
#include "windows/economics/form_tarifas_agua.h"
#include "windows/economics/form_volume_inf_analise.h"
#include "windows/main/form_citacao.h"
#include "windows/main/form_demanda.h"
#include "windows/main/form_importacao.h"
#include "windows/main/form_main.h"
#include "windows/main/form_res_sup.h"
#include "windows/main/form_sobre.h"
#include "windows/main/form_validacao.h"
#include "windows/results/form_grafico.h"
#include "windows/results/form_grafico_dados.h"
#include "windows/results/form_grafico_props.h"
#include "windows/results/form_grafico_vextravasado.h"
#include "windows/results/form_result_sim_mensal.h"
#include "windows/scenarios/form_cenarios_dados.h"
#include "windows/scenarios/form_cenarios_dados_res_inf.h"
#include "windows/scenarios/form_dados_prec.h"
#include "windows/scenarios/form_sim_cenarios.h"
#include "windows/scenarios/form_sim_cenarios_grafico.h"
#include "windows/scenarios/form_sim_cenarios_grid.h"

namespace {

std::vector<QWidget*> windows;
std::vector<std::function<void()>> destroyers;

template <typename T>
void createForm(T*& global) {
    global = new T();
    if (!windows.empty()) {
        // Only the main window keeps the program running: closing it ends the program even
        // while other windows are open.
        global->setAttribute(Qt::WA_QuitOnClose, false);
    }
    windows.push_back(global);
    destroyers.push_back([&global] {
        T* window = global;
        global = nullptr;
        delete window;
    });
}

}  // namespace

void createWindows() {
    if (!windows.empty()) return;
    createForm(formMain);
    createForm(formAnalise);
    createForm(formTarifasAgua);
    createForm(formCustoMotobomba);
    createForm(formCustoReservatorios);
    createForm(formCustoManutencao);
    createForm(formCustosEconomias);
    createForm(formValidacao);
    createForm(formCitacao);
    createForm(formDemanda);
    createForm(formGrafico);
    createForm(formGraficoDados);
    createForm(formGraficoProps);
    createForm(formSobre);
    createForm(formGraficoVextravasado);
    createForm(formVolumeInfAnalise);
    createForm(formEconomiaAgua);
    createForm(formEditCustoManutencao);
    createForm(formCenariosDados);
    createForm(formSimCenarios);
    createForm(formCenariosDadosResInf);
    createForm(formDadosPrec);
    createForm(formSimCenariosGrafico);
    createForm(formResultSimMensal);
    createForm(formSimCenariosGrid);
    createForm(formResSup);
    createForm(formImportacao);
}

void destroyWindows() {
    // The global of a window being deleted is already null, so that nothing reaches it.
    while (!destroyers.empty()) {
        windows.pop_back();
        destroyers.back()();
        destroyers.pop_back();
    }
}

const std::vector<QWidget*>& createdWindows() {
    return windows;
}
