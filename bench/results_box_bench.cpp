// A megabyte pasted into the report box, timed until the event loop is free
// again: the text laid out and the box painted. Without a blank, as ordinary
// words, and as words just short of the longest the box still breaks
// between. Registered as the program starts, so the benchmark's main need not
// name them.
#include "bench/form_bench.h"
#include "main_window/exact_values/exact_window.h"
#include "main_window/widgets/word_wrap.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextOption>

#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr qsizetype Megabyte = 1 << 20;

QString noBlank()
{
    return QString(Megabyte, u'x');
}

// Words of a report's length, ten to a line.
QString ordinaryWords()
{
    const QString words[] = { QStringLiteral("Intersection:"), QStringLiteral("(2,"),
        QStringLiteral("4)"), QStringLiteral("Equation"), QStringLiteral("Y"), QStringLiteral("="),
        QStringLiteral("0.5"), QStringLiteral("X"), QStringLiteral("+"), QStringLiteral("3") };
    QString text;
    text.reserve(Megabyte + 16);
    for (int k = 0; text.size() < Megabyte; ++k)
        text += words[k % 10] + (k % 10 == 9 ? u'\n' : u' ');
    return text;
}

// One paragraph of the longest words the box still breaks between, each
// with its blank.
QString longestWords()
{
    QString text;
    text.reserve(Megabyte + word_wrap::LongestWord + 1);
    while (text.size() < Megabyte)
        text += QString(word_wrap::LongestWord - 1, u'y') + u' ';
    return text;
}

void paste(benchmark::State& state, QString (*make)(), QTextOption::WrapMode expected)
{
    Form1& form = bench::SharedForm();
    QPlainTextEdit* box = form.txt_results;
    const QString text = make();
    for (auto _ : state) {
        state.PauseTiming();
        box->clear();
        QApplication::processEvents();
        state.ResumeTiming();
        box->insertPlainText(text);
        QApplication::processEvents();
    }
    if (box->wordWrapMode() != expected)
        state.SkipWithError("the box did not wrap as this text should");
    box->clear();
    QApplication::processEvents();
}

// A keystroke in an end point while the Exact values window is open, with
// the widest numbers it works with: a thousand digits either side of the
// point in every end point, so that its fractions run to thousands of digits
// without a blank.
void exactWidest(benchmark::State& state, bool whole)
{
    std::mt19937 rng(12);
    std::uniform_int_distribution<int> digit(1, 9);
    const auto widest = [&] {
        QString s;
        for (int k = 0; k < 2001; ++k)
            s += k == 1000 ? u'.' : QChar(u'0' + digit(rng));
        return s;
    };
    Form1& form = bench::SharedForm();
    QLineEdit* const fields[]
        = { form.t1, form.t2, form.t3, form.t4, form.t1_b, form.t2_b, form.t3_b, form.t4_b };
    QStringList before;
    for (QLineEdit* field : fields) {
        before << field->text();
        field->setText(widest());
    }
    const QString typed[] = { widest(), widest() };
    ExactWindow* window = ExactWindow::open(&form,
        { form.t1, form.t2, form.t3, form.t4, form.t1_b, form.t2_b, form.t3_b, form.t4_b,
            form.txmin, form.txmax });
    QApplication::processEvents();
    const auto* page = window->findChild<QTextBrowser*>(QStringLiteral("exactPage"));
    int k = 0;
    for (auto _ : state) {
        form.t1->setText(typed[++k % 2]);
        QApplication::processEvents();
        if (whole) // what the window lays out later, a piece at a time, while idle
            benchmark::DoNotOptimize(page->document()->size());
    }
    state.counters["longest_word"]
        = static_cast<double>(word_wrap::longestWord(page->toPlainText()));
    window->close();
    for (int f = 0; f < 8; ++f)
        fields[f]->setText(before[f]);
    QApplication::processEvents();
}

// A keystroke in line one's X1 while the Exact values window is open on the
// start-up pair: the field's edit and the window's page brought up to date
// and laid out whole, as `ExactWindow/keystroke/text_shown` lays out its
// page; painting is left out, as there.
void exactDefault(benchmark::State& state)
{
    Form1& form = bench::SharedForm();
    const QString before = form.t1->text();
    ExactWindow* window = ExactWindow::open(&form,
        { form.t1, form.t2, form.t3, form.t4, form.t1_b, form.t2_b, form.t3_b, form.t4_b,
            form.txmin, form.txmax });
    QApplication::processEvents();
    const QString typed[] = { before + u'1', before };
    int k = 0;
    for (auto _ : state) {
        form.t1->setText(typed[++k % 2]);
        benchmark::DoNotOptimize(window->page()->document()->size());
    }
    // A window opened afresh shows the fields as they are.
    const QString shown = window->page()->toPlainText();
    window->close();
    window = ExactWindow::open(&form,
        { form.t1, form.t2, form.t3, form.t4, form.t1_b, form.t2_b, form.t3_b, form.t4_b,
            form.txmin, form.txmax });
    if (window->page()->toPlainText() != shown)
        state.SkipWithError("the page does not show the last keystroke");
    window->close();
    form.t1->setText(before);
    QApplication::processEvents();
}

const bool registered = [] {
    benchmark::RegisterBenchmark("ExactWindow/keystroke/default", exactDefault)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("ExactWindow/keystroke/widest_shown", exactWidest, false)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ExactWindow/keystroke/widest_all_laid_out", exactWidest, true)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(
        "ResultsBox/paste/megabyte_without_blank", paste, noBlank, QTextOption::WrapAnywhere)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("ResultsBox/paste/megabyte_of_ordinary_words", paste,
        ordinaryWords, QTextOption::WrapAtWordBoundaryOrAnywhere)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("ResultsBox/paste/megabyte_of_longest_words", paste, longestWords,
        QTextOption::WrapAtWordBoundaryOrAnywhere)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    return true;
}();

} // namespace
