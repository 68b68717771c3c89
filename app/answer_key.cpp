#include "app/answer_key.h"

#include "app/answer_rows.h"
#include "app/cell_notes.h"
#include "app/csv_dialect.h"
#include "app/equation_rows.h"
#include "app/xlsx_key.h"
#include "core/blanks.h"
#include "core/said.h"

#include <QByteArrayView>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFuture>
#include <QString>
#include <QTemporaryDir>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <csv.h>
#include <optional>
#include <vector>

namespace answers {

using trellan::ExitStatus;

namespace {

// Input is read in pieces of this size; nothing else grows with the rows.
constexpr std::size_t pieceSize = 64 * 1024;

// The fields a row of the input holds.
// End points, or the two lines' equations.
constexpr std::array<std::size_t, 2> rowSizes = { std::tuple_size_v<TypedRow>, 2 };

// A window field holds at most this many characters (UTF-16 units); no
// longer text can be typed into it.
constexpr qsizetype windowFieldLength = 32767;

// "row 3: why", said of a row of the input.
std::string rowSaid(long long row, std::string_view why)
{
    return core::Say(TRELLAN_WORDS("command line", "row %1: %2"), { std::to_string(row), why });
}

// Spreadsheets that save "CSV UTF-8" start the file with a byte order mark.
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// The names of an optional first row, in any case, blanks around them aside.
bool isHeader(const TypedRow& fields)
{
    static constexpr std::array<std::string_view, 8> names
        = { "x1", "y1", "x2", "y2", "x1", "y1", "x2", "y2" };
    for (std::size_t k = 0; k < names.size(); ++k) {
        // A field is one line of the row: its blanks are spaces and tabs.
        const std::string_view f = core::Trimmed(fields[k], core::IsBlank);
        if (f.size() != 2 || (f[0] | 0x20) != names[k][0] || f[1] != names[k][1])
            return false;
    }
    return true;
}

// Rows are answered in batches, on every core, while the next batch is read
// and the batch before is written, in their order. A batch ends at this many
// rows or this many bytes typed, so memory stays bounded (three batches)
// however many rows follow.
constexpr std::size_t batchRows = 1024;
constexpr std::size_t batchBytes = 4 << 20;

// Rows in error said one by one on standard error; the rest are counted.
constexpr long long rowsToTell = 20;

struct Pending {
    long long row = 0;
    TypedRow typed;
    std::string error; // why the row cannot be answered, with its number
    std::string output; // the row as written
    Cells cells; // the row as a workbook's cells
};

class KeyWriter {
public:
    KeyWriter(std::FILE* out, std::FILE* err, const AnswerKeyRequest& request,
        std::string_view program, char separator, XlsxKey* sheet)
        : out_(out)
        , err_(err)
        , request_(request)
        , program_(program)
        , separator_(separator)
        , sheet_(sheet)
    {
        batch_.reserve(batchRows);
    }

    // libcsv's callbacks: the end of a field, the end of a row.
    static void onField(void* text, std::size_t size, void* self)
    {
        static_cast<KeyWriter*>(self)->field(static_cast<const char*>(text), size);
    }
    static void onRow(int, void* self) { static_cast<KeyWriter*>(self)->endRow(); }

    // The current row cannot be read as CSV.
    void failRow(std::string_view why)
    {
        ++row_;
        fail(why);
        startRow();
    }

    // Answers and writes the rows still waiting.
    void finish()
    {
        startAnswering();
        writeAnswered();
        answered_.waitForFinished();
        std::swap(answering_, writing_);
        writeAnswered();
    }

    // The key's start, once the input has begun to arrive: a file that
    // cannot be read at all gets no key.
    void begin()
    {
        if (begun_)
            return;
        begun_ = true;
        if (request_.format == Format::Csv)
            put(csvHeader(request_.headers, request_.working));
    }

    bool anyFailed() const { return failed_; }

    // Rows in error beyond those said on standard error.
    long long untold() const { return std::max(0LL, rowsInError_ - rowsToTell); }

