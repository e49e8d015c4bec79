// The basic profile's diameters in whole micrometres: d − k·√3·P rounded half
// up to 0,001 mm, computed in integers (the multiples of √3 are irrational, so
// no exact half occurs and nothing depends on floating-point rounding).
#pragma once

#include <cstdint>

namespace iso965 {

struct BasicMicrometres {
    std::int32_t major; // d = D
    std::int32_t pitch; // d2 = D2 = d − (3√3/8)·P
    std::int32_t minor; // d1 = D1 = d − (5√3/8)·P
    std::int32_t root;  // d3 = d − (17√3/24)·P
};

BasicMicrometres basicMicrometres(std::int32_t dUm, std::int32_t pitchUm);

} // namespace iso965
