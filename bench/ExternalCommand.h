#pragma once

#include <string>

namespace picdec::bench {

// Processor seconds (user and system) one run of a shell command and its
// children take; negative if it failed. Processor time, not wall time, since
// the machines the benchmarks run on are often shared.
double TimeCommand(const std::string& command);

}  // namespace picdec::bench
