// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a benchmarked process holds at a point of its run, read from
// /proc/self (Linux): its resident set, the peak of it so far, and every
// library it has mapped with the part of it that is resident. Printed as
//   resident KIB
//   peak KIB
//   library KIB PATH     (one line a library)
// for bench.cpp, which sets it against the bare program's.

#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

inline void printMemoryReport(std::FILE *out)
{
    long resident = 0, peak = 0;
    if (std::FILE *status = std::fopen("/proc/self/status", "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, status)) {
            std::sscanf(line, "VmRSS: %ld", &resident);
            std::sscanf(line, "VmHWM: %ld", &peak);
        }
        std::fclose(status);
    }
    // Each library is mapped in a few parts (code, data, ...): summed by file.
    std::map<std::string, long> libraries;
    if (std::FILE *maps = std::fopen("/proc/self/smaps", "r")) {
        char line[4096];
        std::string current;
        while (std::fgets(line, sizeof line, maps)) {
            // A mapping starts with its address range, in lower-case hex; its
            // fields ("Rss:   120 kB") start with a capital.
            if (std::isxdigit(static_cast<unsigned char>(line[0])) && !std::isupper(static_cast<unsigned char>(line[0]))) {
                char path[4096] = "";
                std::sscanf(line, "%*s %*s %*s %*s %*s %4095s", path);
                current = std::strstr(path, ".so") ? path : "";
                continue;
            }
            long kib = 0;
            if (!current.empty() && std::sscanf(line, "Rss: %ld", &kib) == 1)
                libraries[current] += kib;
        }
        std::fclose(maps);
    }
    std::fprintf(out, "resident %ld\npeak %ld\n", resident, peak);
    for (const auto &[path, kib] : libraries)
        std::fprintf(out, "library %ld %s\n", kib, path.c_str());
    std::fflush(out);
}
