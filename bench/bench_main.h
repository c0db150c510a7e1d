// Shared by the benchmarks and their entry point.
#pragma once

namespace vxr::bench {

// How many message boxes the run's watchdog has closed so far; a calculation that opens one is not measured.
int messageBoxesClosed();

}  // namespace vxr::bench
