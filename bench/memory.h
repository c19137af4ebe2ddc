#pragma once
// The process's own resident memory, as the kernel counts it.

namespace bench {

struct ResidentMemory
{
    long currentKiB = -1; // VmRSS
    long peakKiB = -1;    // VmHWM
};

// Read from /proc/self/status; -1 where the kernel does not say.
ResidentMemory ReadResidentMemory();

} // namespace bench
