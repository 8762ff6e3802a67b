#include "models/spatial_interaction.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace forecast::models {

ImpedanceTerms::ImpedanceTerms(const ImpedanceMatrix& matrix) : zones_(matrix.zoneCount), cost_(matrix.values) {
  double smallest = std::numeric_limits<double>::infinity();
  for (double c : cost_) {
    if (c > 0) smallest = std::min(smallest, c);
  }
  raisedTo_ = std::isfinite(smallest) ? smallest / 2 : 1.0;
  logCost_.resize(cost_.size());
  for (size_t i = 0; i < cost_.size(); ++i) {
    if (!(cost_[i] > 0)) ++raisedCells_;
    logCost_[i] = std::log(cost_[i] > 0 ? cost_[i] : raisedTo_);
  }
}

void ImpedanceTerms::Deterrence(double alpha, double beta, MatrixValues* out) const {
  const size_t n = cost_.size();
  out->resize(n);
  double* f = out->data();
  const double* c = cost_.data();
  const double* lc = logCost_.data();
  double largest = -std::numeric_limits<double>::infinity();
  for (size_t i = 0; i < n; ++i) {
    f[i] = alpha * lc[i] + beta * (c[i] > 0 ? c[i] : raisedTo_);
    largest = std::max(largest, f[i]);
  }
  for (size_t i = 0; i < n; ++i) f[i] = std::exp(f[i] - largest);
}

double LogOrMinusInfinity(double value) {
  return value > 0 ? std::log(value) : -std::numeric_limits<double>::infinity();
}

std::vector<double> WeightsFromLogs(const std::vector<double>& logWeights) {
  double largest = -std::numeric_limits<double>::infinity();
  for (double v : logWeights) largest = std::max(largest, v);
  std::vector<double> weights(logWeights.size(), 0.0);
  if (!std::isfinite(largest)) return weights;
  for (size_t i = 0; i < logWeights.size(); ++i) weights[i] = std::exp(logWeights[i] - largest);
  return weights;
}

InteractionResult SpreadFromOrigins(const MatrixValues& deterrence, int zones, const std::vector<double>& amountAtOrigin,
                                    const std::vector<double>& destinationWeight) {
  const auto n = static_cast<size_t>(zones);
  InteractionResult result;
  result.arriving.assign(n, 0.0);
  double* arriving = result.arriving.data();
  const double* w = destinationWeight.data();
  for (size_t i = 0; i < n; ++i) {
    const double amount = amountAtOrigin[i];
    if (amount == 0) continue;
    const double* f = deterrence.data() + i * n;
    double reach = 0;
    for (size_t j = 0; j < n; ++j) reach += w[j] * f[j];
    if (!(reach > 0)) {
      result.unplaced += amount;
      continue;
    }
    const double factor = amount / reach;
    for (size_t j = 0; j < n; ++j) arriving[j] += factor * w[j] * f[j];
  }
  return result;
}

InteractionResult DrawFromOrigins(const MatrixValues& deterrence, int zones, const std::vector<double>& amountAtDestination,
                                  const std::vector<double>& originWeight) {
  const auto n = static_cast<size_t>(zones);
  // Each destination's pull over all origins, gathered row by row to read the matrix in order.
  std::vector<double> pull(n, 0.0);
  for (size_t i = 0; i < n; ++i) {
    const double w = originWeight[i];
    if (w == 0) continue;
    const double* f = deterrence.data() + i * n;
    for (size_t j = 0; j < n; ++j) pull[j] += w * f[j];
  }
  InteractionResult result;
  std::vector<double> perPull(n, 0.0);
  for (size_t j = 0; j < n; ++j) {
    if (amountAtDestination[j] == 0) continue;
    if (pull[j] > 0) perPull[j] = amountAtDestination[j] / pull[j];
    else result.unplaced += amountAtDestination[j];
  }
  result.arriving.assign(n, 0.0);
  for (size_t i = 0; i < n; ++i) {
    const double w = originWeight[i];
    if (w == 0) continue;
    const double* f = deterrence.data() + i * n;
    double sum = 0;
    for (size_t j = 0; j < n; ++j) sum += perPull[j] * f[j];
    result.arriving[i] = w * sum;
  }
  return result;
}

}  // namespace forecast::models
