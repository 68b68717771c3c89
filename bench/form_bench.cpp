#include "bench/form_bench.h"

#include <QApplication>
#include <QLineEdit>

#include <memory>

namespace bench {

const std::vector<Range>& Ranges()
{
    static const std::vector<Range> ranges {
        { "default", QStringLiteral("-10"), QStringLiteral("10") },
        { "-100..100", QStringLiteral("-100"), QStringLiteral("100") },
        { "-32768..32766", QStringLiteral("-32768"), QStringLiteral("32766") },
        { "-1E+300..1E+300", QStringLiteral("-1E+300"), QStringLiteral("1E+300") },
    };
    return ranges;
}

const std::vector<Range>& MoreRanges()
{
    static const std::vector<Range> ranges {
        { "-32768..32767", QStringLiteral("-32768"), QStringLiteral("32767") },
        { "0..32766", QStringLiteral("0"), QStringLiteral("32766") },
        { "-5..20000", QStringLiteral("-5"), QStringLiteral("20000") },
        { "-1E+30..1E+30", QStringLiteral("-1E+30"), QStringLiteral("1E+30") },
    };
    return ranges;
}

namespace {
std::unique_ptr<Form1> shared;
}

Form1& SharedForm()
{
    if (!shared) {
        shared = std::make_unique<Form1>();
        shared->showWarnings = false;
        shared->show();
        QApplication::processEvents();
    }
    return *shared;
}

void ReleaseSharedForm()
{
    shared.reset();
}

void SetRange(Form1& form, const Range& range)
{
    form.txmin->setText(range.lower);
    form.txmax->setText(range.upper);
}

} // namespace bench
