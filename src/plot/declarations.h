#pragma once

#include "plot/plot_model.h"

// Axis routines shared by the plot window and its calibration dialog.

// World coordinate of a data value: x on a linear axis (base 1), its base-B
// logarithm otherwise.
float LogBase(double base, double x);
// Data value of a world coordinate: x on a linear axis, base^x otherwise.
float PuisBase(double base, double x);

// Integer exponent below (sens 0) or above (sens -1) a positive x in a base
// above 1: for x >= 1 with k the smallest exponent >= 1 such that base^k >= x,
// k - 1 (sens 0) or k; for x < 1 with k the largest exponent <= -1 such that
// base^k <= x, k (sens 0) or k + 1. The search runs over the 16-bit
// exponents only; outside its domain (base not above 1, x not positive or
// not finite) it gives 0 for sens 0 and 1 otherwise, so that the range stays
// ordered.
int ExposantBorne(int sens, double base, double x);

// Axis ranges from the extents of the axis variable: logarithmic (whole
// exponents, one tick per exponent; format and zoom corners kept) or linear
// (full range, zoom corners reset, ticks every 2 % and labels every 10 %,
// default format).
void CalageLogX(PlotModel& m);
void CalageLogY(PlotModel& m);
void CalageLinX(PlotModel& m);
void CalageLinY(PlotModel& m);
