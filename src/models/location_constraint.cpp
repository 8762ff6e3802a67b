#include "models/location_constraint.h"

namespace forecast::models {

const char* ConstraintKindName(ConstraintKind kind) {
  switch (kind) {
    case ConstraintKind::Exact: return "exact value";
    case ConstraintKind::ZoneTotal: return "zone total";
    case ConstraintKind::Maximum: return "maximum";
    case ConstraintKind::Minimum: return "minimum";
  }
  return "?";
}

std::optional<std::vector<ConstraintKind>> ConstraintKindsOfCode(int code) {
  if (code < 0 || code > 15) return std::nullopt;
  // Codes 0..7 number the sets of types 1 to 3; adding 8 adds type 4. Not a bit mask.
  static const std::vector<ConstraintKind> kWithoutMinimum[8] = {
      {},
      {ConstraintKind::Exact},
      {ConstraintKind::ZoneTotal},
      {ConstraintKind::Maximum},
      {ConstraintKind::Exact, ConstraintKind::ZoneTotal},
      {ConstraintKind::Exact, ConstraintKind::Maximum},
      {ConstraintKind::ZoneTotal, ConstraintKind::Maximum},
      {ConstraintKind::Exact, ConstraintKind::ZoneTotal, ConstraintKind::Maximum},
  };
  std::vector<ConstraintKind> kinds = kWithoutMinimum[code % 8];
  if (code >= 8) kinds.push_back(ConstraintKind::Minimum);
  return kinds;
}

std::vector<LocationConstraint> ReadConstraintBlocks(CardReader& reader, int code, int categoryCount) {
  const std::optional<std::vector<ConstraintKind>> kinds = ConstraintKindsOfCode(code);
  if (!kinds) {
    throw ModelInputError(reader.FileName() + ": the constraint code " + std::to_string(code) + " is not one of 0 to 15.");
  }
  std::vector<LocationConstraint> constraints;
  for (ConstraintKind kind : *kinds) {
    const std::string kindName = ConstraintKindName(kind);
    CardLine countLine = reader.Next("the count line of the " + kindName + " constraints");
    const int count = countLine.Integer(7, "the number of " + kindName + " constraints");
    if (count < 0) throw countLine.Error("the number of " + kindName + " constraints is negative");
    for (int i = 0; i < count; ++i) {
      CardLine row = reader.Next("row " + std::to_string(i + 1) + " of the " + kindName + " constraints");
      LocationConstraint constraint;
      constraint.kind = kind;
      constraint.cardLine = row.LineNumber();
      constraint.zone = row.Integer(7, "the zone of a " + kindName + " constraint");
      if (kind != ConstraintKind::ZoneTotal) {
        constraint.category = row.Integer(5, "the category of a " + kindName + " constraint");
        if (constraint.category < 1 || constraint.category > categoryCount) {
          throw row.Error("the " + kindName + " constraint names category " + std::to_string(constraint.category) +
                          "; the categories are 1 to " + std::to_string(categoryCount));
        }
      }
      constraint.value = row.Number(10, "the value of a " + kindName + " constraint");
      if (constraint.value < 0) throw row.Error("the " + kindName + " constraint has a negative value");
      constraints.push_back(constraint);
    }
  }
  if (!reader.OnlyBlankLinesLeft()) {
    throw ModelInputError(reader.FileName() + " has lines after its constraint blocks; the counts and the rows do not agree.");
  }
  return constraints;
}

}  // namespace forecast::models
