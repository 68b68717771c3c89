// The answer key: 100,000 generated rows of ordinary school input, answered
// as JSON Lines and as CSV through the whole command (CSV read by libcsv,
// each row answered and written as it completes), and one row's parts on
// their own. Then what the Exact values window does on every keystroke:
// its text worked out, and shown. Registered as the program starts, so the
// benchmark's main need not name them.
#include "app/answer_key.h"
#include "app/answer_rows.h"
#include "main_window/exact_values/exact_window.h"

#include <QTextBrowser>

#include <benchmark/benchmark.h>
#include <cstdio>
#include <random>
#include <string>

namespace {

constexpr int keyRows = 100'000;

// Whole numbers and numbers with one or two decimals between -20 and 20, as
// a worksheet has them; a few lines end up vertical or parallel.
const std::string& generatedRows()
{
    static const std::string csv = [] {
        std::mt19937 rng(2008);
        std::uniform_int_distribution<int> whole(-20, 20);
        std::uniform_int_distribution<int> kind(0, 3);
        std::string out = "X1,Y1,X2,Y2,X1,Y1,X2,Y2\r\n";
        for (int row = 0; row < keyRows; ++row) {
            for (int k = 0; k < 8; ++k) {
                if (k > 0)
                    out += ',';
                out += std::to_string(whole(rng));
                if (const int decimals = kind(rng); decimals >= 2)
                    out += '.'
                        + std::to_string(
                            decimals == 2 ? (whole(rng) + 20) % 10 : (whole(rng) + 20) * 2);
            }
            out += "\r\n";
        }
        return out;
    }();
    return csv;
}

void answerKey(benchmark::State& state, answers::Format format)
{
    const std::string& csv = generatedRows();
    std::FILE* sink = std::fopen("/dev/null", "wb");
    std::FILE* errors = std::fopen("/dev/null", "wb");
    answers::AnswerKeyRequest request;
    request.format = format;
    for (auto _ : state) {
        std::FILE* in = fmemopen(const_cast<char*>(csv.data()), csv.size(), "rb");
        const trellan::Result<trellan::ExitStatus> status
            = answers::writeAnswerKey(in, sink, errors, request, "trellan");
        std::fclose(in);
        if (!status || *status != trellan::ExitStatus::Done)
            state.SkipWithError("a generated row failed");
    }
    std::fclose(sink);
    std::fclose(errors);
    state.SetItemsProcessed(state.iterations() * keyRows);
}

const answers::TypedRow ordinaryRow { "-6", "0", "8", "7", "-7", "-5", "6", "8" };

void windowTexts(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(answers::freshWindowAnswer(
            { { "-6", "0", "8", "7" }, { "-7", "-5", "6", "8" }, "-10", "10" }));
}

void wholeRow(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(answers::answerRow(2, ordinaryRow, "-10", "10"));
}

void jsonLine(benchmark::State& state)
{
    const answers::Answer a = answers::answerRow(2, ordinaryRow, "-10", "10");
    for (auto _ : state)
        benchmark::DoNotOptimize(answers::jsonAnswer(a));
}

void csvRecord(benchmark::State& state)
{
    const answers::Answer a = answers::answerRow(2, ordinaryRow, "-10", "10");
    for (auto _ : state)
        benchmark::DoNotOptimize(answers::csvAnswer(a));
}

const core::TypedFields closeSlopes { { "0", "0", "1", "0.1" },
    { "0", "1", "1", "1.1000000000000001" }, "-10", "10" };

void exactPageText(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(ExactWindow::pageHtml(closeSlopes));
}

// The text worked out and laid out in the window's text browser.
void exactPageShown(benchmark::State& state)
{
    QTextBrowser page;
    page.resize(480, 440);
    for (auto _ : state) {
        page.setHtml(ExactWindow::pageHtml(closeSlopes));
        benchmark::DoNotOptimize(page.document()->size());
    }
}

const bool registered = [] {
    benchmark::RegisterBenchmark("AnswerKey/Jsonl/100000_rows", answerKey, answers::Format::Jsonl)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("AnswerKey/Csv/100000_rows", answerKey, answers::Format::Csv)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("AnswerKey/Row/window_texts", windowTexts);
    benchmark::RegisterBenchmark("AnswerKey/Row/window_and_exact", wholeRow);
    benchmark::RegisterBenchmark("AnswerKey/Row/json_line", jsonLine);
    benchmark::RegisterBenchmark("AnswerKey/Row/csv_record", csvRecord);
    benchmark::RegisterBenchmark("ExactWindow/keystroke/text", exactPageText)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ExactWindow/keystroke/text_shown", exactPageShown)
        ->Unit(benchmark::kMicrosecond);
    return true;
}();

} // namespace