    // No row split into the fields a row needs: most likely the separator
    // is not the file's.
    bool noRowSplit() const { return splitWrong_ > 0 && splitRight_ == 0; }

private:
    void field(const char* text, std::size_t size)
    {
        const std::size_t k = count_++;
        if (k >= fields_.size() || !problem_.empty())
            return;
        const QByteArrayView bytes(text, static_cast<qsizetype>(size));
        if (!bytes.isValidUtf8()) {
            problem_ = core::Say(TRELLAN_WORDS("command line",
                                     "field %1 is not UTF-8 text; save the file as CSV UTF-8"),
                { std::to_string(k + 1) });
            return;
        }
        if (bytes.size() > windowFieldLength
            && QString::fromUtf8(bytes).size() > windowFieldLength) {
            problem_ = core::Say(TRELLAN_WORDS("command line",
                                     "field %1 is longer than the %2 characters a field of "
                                     "the window holds"),
                { std::to_string(k + 1), std::to_string(windowFieldLength) });
            return;
        }
        fields_[k].assign(text, size);
    }

    void endRow()
    {
        ++row_;
        if (isEquationRow(fields_, count_) && problem_.empty()) {
            count_ = fields_.size();
            const auto chosen = endPointsFromEquations(fields_, request_.lower, request_.upper);
            if (chosen)
                fields_ = *chosen;
            else
                problem_ = chosen.failure().message;
        }
        ++(count_ == fields_.size() ? splitRight_ : splitWrong_);
        if (count_ != fields_.size())
            fail(core::Say(count_ == 1
                    ? TRELLAN_WORDS("command line",
                        "%1 field; each row needs 8: X1, Y1, X2, Y2 of line one, then of line two")
                    : TRELLAN_WORDS("command line",
                        "%1 fields; each row needs 8: X1, Y1, X2, Y2 of line one, then of line "
                        "two"),
                { std::to_string(count_) }));
        else if (!problem_.empty())
            fail(problem_);
        else if (row_ != 1 || !isHeader(fields_)) {
            for (const std::string& f : fields_)
                batchSize_ += f.size();
            add({ row_, fields_, {}, {}, {} });
        }
        startRow();
    }

    void startRow()
    {
        count_ = 0;
        problem_.clear();
    }

    void fail(std::string_view why)
    {
        failed_ = true;
        add({ row_, {}, rowSaid(row_, why), {}, {} });
    }

    void add(Pending p)
    {
        batch_.push_back(std::move(p));
        if (batch_.size() == batchRows || batchSize_ >= batchBytes) {
            // This batch is answered while the one before is written and
            // the next one read; writing a workbook's cells costs about as
            // much as answering them.
            startAnswering();
            writeAnswered();
        }
    }

    // Waits for the batch being answered, then answers the batch read
    // while it was.
    void startAnswering()
    {
        answered_.waitForFinished();
        std::swap(answering_, writing_);
        std::swap(batch_, answering_);
        batchSize_ = 0;
        answered_ = QtConcurrent::map(answering_, [this](Pending& p) { answer(p); });
    }

    // Writes the batch last answered.
    void writeAnswered()
    {
        for (const Pending& p : writing_) {
            if (!p.error.empty())
                tellRow(p.error);
            if (sheet_) {
                if (const trellan::Outcome added = sheet_->addRow(p.cells); !added)
                    tellRow(rowSaid(p.row, added.failure().message));
            } else {
                put(p.output);
            }
        }
        writing_.clear();
    }

    // Runs on any thread: the command chain and the exact engine keep no
    // state between calls.
    void answer(Pending& p) const
    {
        const bool csv = request_.format == Format::Csv;
        if (!p.error.empty()) {
            if (sheet_)
                p.cells = errorCells(p.row, p.error, request_.working);
            else
                p.output
                    = csv ? csvError(p.row, p.error, request_.working) : jsonError(p.row, p.error);
            return;
        }
        // A comma inside a number is its decimal point where it does not
        // separate the fields.
        std::string note = readCells(p.typed, separator_ != ',', request_.arithmetic);
        Answer a = answerRow(
            p.row, p.typed, request_.lower, request_.upper, request_.arithmetic, request_.working);
        a.note = std::move(note);
        // A spreadsheet cell's lines end in LF.
        if (sheet_)
            p.cells = answerCells(a, "\n");
        else
            p.output = csv ? csvAnswer(a) : jsonAnswer(a);
    }

    // The first rows in error are said; a file of junk must not bury the
    // terminal. Every one is still in its row of the key.
    void tellRow(const std::string& line)
    {
        if (++rowsInError_ <= rowsToTell)
            trellan::tell(program_, line, err_);
    }

    void put(const std::string& text)
    {
        begin();
        std::fwrite(text.data(), 1, text.size(), out_);
    }

