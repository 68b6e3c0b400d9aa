// The main program of every benchmark: runs the registered benchmarks with the console reporter and
// then prints each figure as a ratio to the outside reference it was registered against, measured
// in the same run. A ratio reads as "how many times the reference's time".
#pragma once

#include <string>

namespace kwbench {

// Declares that the benchmark run named name is read against the run named reference.
struct Compare {
    Compare(std::string name, std::string reference);
};

} // namespace kwbench
