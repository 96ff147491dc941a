#include "engine/input_rules.h"

#include "engine/capt_agua.h"
#include "engine/upper_reservoir.h"

std::optional<std::string> shareError(double percent) {
    if (percent > 0 && percent <= 100) return std::nullopt;
    return "O Percentual da demanda total a ser substituída por água pluvial deve ser maior que 0% "
           "e menor ou igual a 100%.";
}

std::optional<std::string> coefficientError(double coefficient) {
    if (coefficient > 0 && coefficient <= 1) return std::nullopt;
    return "O Coeficiente de escoamento superficial deve ser maior que 0 e menor ou igual a 1.";
}

std::vector<std::string> inputRuleMessages(const TCaptAgua& p) {
    std::vector<std::string> messages;
    for (const auto& error : {shareError(p.dblPorcSubs * 100), coefficientError(p.dblCoefAprov)})
        if (error) messages.push_back(*error);
    if (upperReservoirMode(p) != UpperReservoirMode::None)
        if (const auto error = upperThresholdError(p.dblResSup, p.dblResSupMinRec))
            messages.push_back(*error);
    return messages;
}
