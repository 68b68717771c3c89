#pragma once

#include "core/exact_line.h"
#include "core/exact_number.h"
#include "core/line_commands.h"

#include <QCoreApplication>
#include <QString>

#include <string>

// The names and small words shared by the exact values' tooltips and window.
namespace exact_texts::parts {

using core::ResultField;
using core::exact::CrossingKind;
using core::exact::Intercept;
using core::exact::InterceptKind;
using core::exact::Line;
using core::exact::LineKind;

// The words of the exact values, for the translators: ExactValues::tr("...").
// Named as its context, so that lupdate finds the same context whether or not
// it reads this header.
struct ExactValues {
    Q_DECLARE_TR_FUNCTIONS(ExactValues)
};

inline QString text(const std::string& s)
{
    return QString::fromStdString(s);
}

inline QString fraction(const mpq_class& q)
{
    return text(core::exact::FractionText(q));
}

inline bool isInteger(const mpq_class& q)
{
    return q.get_den() == 1;
}

} // namespace exact_texts::parts
