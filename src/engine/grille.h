#pragma once

#include <cstddef>

#include "engine/flottants_nuls.h"

// The plot grid: variable k (0..NVar) x node i (0..NI) x node j (0..NJ),
// every element starting at 0; index 0 of each dimension is storage only.
// One contiguous block, i fastest, so that a scale column j of one variable
// is a contiguous row that the transform and the colour map walk directly.
// The block comes zeroed from the system, never cleared here.
class Grille {
 public:
  Grille() = default;
  Grille(int nvar, int ni, int nj)
      : nvar_(nvar),
        ni_(ni),
        nj_(nj),
        values_(static_cast<size_t>(nvar + 1) * (ni + 1) * (nj + 1)) {}

  int NVar() const { return nvar_; }
  int NI() const { return ni_; }
  int NJ() const { return nj_; }
  bool empty() const { return values_.empty(); }

  float& operator()(int k, int i, int j) { return values_[Index(k, i, j)]; }
  float operator()(int k, int i, int j) const { return values_[Index(k, i, j)]; }

  // Nodes i = 0..NI of variable k at scale j, contiguous.
  float* Row(int k, int j) { return &values_[Index(k, 0, j)]; }
  const float* Row(int k, int j) const { return &values_[Index(k, 0, j)]; }

 private:
  size_t Index(int k, int i, int j) const {
    return (static_cast<size_t>(k) * (nj_ + 1) + j) * (ni_ + 1) + i;
  }

  int nvar_ = -1;
  int ni_ = -1;
  int nj_ = -1;
  FlottantsNuls values_;
};
