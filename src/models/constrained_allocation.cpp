#include "models/constrained_allocation.h"

#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <tuple>

#include "models/model_error.h"
#include "models/model_text.h"
#include "models/proportional_share.h"

namespace forecast::models {

namespace {

struct CellLimits {
  std::optional<double> exact;
  ShareBounds bounds;
  bool fixed = false;
  double fixedValue = 0;
};

bool Close(double a, double b) { return std::fabs(a - b) <= 1e-9 * std::max(1.0, std::fabs(b)); }

class Allocator {
 public:
  explicit Allocator(const AllocationRequest& request) : request_(request) {
    categories_ = static_cast<int>(request.forecast.size());
    zones_ = static_cast<int>(request.zoneNumbers.size());
    for (int z = 0; z < zones_; ++z) zoneIndex_[request.zoneNumbers[static_cast<size_t>(z)]] = z;
    cells_.assign(static_cast<size_t>(categories_), std::vector<CellLimits>(static_cast<size_t>(zones_)));
    zoneTotals_.assign(static_cast<size_t>(zones_), std::nullopt);
    result_.outcomes.resize(request.constraints.size());
  }

  ConstrainedAllocation Run() {
    CollectLimits();
    ResolveContradictions();
    FixZoneTotals();
    ShareRegionalTotals();
    DescribeOutcomes();
    return std::move(result_);
  }

 private:
  CellLimits& Cell(int category, int zone) { return cells_[static_cast<size_t>(category)][static_cast<size_t>(zone)]; }
  double Forecast(int category, int zone) const {
    return request_.forecast[static_cast<size_t>(category)][static_cast<size_t>(zone)];
  }
  std::string CategoryName(int category) const {
    const auto index = static_cast<size_t>(category);
    const std::string name = index < request_.categoryNames.size() ? request_.categoryNames[index] : std::string();
    return "category " + std::to_string(category + 1) + (name.empty() ? "" : " (" + name + ")");
  }
  std::string ZoneName(int zone) const { return "zone " + std::to_string(request_.zoneNumbers[static_cast<size_t>(zone)]); }
  void Note(size_t constraint, const std::string& text) {
    if (constraint < result_.outcomes.size()) {
      std::string& note = result_.outcomes[constraint].note;
      note += (note.empty() ? "" : " ") + text;
    }
    result_.problems.push_back(text);
  }

  int ZoneOf(const LocationConstraint& c) const {
    const auto found = zoneIndex_.find(c.zone);
    if (found == zoneIndex_.end()) {
      throw ModelInputError(request_.cardName + " line " + std::to_string(c.cardLine) + ": the " + ConstraintKindName(c.kind) +
                            " constraint names zone " + std::to_string(c.zone) + ", which the region does not have.");
    }
    return found->second;
  }

  void CollectLimits() {
    constraintZones_.resize(request_.constraints.size());
    for (size_t i = 0; i < request_.constraints.size(); ++i) {
      const LocationConstraint& c = request_.constraints[i];
      const int zone = ZoneOf(c);
      constraintZones_[i] = zone;
      const std::string where = ZoneName(zone) + (c.kind == ConstraintKind::ZoneTotal ? "" : ", " + CategoryName(c.category - 1));
      std::optional<double>* slot = nullptr;
      double* bound = nullptr;
      if (c.kind == ConstraintKind::ZoneTotal) slot = &zoneTotals_[static_cast<size_t>(zone)];
      if (c.kind == ConstraintKind::Exact) slot = &Cell(c.category - 1, zone).exact;
      if (c.kind == ConstraintKind::Minimum) bound = &Cell(c.category - 1, zone).bounds.lower;
      if (c.kind == ConstraintKind::Maximum) bound = &Cell(c.category - 1, zone).bounds.upper;
      const bool repeated = slot != nullptr ? slot->has_value() : seenBounds_.count({c.kind, zone, c.category}) > 0;
      if (repeated) {
        Note(i, std::string("The ") + ConstraintKindName(c.kind) + " for " + where + " is given more than once; the value " +
                    PlainDecimal(c.value) + " of card line " + std::to_string(c.cardLine) + " is used.");
      }
      if (slot != nullptr) *slot = c.value;
      if (bound != nullptr) *bound = c.value;
      seenBounds_.insert({c.kind, zone, c.category});
    }
  }

  size_t ConstraintIndex(ConstraintKind kind, int zone, int category) const {
    size_t found = request_.constraints.size();
    for (size_t i = 0; i < request_.constraints.size(); ++i) {
      const LocationConstraint& c = request_.constraints[i];
      if (c.kind == kind && constraintZones_[i] == zone && c.category == category) found = i;  // the last one is in force
    }
    return found;
  }

  void ResolveContradictions() {
    for (int k = 0; k < categories_; ++k) {
      for (int z = 0; z < zones_; ++z) {
        CellLimits& cell = Cell(k, z);
        const std::string where = ZoneName(z) + ", " + CategoryName(k);
        if (cell.bounds.lower > cell.bounds.upper) {
          Note(ConstraintIndex(ConstraintKind::Maximum, z, k + 1),
               "The minimum " + PlainDecimal(cell.bounds.lower) + " for " + where + " is above its maximum " +
                   PlainDecimal(cell.bounds.upper) + "; the minimum is kept.");
          cell.bounds.upper = cell.bounds.lower;
        }
        if (cell.exact && (*cell.exact < cell.bounds.lower || *cell.exact > cell.bounds.upper)) {
          Note(ConstraintIndex(ConstraintKind::Exact, z, k + 1),
               "The exact value " + PlainDecimal(*cell.exact) + " for " + where + " lies outside its minimum or maximum; the exact value is kept.");
        }
        if (cell.exact) {
          cell.fixed = true;
          cell.fixedValue = *cell.exact;
        }
      }
    }
  }

