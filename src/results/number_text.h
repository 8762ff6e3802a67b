#pragma once

#include <string>

namespace forecast::results {

// The shortest general decimal text of a number, as the report shows it: up
// to 15 significant digits for 64-bit values, 7 for 32-bit values, no
// thousands separator, an exponent only for very large or small numbers.
std::string GeneralText(double value);
std::string GeneralText(float value);

// Rounds to a count of decimals with a half going to the even neighbour.
double RoundHalfEven(double value, int decimals);

}  // namespace forecast::results
