#include "common/version.h"

const char* programVersion() {
    return VESPRA_VERSION;
}

std::string programVersionText() {
    return std::string("Vespra 4, versão ") + VESPRA_VERSION;
}
