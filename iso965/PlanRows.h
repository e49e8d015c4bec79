// The library's own access to the compiled-in rows: a thread of the plan's rows,
// and diameters and pitches as whole micrometres.
#pragma once

#include <cstdint>
#include <optional>

#include "BaseTables.h"
#include "Decimal.h"
#include "ThreadPlan.h"

namespace iso965 {

// A positive length given to the micrometre, in micrometres; none otherwise.
std::optional<std::int32_t> toMicrometres(const number::Decimal& mm);
number::Decimal fromMicrometres(std::int64_t um);

// The row of a thread of the plan; null when it is not one.
const tables::ThreadRow* planRow(std::int32_t dUm, std::int32_t pitchUm);
// The thread of a row.
PlanThread planThreadOf(const tables::ThreadRow& row);

} // namespace iso965
