#pragma once

#include <sys/types.h>

// What a process costs: processor time summed over its threads, from the scheduler's own
// nanosecond accounting (/proc/PID/task/*/schedstat; /proc/PID/stat counts in 10 ms ticks),
// and its resident memory.
namespace joyvane::perf {

// Nanoseconds the process's threads have run so far; -1 when it cannot be read.
long long cpuNanoseconds(pid_t pid);
// Resident memory (VmRSS) in megabytes; -1 when it cannot be read.
double residentMegabytes(pid_t pid);

}  // namespace joyvane::perf
