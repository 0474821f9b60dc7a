#pragma once

#include <fstream>
#include <string>

// The process's resident memory (field "VmRSS") or its peak ("VmHWM") in KiB.
inline double residentKiB(const char *field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0)
            return std::stod(line.substr(std::string(field).size() + 1));
    }
    return 0;
}

// The peak starts again from now.
inline void resetPeak()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}
