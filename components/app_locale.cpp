#include "components/app_locale.h"

namespace {

LocaleSettings& current() {
    static LocaleSettings settings = LocaleSettings::fromEnvironment();
    return settings;
}

}  // namespace

const LocaleSettings& appLocale() {
    return current();
}

void setAppLocale(const LocaleSettings& settings) {
    current() = settings;
}