    std::FILE* out_;
    std::FILE* err_;
    const AnswerKeyRequest& request_;
    std::string_view program_;
    char separator_;
    XlsxKey* sheet_; // the workbook, when the key is one
    long long splitWrong_ = 0; // rows with too few or too many fields
    long long splitRight_ = 0;
    long long row_ = 0; // rows ended so far
    TypedRow fields_;
    std::size_t count_ = 0; // fields of the current row so far
    std::string problem_; // the first field of the current row that cannot be used
    bool failed_ = false;
    bool begun_ = false;
    long long rowsInError_ = 0;
    std::vector<Pending> batch_; // rows read, waiting for their batch to fill
    std::size_t batchSize_ = 0; // bytes typed in the batch
    std::vector<Pending> answering_; // the batch being answered
    std::vector<Pending> writing_; // the batch answered before it, being written
    QFuture<void> answered_;
};

// Where a strict parse stops, the rest of the line is skipped: its start
// cannot be told from the middle of a quoted field, and the next line most
// likely holds the next row.
std::size_t lineEnd(const char* text, std::size_t size)
{
    for (std::size_t k = 0; k < size; ++k)
        if (text[k] == '\r' || text[k] == '\n')
            return k + 1;
    return size;
}

trellan::Failure cannotRun(std::string message)
{
    return { std::move(message), ExitStatus::CannotRun };
}

// Copies the file at `path` to `out`; false when it cannot be read. A
// failed write shows as `out`'s error.
bool copyFile(const std::string& path, std::FILE* out)
{
    std::FILE* in = std::fopen(path.c_str(), "rb");
    if (!in)
        return false;
    std::vector<char> piece(pieceSize);
    while (const std::size_t size = std::fread(piece.data(), 1, piece.size(), in))
        std::fwrite(piece.data(), 1, size, out);
    const bool read = !std::ferror(in);
    std::fclose(in);
    return read;
}

std::string inputName(const AnswerKeyRequest& request)
{
    if (!request.file || *request.file == "-")
        return core::Say(TRELLAN_WORDS("command line", "standard input"));
    return "'" + *request.file + "'";
}

// Why the input's first bytes cannot start a CSV file, said in one line; none
// when they can.
std::optional<std::string> notCsv(std::string_view start, const AnswerKeyRequest& request)
{
    const std::string name = !request.file || *request.file == "-"
        ? core::Say(TRELLAN_WORDS("command line", "standard input"))
        : *request.file;
    // A workbook is a zip file.
    if (start.starts_with("PK\x03\x04"))
        return core::Say(
            TRELLAN_WORDS("command line",
                "%1 is a workbook; save it as CSV (File › Save As) and give that file"),
            { name });
    if (start.find('\0') != std::string_view::npos)
        return core::Say(
            TRELLAN_WORDS("command line",
                "%1 is not text but a binary file; the answer key reads CSV, saved as CSV UTF-8"),
            { name });
    return std::nullopt;
}

} // namespace

trellan::Result<ExitStatus> writeAnswerKey(std::FILE* in, std::FILE* out, std::FILE* err,
    const AnswerKeyRequest& request, std::string_view program)
{
    csv_parser parser {};
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, noBlanks);
    // A long field grows the parser's buffer in steps of this many bytes.
    csv_set_blk_size(&parser, pieceSize);

    std::vector<char> piece(pieceSize);
    std::size_t left = std::fread(piece.data(), 1, piece.size(), in);
    int readError = errno; // before anything else can change it
    std::string_view start(piece.data(), left);
    if (start.starts_with(byteOrderMark))
        start.remove_prefix(byteOrderMark.size());
    if (const std::optional<std::string> wrong = notCsv(start, request)) {
        csv_free(&parser);
        return cannotRun(*wrong);
    }
    const char separator = request.separator.value_or(guessSeparator(start, rowSizes));
    csv_set_delim(&parser, static_cast<unsigned char>(separator));

