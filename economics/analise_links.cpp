#include "economics/analise_links.h"

#include "components/radio_group.h"
#include "windows/main/unitResSup.h"
#include "windows/main/unit_main.h"

bool usaReservatorioSuperior() {
    return formResSup && formResSup->RGResSup->itemIndex() != TformResSup::ItemSemReservatorio;
}

const TCaptAgua* simulacaoPrincipal() {
    if (!formMain || !formMain->simMain) return nullptr;
    return &formMain->simMain->base();
}

QWidget* janelaPrincipal() {
    return formMain;
}
