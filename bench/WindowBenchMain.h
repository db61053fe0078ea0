#pragma once

// main() of a benchmark that opens windows: offscreen unless told otherwise.

#include <QApplication>

#include "BenchMain.h"

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return vaz::bench::runBenchmarks(argc, argv);
}
