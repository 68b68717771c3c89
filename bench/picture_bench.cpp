// The picture leaving the window: the copy to the clipboard, the SVG at the
// default and the widest tick range, and the printed page as a PDF.
#include "bench/picture_bench.h"

#include "bench/form_bench.h"
#include "graph/drawing_record.h"
#include "graph/graph_panel.h"
#include "main_window/files/picture_actions.h"

#include <QPrinter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace bench {

namespace {

const Range defaultRange { "default", QStringLiteral("-10"), QStringLiteral("10") };
const Range widestRange { "-32768..32766", QStringLiteral("-32768"), QStringLiteral("32766") };

void drawn(Form1& form, const Range& range)
{
    SetRange(form, range);
    form.cmd_bothlines_Click();
}

void CopyPicture(benchmark::State& state)
{
    Form1& form = SharedForm();
    drawn(form, defaultRange);
    for (auto _ : state)
        form.pictureActions->copy();
}

void Svg(benchmark::State& state, const Range& range)
{
    Form1& form = SharedForm();
    drawn(form, range);
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray svg = form.p1->record().svg();
        bytes = svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    state.counters["bytes"] = double(bytes);
}

void PdfPage(benchmark::State& state)
{
    Form1& form = SharedForm();
    drawn(form, defaultRange);
    QTemporaryDir dir;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
        form.pictureActions->printPage(printer);
    }
}

} // namespace

void RegisterPictureBenchmarks()
{
    benchmark::RegisterBenchmark("Picture/Copy/default", CopyPicture)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Picture/Svg/default", Svg, defaultRange)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Picture/Svg/-32768..32766", Svg, widestRange)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Picture/PdfPage/default", PdfPage)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
}

} // namespace bench
