#include "engine/input_rules.h"

std::optional<std::string> shareError(double percent) {
    if (percent > 0 && percent <= 100) return std::nullopt;
    return "O Percentual da demanda total a ser substituída por água pluvial deve ser maior que 0% "
           "e menor ou igual a 100%.";
}

std::optional<std::string> coefficientError(double coefficient) {
    if (coefficient > 0 && coefficient <= 1) return std::nullopt;
    return "O Coeficiente de escoamento superficial deve ser maior que 0 e menor ou igual a 1.";
}