    // The workbook is written whole at its end: it is made in a folder of its
    // own and copied out. All of it, the library's files of rows included,
    // lies on the disk the key goes to: a disk that fills is seen filling.
    std::optional<QTemporaryDir> workbookDir;
    std::string workbookPath;
    std::optional<XlsxKey> sheet;
    if (request.format == Format::Xlsx) {
        if (request.output)
            workbookDir.emplace(QFileInfo(QFile::decodeName(request.output->c_str()))
                                    .dir()
                                    .filePath(QStringLiteral(".trellan-XXXXXX")));
        else
            workbookDir.emplace();
        workbookPath = workbookDir->filePath(QStringLiteral("answers.xlsx")).toStdString();
        sheet.emplace(workbookPath,
            KeyOrigin { request.commandLine, request.lower, request.upper, request.version,
                request.working },
            workbookDir->path().toStdString());
    }

    KeyWriter writer(out, err, request, program, separator, sheet ? &*sheet : nullptr);
    bool first = true;
    bool skipping = false; // the rest of a line that could not be read
    std::string readProblem;
    for (;; left = std::fread(piece.data(), 1, piece.size(), in), readError = errno) {
        if (left == 0) {
            if (std::ferror(in))
                readProblem = core::Say(TRELLAN_WORDS("command line", "cannot read %1: %2"),
                    { inputName(request), std::strerror(readError) });
            break;
        }
        const char* text = piece.data();
        if (first && std::string_view(text, left).starts_with(byteOrderMark)) {
            text += byteOrderMark.size();
            left -= byteOrderMark.size();
        }
        first = false;
        while (left > 0) {
            if (skipping) {
                const std::size_t skipped = lineEnd(text, left);
                skipping = text[skipped - 1] != '\r' && text[skipped - 1] != '\n';
                text += skipped;
                left -= skipped;
                continue;
            }
            const std::size_t done
                = csv_parse(&parser, text, left, KeyWriter::onField, KeyWriter::onRow, &writer);
            if (done == left)
                break;
            if (csv_error(&parser) != CSV_EPARSE) {
                readProblem = core::Say(
                    TRELLAN_WORDS("command line", "cannot read %1: a field is too large"),
                    { inputName(request) });
                break;
            }
            writer.failRow(core::Say(TRELLAN_WORDS("command line",
                "not valid CSV: a quote stands inside a field that does not start "
                "with one, or after the quote that ends one; the rest of the line "
                "was skipped")));
            csv_fini(&parser, nullptr, nullptr, nullptr); // back at the start of a row
            text += done;
            left -= done;
            skipping = true;
        }
        if (!readProblem.empty())
            break;
    }
    if (readProblem.empty() && !skipping
        && csv_fini(&parser, KeyWriter::onField, KeyWriter::onRow, &writer) != 0)
        writer.failRow(core::Say(
            TRELLAN_WORDS("command line", "not valid CSV: a quoted field has no closing quote")));
    csv_free(&parser);
    writer.finish();
    if (readProblem.empty())
        writer.begin();
    if (writer.untold() > 0)
        trellan::tell(program,
            core::Say(TRELLAN_WORDS("command line", "… and %1 more rows in error"),
                { std::to_string(writer.untold()) }),
            err);
    if (writer.noRowSplit())
        trellan::tell(program,
            core::Say(
                TRELLAN_WORDS("command line",
                    "no row split into %1 fields at the separator %2; if the file uses another, "
                    "name it: --separator ',', --separator ';' or --separator tab"),
                { std::to_string(rowSizes[0]),
                    separator == '\t' ? std::string("tab")
                                      : "'" + std::string(1, separator) + "'" }),
            err);

    // A full disk is a write that failed, not options that cannot run.
    const std::string where = request.output
        ? "'" + *request.output + "'"
        : core::Say(TRELLAN_WORDS("command line", "the answers"));
    if (sheet && readProblem.empty()) {
        if (const trellan::Outcome closed = sheet->close(); !closed)
            return trellan::Failure { core::Say(
                                          TRELLAN_WORDS("command line", "cannot write %1: %2"),
                                          { where, closed.failure().message }),
                ExitStatus::SomeFailed };
        if (!copyFile(workbookPath, out))
            return cannotRun(core::Say(TRELLAN_WORDS(
                "command line", "cannot read the workbook back from its temporary file")));
    }
    if (std::fflush(out) != 0 || std::ferror(out))
        return trellan::Failure { core::Say(TRELLAN_WORDS("command line", "cannot write %1: %2"),
                                      { where, std::strerror(errno) }),
            ExitStatus::SomeFailed };
    if (!readProblem.empty())
        return cannotRun(readProblem);
    return writer.anyFailed() ? ExitStatus::SomeFailed : ExitStatus::Done;
}

} // namespace answers
