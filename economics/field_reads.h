#pragma once
// Strict reads of the analysis's boxes whose errors name the box, so that a refused
// "Calcular" tells the user which field to mend.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/locale_settings.h"
#include "economics/economics_errors.h"

// The number in `text` as it stands in the locale's format; AnaliseError "rotulo: 'x' não é
// um número válido." otherwise.
double leNumeroCampo(std::string_view text, CampoAnalise campo, const std::string& rotulo,
                     const LocaleSettings& loc);
// A whole number that fits in 32 bits; AnaliseError naming the box otherwise.
int leInteiroCampo(std::string_view text, CampoAnalise campo, const std::string& rotulo);
