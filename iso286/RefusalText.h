// The reasons of refusals as the program writes them, in Russian.
#pragma once

#include <optional>
#include <string>

#include "Refusal.h"

namespace iso286 {

// "Поле t7 для размеров до 24 мм не определено",
// "При Ø0,05 мм наименьший размер вала c11 был бы −0,07 мм".
std::string refusalText(const Refusal& refusal);
// The same, or empty when nothing was refused.
std::string reasonText(const std::optional<Refusal>& refusal);

} // namespace iso286
