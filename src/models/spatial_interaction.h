#pragma once

#include <vector>

#include "models/impedance_matrix.h"

namespace forecast::models {

// The impedances prepared once per run: each pair's impedance and its
// logarithm, so that the deterrence of a category costs one exp per pair.
class ImpedanceTerms {
 public:
  // Impedances of zero (the travel model's intrazonal zeros) are taken as
  // half the smallest positive impedance, since c^alpha needs c above zero.
  // The matrix must outlive the terms.
  explicit ImpedanceTerms(const ImpedanceMatrix& matrix);

  int ZoneCount() const { return zones_; }
  int RaisedCells() const { return raisedCells_; }
  double RaisedTo() const { return raisedTo_; }

  // c^alpha exp(beta c) for every pair, row-major, all multiplied by one
  // factor that makes the largest 1: the factor cancels in every share and
  // keeps large coefficients from overflowing.
  void Deterrence(double alpha, double beta, MatrixValues* out) const;

 private:
  int zones_ = 0;
  int raisedCells_ = 0;
  double raisedTo_ = 0;
  const MatrixValues& cost_;  // as given; zeros are raised where they are used
  MatrixValues logCost_;
};

// log of a multiplicative term of an attractiveness; -inf (a weight of 0) for 0.
double LogOrMinusInfinity(double value);

// exp of each log weight, scaled so the largest is 1; -inf gives 0.
std::vector<double> WeightsFromLogs(const std::vector<double>& logWeights);

struct InteractionResult {
  std::vector<double> arriving;  // per zone
  double unplaced = 0;           // amount of zones that reach no zone with weight
};

// Origin-constrained: the amount of each origin i goes to the destinations j
// in proportion to W_j f_ij. Returns what arrives at each destination.
InteractionResult SpreadFromOrigins(const MatrixValues& deterrence, int zones, const std::vector<double>& amountAtOrigin,
                                    const std::vector<double>& destinationWeight);

// Destination-constrained: the amount of each destination j comes from the
// origins i in proportion to W_i f_ij. Returns what each origin supplies.
InteractionResult DrawFromOrigins(const MatrixValues& deterrence, int zones, const std::vector<double>& amountAtDestination,
                                  const std::vector<double>& originWeight);

}  // namespace forecast::models
