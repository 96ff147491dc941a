#include "windows/economics/economics_links.h"

#include "components/radio_group.h"
#include "engine/capt_agua.h"
#include "windows/main/form_main.h"
#include "windows/main/main_links.h"

bool usaReservatorioSuperior() {
    return resSupMode() != UpperReservoirMode::None;
}

const TCaptAgua* simulacaoPrincipal() {
    if (!formMain || !formMain->simMain) return nullptr;
    return &formMain->simMain->base();
}

QWidget* janelaPrincipal() {
    return formMain;
}
