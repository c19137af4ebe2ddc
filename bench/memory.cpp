#include "bench/memory.h"

#include <cstdio>

namespace bench {

ResidentMemory ReadResidentMemory()
{
    ResidentMemory memory;
    std::FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return memory;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        long value = 0;
        if (std::sscanf(line, "VmRSS: %ld kB", &value) == 1)
            memory.currentKiB = value;
        else if (std::sscanf(line, "VmHWM: %ld kB", &value) == 1)
            memory.peakKiB = value;
    }
    std::fclose(status);
    return memory;
}

} // namespace bench
