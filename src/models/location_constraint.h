#pragma once

#include <optional>
#include <string>
#include <vector>

#include "models/card_reader.h"

namespace forecast::models {

// The four kinds of location constraint a planner may set for a zone.
enum class ConstraintKind {
  Exact = 1,      // the category gets exactly the value in the zone
  ZoneTotal = 2,  // the zone's total over all categories is the value
  Maximum = 3,    // the category gets at most the value in the zone
  Minimum = 4,    // the category gets at least the value in the zone
};

struct LocationConstraint {
  ConstraintKind kind = ConstraintKind::Exact;
  int zone = 0;      // zone number
  int category = 0;  // 1-based category; 0 for a zone total
  double value = 0;
  int cardLine = 0;
};

const char* ConstraintKindName(ConstraintKind kind);

// The kinds in force for a card's constraint code 0..15, in type order; nothing
// for a code outside that range.
std::optional<std::vector<ConstraintKind>> ConstraintKindsOfCode(int code);

// Reads the constraint blocks that close a card: for each kind in force a
// count line, then that many rows. Checks categories against categoryCount;
// zones are checked against the data later.
std::vector<LocationConstraint> ReadConstraintBlocks(CardReader& reader, int code, int categoryCount);

}  // namespace forecast::models
