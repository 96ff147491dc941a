#pragma once
// Running the combinations of a scenario set one after another or several at once.

#include <cstdint>
#include <functional>

// Calls fazer(k) for k = 0 … n − 1: in order on the calling thread when `tarefas` ≤ 1,
// otherwise on `tarefas` threads at once, each k exactly once. After each k, progresso (when
// given) is told how many are done; false stops the work (the combinations under way finish).
// Returns how many combinations from 0 on were done without a gap, after handing that count
// to `guardaProntas` (when given). When fazer or progresso throws, no further k is started and
// the error of the lowest failing k is rethrown after guardaProntas.
std::int32_t ParaCadaCombinacao(std::int32_t n, int tarefas, const std::function<void(std::int32_t)>& fazer,
                                const std::function<bool(std::int32_t, std::int32_t)>& progresso,
                                const std::function<void(std::int32_t)>& guardaProntas);
