// trellan_bench: the drawing and the window's frequent steps, on the
// offscreen platform. Without flags of its own it reports the median of five
// repetitions of each benchmark.
#include "bench/drawing_bench.h"
#include "bench/form_bench.h"
#include "bench/picture_bench.h"
#include "bench/window_bench.h"
#include "look/fonts.h"

#include <QApplication>

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    look::installFontSubstitutions(); // the faces as the program maps them

    std::vector<char*> args(argv, argv + argc);
    const auto given = [&](const char* flag) {
        for (char* arg : args)
            if (std::strncmp(arg, flag, std::strlen(flag)) == 0)
                return true;
        return false;
    };
    static char repetitions[] = "--benchmark_repetitions=5";
    static char aggregatesOnly[] = "--benchmark_report_aggregates_only=true";
    if (!given("--benchmark_repetitions"))
        args.push_back(repetitions);
    if (!given("--benchmark_report_aggregates_only"))
        args.push_back(aggregatesOnly);
    int count = static_cast<int>(args.size());

    bench::RegisterDrawingBenchmarks();
    bench::RegisterWindowBenchmarks();
    bench::RegisterEquationBenchmarks();
    bench::RegisterPictureBenchmarks();
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    bench::ReleaseSharedForm();
    return 0;
}
