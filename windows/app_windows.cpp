#include "windows/app_windows.h"

#include <QWidget>
#include <functional>

#include "economics/unit_analise.h"
#include "economics/unit_custo_manutencao.h"
#include "economics/unit_custo_motobomba.h"
#include "economics/unit_custo_reservatorios.h"
#include "economics/unit_custos_economias.h"
#include "economics/unit_economia_agua.h"
#include "economics/unit_edit_custo_manutencao.h"
#include "economics/unit_tarifas_agua.h"
#include "economics/unit_volume_inf_analise.h"
#include "scenarios/unitCenariosDados.h"
#include "scenarios/unitCenariosDadosResInf.h"
#include "scenarios/unitSimCenarios.h"
#include "scenarios/unitSimCenariosGrafico.h"
#include "scenarios/unitSimCenariosGrid.h"
#include "windows/main/unitResSup.h"
#include "windows/main/unit_citacao.h"
#include "windows/main/unit_dados_prec.h"
#include "windows/main/unit_demanda.h"
#include "windows/main/unit_main.h"
#include "windows/main/unit_sobre.h"
#include "windows/main/unit_validacao.h"
#include "windows/results/unitResultSimMensal.h"
#include "windows/results/unit_grafico.h"
#include "windows/results/unit_grafico_dados.h"
#include "windows/results/unit_grafico_props.h"
#include "windows/results/unit_grafico_vextravasado.h"

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
