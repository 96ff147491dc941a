#include "scenarios/batch_tasks.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <limits>
#include <mutex>
#include <thread>
#include <vector>

namespace {

struct Estado {
    std::atomic<std::int32_t> proximo{0};
    std::atomic<bool> parar{false};
    std::mutex trava;
    std::int32_t feitas = 0;
    std::vector<char> feito;
    std::int32_t erroK = std::numeric_limits<std::int32_t>::max();
    std::exception_ptr erro;
};

void trabalha(Estado& e, std::int32_t n, const std::function<void(std::int32_t)>& fazer,
              const std::function<bool(std::int32_t, std::int32_t)>& progresso) {
    while (!e.parar.load()) {
        const std::int32_t k = e.proximo.fetch_add(1);
        if (k >= n) return;
        try {
            fazer(k);
            const std::lock_guard<std::mutex> l(e.trava);
            e.feito[static_cast<std::size_t>(k)] = 1;
            ++e.feitas;
            if (progresso && !progresso(e.feitas, n)) e.parar.store(true);
        } catch (...) {
            const std::lock_guard<std::mutex> l(e.trava);
            if (k < e.erroK) {
                e.erroK = k;
                e.erro = std::current_exception();
            }
            e.parar.store(true);
            return;
        }
    }
}

}  // namespace

std::int32_t ParaCadaCombinacao(std::int32_t n, int tarefas, const std::function<void(std::int32_t)>& fazer,
                                const std::function<bool(std::int32_t, std::int32_t)>& progresso,
                                const std::function<void(std::int32_t)>& guardaProntas) {
    Estado e;
    e.feito.assign(static_cast<std::size_t>(std::max<std::int32_t>(n, 0)), 0);
    const auto threads = static_cast<int>(std::clamp<std::int64_t>(n, 1, std::max(tarefas, 1)));
    if (threads <= 1) {
        trabalha(e, n, fazer, progresso);
    } else {
        std::vector<std::thread> outras;
        outras.reserve(static_cast<std::size_t>(threads - 1));
        for (int t = 1; t < threads; ++t) outras.emplace_back([&] { trabalha(e, n, fazer, progresso); });
        trabalha(e, n, fazer, progresso);
        for (auto& t : outras) t.join();
    }
    const auto semLacuna = std::find(e.feito.begin(), e.feito.end(), 0) - e.feito.begin();
    const auto prontas = static_cast<std::int32_t>(semLacuna);
    if (guardaProntas) guardaProntas(prontas);
    if (e.erro) std::rethrow_exception(e.erro);
    return prontas;
}
