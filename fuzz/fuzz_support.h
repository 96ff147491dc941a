#pragma once
// What every fuzz target shares: the locale a run reads under (chosen by an input byte), the
// rest of the input as a file's bytes, and the one way a broken property is reported.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "common/locale_settings.h"

namespace fuzz {

// Locale names whose settings differ in every way the readers care about: decimal comma or
// point, thousands separators of one byte, of several bytes or none, and every order and
// separator of the short date pattern.
inline constexpr std::array<const char*, 16> kLocaleNames = {
    "pt_BR", "en_US", "pt_PT", "en_GB", "en_AU", "en_CA", "es_AR", "es_CL",
    "fr_FR", "fr_CA", "de_CH", "de",    "nl",    "ja",    "zh",    "C",
};

inline LocaleSettings localeOf(std::uint8_t byte) {
    return LocaleSettings::fromName(kLocaleNames[byte % kLocaleNames.size()]);
}

// The input after its first `skip` control bytes; empty when the input is shorter.
inline std::string_view rest(const std::uint8_t* data, std::size_t size, std::size_t skip) {
    if (size < skip) return {};
    return {reinterpret_cast<const char*>(data) + skip, size - skip};
}

// A property that must hold for every input does not: libFuzzer keeps the input as a crash.
[[noreturn]] inline void broken(const char* what) {
    std::fprintf(stderr, "fuzz property broken: %s\n", what);
    std::abort();
}

inline void require(bool holds, const char* what) {
    if (!holds) broken(what);
}

}  // namespace fuzz