  void FixZoneTotals() {
    for (int z = 0; z < zones_; ++z) {
      const std::optional<double>& total = zoneTotals_[static_cast<size_t>(z)];
      if (!total) continue;
      const size_t constraint = ConstraintIndex(ConstraintKind::ZoneTotal, z, 0);
      double exactSum = 0;
      std::vector<int> free;
      std::vector<double> weights, fallback;
      std::vector<ShareBounds> bounds;
      for (int k = 0; k < categories_; ++k) {
        CellLimits& cell = Cell(k, z);
        if (cell.fixed) {
          exactSum += cell.fixedValue;
          continue;
        }
        free.push_back(k);
        weights.push_back(Forecast(k, z));
        fallback.push_back(request_.targets[static_cast<size_t>(k)]);
        bounds.push_back(cell.bounds);
      }
      if (free.empty()) {
        if (!Close(exactSum, *total)) {
          Note(constraint, "The total " + PlainDecimal(*total) + " for " + ZoneName(z) + " cannot be met: exact values fix every category at " +
                               PlainDecimal(exactSum) + " together.");
        }
        continue;
      }
      const SharedTotal shared = ShareInProportion(weights, bounds, *total - exactSum, fallback);
      if (!shared.reached) {
        Note(constraint, "The total " + PlainDecimal(*total) + " for " + ZoneName(z) + " cannot be met within the zone's other constraints; it gets " +
                             PlainDecimal(exactSum + shared.total) + ".");
      }
      for (size_t i = 0; i < free.size(); ++i) {
        CellLimits& cell = Cell(free[i], z);
        cell.fixed = true;
        cell.fixedValue = shared.values[i];
      }
    }
  }

  void ShareRegionalTotals() {
    result_.values.assign(static_cast<size_t>(categories_), std::vector<double>(static_cast<size_t>(zones_), 0.0));
    for (int k = 0; k < categories_; ++k) {
      std::vector<double>& values = result_.values[static_cast<size_t>(k)];
      const double target = request_.targets[static_cast<size_t>(k)];
      double fixedSum = 0;
      std::vector<int> free;
      std::vector<double> weights, fallback;
      std::vector<ShareBounds> bounds;
      for (int z = 0; z < zones_; ++z) {
        const CellLimits& cell = Cell(k, z);
        if (cell.fixed) {
          values[static_cast<size_t>(z)] = cell.fixedValue;
          fixedSum += cell.fixedValue;
          continue;
        }
        free.push_back(z);
        weights.push_back(Forecast(k, z));
        bounds.push_back(cell.bounds);
        const auto index = static_cast<size_t>(z);
        fallback.push_back(index < request_.fallbackZoneWeights.size() ? request_.fallbackZoneWeights[index] : 1.0);
      }
      const SharedTotal shared = ShareInProportion(weights, bounds, target - fixedSum, fallback);
      for (size_t i = 0; i < free.size(); ++i) values[static_cast<size_t>(free[i])] = shared.values[i];
      CategoryBalance balance;
      balance.target = target;
      balance.achieved = fixedSum + shared.total;
      balance.reached = Close(balance.achieved, target);
      if (!balance.reached) {
        result_.problems.push_back("The regional total " + PlainDecimal(target) + " of " + CategoryName(k) +
                                   " cannot be met within the constraints; the forecast comes as close as they allow: " +
                                   Decimals(balance.achieved, 4) + ".");
      }
      result_.balances.push_back(balance);
    }
  }

  void DescribeOutcomes() {
    for (size_t i = 0; i < request_.constraints.size(); ++i) {
      const LocationConstraint& c = request_.constraints[i];
      const int zone = constraintZones_[i];
      ConstraintOutcome& outcome = result_.outcomes[i];
      outcome.constraint = c;
      if (c.kind == ConstraintKind::ZoneTotal) {
        for (int k = 0; k < categories_; ++k) {
          outcome.before += Forecast(k, zone);
          outcome.after += result_.values[static_cast<size_t>(k)][static_cast<size_t>(zone)];
        }
      } else {
        outcome.before = Forecast(c.category - 1, zone);
        outcome.after = result_.values[static_cast<size_t>(c.category - 1)][static_cast<size_t>(zone)];
      }
    }
  }

  struct BoundKey {
    ConstraintKind kind;
    int zone;
    int category;
    bool operator<(const BoundKey& o) const {
      return std::tie(kind, zone, category) < std::tie(o.kind, o.zone, o.category);
    }
  };

  const AllocationRequest& request_;
  int categories_ = 0;
  int zones_ = 0;
  std::map<int, int> zoneIndex_;
  std::vector<std::vector<CellLimits>> cells_;
  std::vector<std::optional<double>> zoneTotals_;
  std::vector<int> constraintZones_;
  std::set<BoundKey> seenBounds_;
  ConstrainedAllocation result_;
};

}  // namespace

ConstrainedAllocation AllocateWithConstraints(const AllocationRequest& request) { return Allocator(request).Run(); }

}  // namespace forecast::models
