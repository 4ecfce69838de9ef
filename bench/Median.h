#pragma once

#include <algorithm>
#include <vector>

// The middle of the samples: what a benchmark reports, unmoved by the odd
// slow run a busy machine gives.
inline double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples[samples.size() / 2];
}
