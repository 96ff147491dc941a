// The program's version, from the project's one version number in CMakeLists.txt.
#pragma once

#include <string>

// "4.0.0"
const char* programVersion();
// "Vespra 4, versão 4.0.0", as the About dialog and `--version` say it.
std::string programVersionText();
