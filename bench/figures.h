#pragma once
// The clocks and the summary the benchmarks print their figures with.

#include <vector>

// Seconds on the monotonic clock, which every process of the machine shares.
double NowSeconds();
// CPU time of this process so far, user and system, every thread: seconds.
double ProcessCpuSeconds();
// The middle figure (the mean of the two middle ones for an even count); 0 for none.
double Median(std::vector<double> figures);
// The least figure; 0 for none.
double Minimum(const std::vector<double> &figures);
