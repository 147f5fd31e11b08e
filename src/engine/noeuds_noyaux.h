#pragma once

#include <cstdint>
#include <span>

#include "engine/complexe.h"

// The kernels behind VariablesNoeuds, one per instruction set. Each computes
// the node variables of w[0..count) into puissance, amplitude and phase
// [0..count), count a multiple of its width, and returns false when a power
// does not fit a Single.
struct NoyauNoeuds {
  const char* nom;
  int32_t largeur;
  bool (*calcule)(const Complexe* w, int32_t count, float* puissance, float* amplitude,
                  float* phase);
};

// The kernels this processor runs, the widest last (the one VariablesNoeuds
// uses).
std::span<const NoyauNoeuds> NoyauxNoeuds();

// VariablesNoeuds through the given kernel.
bool VariablesNoeuds(const NoyauNoeuds& noyau, std::span<const Complexe> w, int32_t n,
                     float* puissance, float* amplitude, float* phase);

// Built in their own files, for processors that have the instruction set.
bool NoeudsAvx2(const Complexe* w, int32_t count, float* puissance, float* amplitude, float* phase);
bool NoeudsAvx512(const Complexe* w, int32_t count, float* puissance, float* amplitude,
                  float* phase);
