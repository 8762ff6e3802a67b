#pragma once

#include "platform/database.h"

#include <string>
#include <string_view>

namespace forecast::inputs {

// A card field: the text right-justified in width characters, or its first
// width characters when it is longer.
std::string PadLeft(std::string_view text, int width);
// The same, left-justified.
std::string PadRight(std::string_view text, int width);
// The first count characters.
std::string LeftChars(std::string_view text, int count);

// The picture format "0#": at least two digits, so 1 gives 01.
std::string FormatTwoDigits(int value);
// The picture formats "0.0000" and "0.000" applied to a database value: a
// number (or text that reads as one) gets that many decimals; other text stays
// as it is; an empty value gives "".
std::string FormatDecimals(const platform::Value& value, int decimals);

}  // namespace forecast::inputs
