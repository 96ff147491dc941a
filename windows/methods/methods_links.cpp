#include "windows/methods/methods_links.h"

#include "components/ui_seam.h"
#include "windows/methods/form_metodos.h"

namespace {

ParametrosMetodos& lastParameters() {
    static ParametrosMetodos p;
    return p;
}

}  // namespace

ParametrosMetodos lastMethodParameters() {
    return lastParameters();
}

void setLastMethodParameters(const ParametrosMetodos& p) {
    lastParameters() = p;
}

void execMetodos(const TCaptAgua& sim, QWidget* owner) {
    TformMetodos window(owner);
    window.DefineSimCurrent(sim);
    ui().execModal(&window, owner);
}
