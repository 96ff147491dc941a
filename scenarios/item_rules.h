#pragma once
// The checks of one value-list item as the list dialog adds it: the item must read in its row's
// form and its values must be ones a system can have (a positive area, a share of the demand
// and a runoff coefficient in the main window's ranges, a range of volumes with a step…).

#include <optional>
#include <string>
#include <string_view>

#include "common/locale_settings.h"

// Why the item (in its row's item form) cannot be added, in the words the user sees, naming the
// item: "O valor \"abc\" não foi adicionado: …"; nothing when it can.
std::optional<std::string> ErroDoItem(int linha, std::string_view item, const LocaleSettings& loc);

// The lower-reservoir range dialog's three boxes as typed: the message and the box it is about
// (0 the largest volume, 1 the step, 2 the ideal-volume criterion) when they make no range.
// A step of 0 or less is refused: a fixed volume is entered as "Fixo".
struct ErroDeCampo {
    std::string mensagem;
    int campo = 0;
};
std::optional<ErroDeCampo> ErroFaixaDeVolumes(std::string_view volMaximo, std::string_view intervalo,
                                              std::string_view diferenca, const LocaleSettings& loc);
