#pragma once

// A vertical drawing range [min, max]. A picture's scale cannot have a zero
// height, so an empty range (min = max = v) becomes v - h .. v + h with
// h = max(|v| / 2, 1), kept within the Single range.
struct Plage {
  float min = 0.0f;
  float max = 0.0f;
};

Plage PlageNonVide(Plage p);

// The smallest and largest of values[1..n] (n >= 1), made non-empty.
Plage PlageDe(const float* values1, int n);
