// The line commands of the main window: draw one line, draw both lines with
// their crossing point and report. The core works out what they write; the
// window draws and shows it.
#include "core/line_commands.h"
#include "core/number_text.h"
#include "graph/graph_panel.h"
#include "main_window/exact_values/exact_texts.h"
#include "main_window/form1.h"
#include "main_window/widgets/read_mark.h"
#include "main_window/widgets/result_box.h"
#include "main_window/widgets/typed_boxes.h"
#include "words/bad_input.h"
#include "words/language.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <vector>

namespace {

// In the results box a CR LF pair is one line break; the lone LF that ends
// each report shows nothing, so every report is followed by one blank line.
// The report is UTF-8: the end points are quoted as typed, in any script.
QString boxText(const std::string& report)
{
    const QString text = QString::fromStdString(report);
    QString out;
    out.reserve(text.size());
    for (qsizetype k = 0; k < text.size(); ++k) {
        const QChar c = text[k];
        if (c == u'\r') {
            out += u'\n';
            if (k + 1 < text.size() && text[k + 1] == u'\n')
                ++k;
        } else if (c != u'\n') {
            out += c;
        }
    }
    return out;
}

// An emptied field has no value to give.
QString exactTip(const core::FieldWrite& w, const exact_texts::ExactLines& exact)
{
    return w.text.empty() ? QString() : exact_texts::tooltip(w.field, exact);
}

// A result box's text in the chosen language: its numbers as they are, and
// the words a box may hold instead of a number (a vertical line's slope, a
// line along an axis) in words. The answer key's files keep them in English.
QString shownAnswer(const std::string& text)
{
    static constexpr const char* words[] = { QT_TRANSLATE_NOOP("result box", "undefined"),
        QT_TRANSLATE_NOOP("result box", "none"), QT_TRANSLATE_NOOP("result box", "all") };
    for (const char* word : words)
        if (text == word)
            return words::translate("result box", word);
    return QString::fromStdString(text);
}

} // namespace

core::TypedFields Form1::typedFields() const
{
    return typedFieldsIn(typedBoxes());
}

void Form1::run(Command command, Run how)
{
    showHowRead(command);
    const core::TypedFields typed = typedFields();
    const core::CommandResult result = command == Command::BothLines
        ? core::BothLines(typed, how == Run::Button && PlaceResults,
            how == Run::Zoom ? core::Verticals::Stop : core::Verticals::Answered)
        : core::DrawLine(typed, command == Command::Line1 ? 1 : 2);
    showOutcome(typed, result, how);
}

void Form1::showHowRead(Command command)
{
    std::vector<QLineEdit*> read = { txmin, txmax };
    if (command != Command::Line2)
        read.insert(read.end(), { t1, t2, t3, t4 });
    if (command != Command::Line1)
        read.insert(read.end(), { t1_b, t2_b, t3_b, t4_b });
    for (QLineEdit* field : read)
        read_mark::showHowRead(field);
}

void Form1::showOutcome(const core::TypedFields& typed, const core::CommandResult& result, Run how)
{
    p1->Cls();
    p1->drawOutcome(result);
    const exact_texts::ExactLines exact = exact_texts::exactLinesFor(typed);
    for (const core::FieldWrite& w : result.writes)
        write(w, result, exact);
    if (result.report)
        placeReport(*result.report);
    if (!result.stop)
        return;
    // The command ends at the step that stopped it; what it drew and wrote
    // until then stays.
    if (how != Run::Zoom)
        for (const core::ResultField field : result.unreached)
            empty(field);
    if (how == Run::Button)
        warn(bad_input::warning(*result.stop));
}

void Form1::placeReport(const std::string& report)
{
    // At the insertion point, over any selection; the insertion point ends
    // just behind the report.
    QTextCursor cursor = txt_results->textCursor();
    cursor.insertText(boxText(report));
    txt_results->setTextCursor(cursor);
}

void Form1::empty(core::ResultField field)
{
    // With no crossing to show, the label is emptied like any field.
    write({ field, std::string() }, core::CommandResult {}, exact_texts::ExactLines {});
}

void Form1::findResultBoxes()
{
    // Each result box is named as the field the core writes into.
    static_assert(std::tuple_size_v<decltype(resultBoxes_)> == core::ResultFieldCount);
    for (std::size_t k = 0; k < resultBoxes_.size(); ++k)
        resultBoxes_[k] = findChild<QLineEdit*>(
            QLatin1StringView(core::FieldName(static_cast<core::ResultField>(k))));
}

void Form1::write(const core::FieldWrite& w, const core::CommandResult& result,
    const exact_texts::ExactLines& exact)
{
    if (w.field == core::ResultField::Answer) {
        // The both-lines command shows the crossing; the draw-line commands
        // empty the label and leave its colour and weight.
        if (result.crossing)
            FindIntersection(*result.crossing);
        else
            lblAns->setText(QString::fromStdString(w.text));
        result_box::describe(lblAns, exactTip(w, exact));
        return;
    }
    QLineEdit* field = resultBoxes_[static_cast<std::size_t>(w.field)];
    result_box::show(field, shownAnswer(w.text), exactTip(w, exact));
}

void Form1::FindIntersection(const core::Crossing& crossing)
{
    const bool point = crossing.kind == core::CrossingKind::Point;
    QPalette palette = lblAns->palette();
    palette.setColor(QPalette::WindowText, point ? QColor(0, 0, 0) : QColor(255, 0, 0));
    lblAns->setPalette(palette);
    QFont font = lblAns->font();
    font.setBold(!point);
    lblAns->setFont(font);
    lblAns->setText(QString::fromStdString(crossing.caption));
}

void Form1::cmd_bothlines_Click()
{
    run(Command::BothLines, Run::Button);
}

void Form1::draw_line1_Click()
{
    run(Command::Line1, Run::Button);
}

void Form1::draw_line2_Click()
{
    run(Command::Line2, Run::Button);
}
