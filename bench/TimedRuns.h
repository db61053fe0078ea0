#pragma once

// What the window benchmarks that time their own runs share: the offscreen
// platform unless told otherwise, --runs=N, and one line a figure.

#include <QByteArray>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace vaz::bench {

inline void useOffscreenUnlessTold()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// 15 without --runs=N; 0 after saying the usage, for anything else.
inline int runsFrom(int argc, char **argv, const char *program)
{
    int runs = 15;
    for (int i = 1; i < argc && runs > 0; ++i) {
        const QByteArray arg(argv[i]);
        runs = arg.startsWith("--runs=") ? arg.mid(7).toInt() : 0;
    }
    if (runs < 1)
        std::fprintf(stderr, "usage: %s [--runs=N]\n", program);
    return std::max(runs, 0);
}

inline void report(const char *what, std::vector<double> ms, double target)
{
    std::sort(ms.begin(), ms.end());
    std::printf("%-28s median %7.2f ms   worst %7.2f ms   (target under %.0f ms, %zu runs)\n", what, ms[ms.size() / 2],
                ms.back(), target, ms.size());
}

}  // namespace vaz::bench
