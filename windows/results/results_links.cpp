#include "windows/results/results_links.h"

#include "windows/scenarios/form_sim_cenarios_grid.h"

void whitenScenarioRows() {
    if (formSimCenariosGrid) formSimCenariosGrid->whitenGrid();
}
