#include "app_windows.h"

#include <QWidget>
#include <functional>

#include "unitCenariosDados.h"
#include "unitCenariosDadosResInf.h"
#include "unitResSup.h"
#include "unitResultSimMensal.h"
#include "unitSimCenarios.h"
#include "unitSimCenariosGrafico.h"
#include "unitSimCenariosGrid.h"
#include "unit_analise.h"
#include "unit_citacao.h"
#include "unit_custo_manutencao.h"
#include "unit_custo_motobomba.h"
#include "unit_custo_reservatorios.h"
#include "unit_custos_economias.h"
#include "unit_dados_prec.h"
#include "unit_demanda.h"
#include "unit_economia_agua.h"
#include "unit_edit_custo_manutencao.h"
#include "unit_grafico.h"
#include "unit_grafico_dados.h"
#include "unit_grafico_props.h"
#include "unit_grafico_vextravasado.h"
#include "unit_main.h"
#include "unit_sobre.h"
#include "unit_tarifas_agua.h"
#include "unit_validacao.h"
#include "unit_volume_inf_analise.h"

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
