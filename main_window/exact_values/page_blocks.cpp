#include "main_window/exact_values/page_blocks.h"

#include "main_window/widgets/word_wrap.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

#include <algorithm>

namespace {

// Where each block of `html` starts: at each paragraph or heading, which the
// page never nests. Nothing when the page does not start with one.
std::optional<QStringList> blocksOf(const QString& html)
{
    const auto startsBlock = [&html](qsizetype at) {
        const QStringView tag = QStringView(html).mid(at);
        return tag.startsWith(u"<p>") || tag.startsWith(u"<p ")
            || (tag.size() > 3 && tag.startsWith(u"<h") && tag[2].isDigit());
    };
    if (html.isEmpty() || !startsBlock(0))
        return std::nullopt;
    QStringList blocks;
    qsizetype from = 0;
    for (qsizetype at = html.indexOf(u'<', 1); at >= 0; at = html.indexOf(u'<', at + 1))
        if (startsBlock(at)) {
            blocks << html.mid(from, at - from);
            from = at;
        }
    blocks << html.mid(from);
    return blocks;
}

// A text between tags as the toolkit reads it, where that is the text
// itself: escaped by QString::toHtmlEscaped, with single blanks between
// words and none at either end, since the toolkit folds other white space.
std::optional<QString> plainText(QStringView escaped)
{
    if (escaped.isEmpty() || escaped.front() == u' ' || escaped.back() == u' ')
        return std::nullopt;
    static const std::pair<QStringView, QChar> entities[]
        = { { u"&lt;", u'<' }, { u"&gt;", u'>' }, { u"&amp;", u'&' }, { u"&quot;", u'"' } };
    QString text;
    text.reserve(escaped.size());
    qsizetype from = 0; // the letters not yet copied
    for (qsizetype k = 0; k < escaped.size(); ++k) {
        const QChar c = escaped[k];
        if (c == u'&') {
            const auto entity = std::find_if(std::begin(entities), std::end(entities),
                [&](const auto& e) { return escaped.mid(k).startsWith(e.first); });
            if (entity == std::end(entities))
                return std::nullopt;
            text += escaped.mid(from, k - from);
            text += entity->second;
            k += entity->first.size() - 1;
            from = k + 1;
        } else if (c.isSpace() && (c != u' ' || escaped[k - 1] == u' ')) {
            return std::nullopt;
        }
    }
    text += escaped.mid(from);
    return text;
}

void selectBlock(QTextCursor& cursor, const QTextBlock& block)
{
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
}

} // namespace

bool PageBlocks::read(const QString& html)
{
    next_.clear();
    same_.clear();
    const std::optional<QStringList> blocks = blocksOf(html);
    if (!blocks)
        return false;
    // The blocks the page keeps: the longest run of them in the same order,
    // found between the blocks alike at either end.
    const int oldCount = static_cast<int>(shown_.size());
    const int newCount = static_cast<int>(blocks->size());
    same_.assign(static_cast<std::size_t>(newCount), -1);
    int first = 0;
    while (first < oldCount && first < newCount && shown_[first].html == (*blocks)[first]) {
        same_[first] = first;
        ++first;
    }
    int last = 0;
    while (last < oldCount - first && last < newCount - first
        && shown_[oldCount - 1 - last].html == (*blocks)[newCount - 1 - last]) {
        same_[newCount - 1 - last] = oldCount - 1 - last;
        ++last;
    }
    const int n = oldCount - first - last, m = newCount - first - last;
    if (n > 0 && m > 0 && n * m <= 100'000) {
        // kept[i][j]: how many of the old blocks from i on and the new ones
        // from j on can stay, in order.
        std::vector<int> kept(static_cast<std::size_t>((n + 1) * (m + 1)), 0);
        const auto at
            = [&](int i, int j) -> int& { return kept[static_cast<std::size_t>(i * (m + 1) + j)]; };
        for (int i = n - 1; i >= 0; --i)
            for (int j = m - 1; j >= 0; --j)
                at(i, j) = shown_[first + i].html == (*blocks)[first + j]
                    ? at(i + 1, j + 1) + 1
                    : std::max(at(i + 1, j), at(i, j + 1));
        for (int i = 0, j = 0; i < n && j < m;) {
            if (shown_[first + i].html == (*blocks)[first + j]) {
                same_[first + j] = first + i;
                ++i, ++j;
            } else if (at(i + 1, j) >= at(i, j + 1)) {
                ++i;
            } else {
                ++j;
            }
        }
    }
    next_.reserve(static_cast<std::size_t>(newCount));
    for (int k = 0; k < newCount; ++k) {
        if (same_[k] >= 0) {
            const Block& kept = shown_[same_[k]];
            next_.push_back({ kept.html, {}, {}, {}, kept.text, kept.longWord });
        } else if (std::optional<Block> block = readBlock((*blocks)[k])) {
            next_.push_back(std::move(*block));
        } else {
            next_.clear();
            return false;
        }
    }
    return true;
}

bool PageBlocks::hasLongWord()
{
    // A block no longer than the longest word is answered without looking
    // at its letters, and the widest pages have one in their first lines.
    for (Block& block : next_) {
        if (!block.longWord)
            block.longWord = block.text.size() > word_wrap::LongestWord
                && word_wrap::longestWord(block.text) > word_wrap::LongestWord;
        if (*block.longWord)
            return true;
    }
    return false;
}

bool PageBlocks::rewrite(QTextDocument& page)
{
    if (next_.empty() || page.blockCount() != static_cast<int>(shown_.size())
        || !page.rootFrame()->childFrames().isEmpty())
        return false;
    // The runs of blocks that differ: the shown blocks [oldFrom, oldEnd)
    // become the read ones [newFrom, newEnd).
    struct Change {
        int oldFrom, oldEnd, newFrom, newEnd;
    };
    std::vector<Change> changes;
    const int oldCount = static_cast<int>(shown_.size());
    const int newCount = static_cast<int>(next_.size());
    for (int o = 0, n = 0; o < oldCount || n < newCount;) {
        if (n < newCount && same_[n] == o) {
            ++o, ++n;
            continue;
        }
        Change change { o, o, n, n };
        while (change.newEnd < newCount && same_[change.newEnd] < 0)
            ++change.newEnd;
        change.oldEnd = change.newEnd < newCount ? same_[change.newEnd] : oldCount;
        changes.push_back(change);
        o = change.oldEnd;
        n = change.newEnd;
    }
    // Each edit makes the toolkit lay out again every block it spans, and
    // walk the page's blocks to place the rest, which costs about as much as
    // laying out ten of them: changes a few blocks apart are one edit.
    constexpr int FewBlocks = 8;
    // From the end, so that the blocks before a change keep their numbers.
    QTextCursor edit(&page);
    for (auto c = changes.rbegin(); c != changes.rend(); ++c) {
        if (c == changes.rbegin() || std::prev(c)->oldFrom - c->oldEnd > FewBlocks) {
            if (c != changes.rbegin())
                edit.endEditBlock();
            edit.beginEditBlock();
        }
        const int written = std::min(c->newEnd - c->newFrom, c->oldEnd - c->oldFrom);
        // A block is added or taken away after another; before the first
        // the page is written whole.
        if (written == 0 && c->oldFrom == 0) {
            edit.endEditBlock();
            return false;
        }
        for (int k = 0; k < written; ++k)
            write(page, c->oldFrom + k, next_[c->newFrom + k]);
        for (int k = c->newFrom + written; k < c->newEnd; ++k)
            insertAfter(page, c->oldFrom + (k - c->newFrom) - 1, next_[k]);
        if (c->oldEnd > c->oldFrom + written) {
            const QTextBlock before = page.findBlockByNumber(c->oldFrom + written - 1);
            const QTextBlock lastGone = page.findBlockByNumber(c->oldEnd - 1);
            QTextCursor cursor(&page);
            cursor.setPosition(before.position() + before.length() - 1);
            cursor.setPosition(
                lastGone.position() + lastGone.length() - 1, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        }
    }
    if (!changes.empty())
        edit.endEditBlock();
    const bool whole = page.blockCount() == newCount;
    writtenWhole(page);
    return whole;
}

void PageBlocks::writtenWhole(const QTextDocument& page)
{
    if (page.blockCount() == static_cast<int>(next_.size())) {
        shown_ = std::move(next_);
        for (Block& block : shown_)
            block.runs.clear();
    } else {
        shown_.clear();
    }
    next_.clear();
    same_.clear();
}

std::optional<PageBlocks::Block> PageBlocks::readBlock(const QString& html)
{
    if (std::optional<Block> block = readTags(html))
        return block;
    // Anything else is read by the toolkit, alone.
    QTextDocument read;
    read.setHtml(html);
    if (read.blockCount() != 1)
        return std::nullopt;
    const QTextBlock first = read.firstBlock();
    Block block { html, first.blockFormat(), first.charFormat(), {}, first.text(), {} };
    for (auto it = first.begin(); !it.atEnd(); ++it)
        block.runs.push_back({ it.fragment().text(), it.fragment().charFormat() });
    return block;
}

std::optional<PageBlocks::Block> PageBlocks::readTags(const QString& html)
{
    QString tags;
    std::vector<QString> texts;
    // A line break between two texts is a line separator in one text of the
    // same format.
    bool broken = false;
    for (qsizetype at = 0; at < html.size();) {
        if (html[at] == u'<') {
            const qsizetype end = html.indexOf(u'>', at);
            if (end < 0)
                return std::nullopt;
            const QStringView tag = QStringView(html).mid(at, end + 1 - at);
            if (tag == u"<br />") {
                if (broken || !tags.endsWith(u'x'))
                    return std::nullopt;
                texts.back() += QChar::LineSeparator;
                broken = true;
            } else if (broken) {
                return std::nullopt;
            } else {
                tags += tag;
            }
            at = end + 1;
        } else {
            qsizetype end = html.indexOf(u'<', at);
            if (end < 0)
                end = html.size();
            std::optional<QString> text = plainText(QStringView(html).mid(at, end - at));
            if (!text)
                return std::nullopt;
            if (broken) {
                texts.back() += *text;
                broken = false;
            } else {
                texts.push_back(std::move(*text));
                tags += u'x';
            }
            at = end;
        }
    }
    if (broken)
        return std::nullopt;
    const Shape* shape = shapeOf(tags, static_cast<qsizetype>(texts.size()));
    if (!shape)
        return std::nullopt;
    Block block { html, shape->format, shape->charFormat, {}, {}, {} };
    for (std::size_t k = 0; k < texts.size(); ++k) {
        block.text += texts[k];
        block.runs.push_back({ std::move(texts[k]), shape->formats[static_cast<qsizetype>(k)] });
    }
    return block;
}

// The toolkit reads the block's tags once, around a letter for each text.
const PageBlocks::Shape* PageBlocks::shapeOf(const QString& tags, qsizetype texts)
{
    auto it = shapes_.find(tags);
    if (it == shapes_.end()) {
        if (shapes_.size() > 256) // shapes of a page long gone
            shapes_.clear();
        std::optional<Shape> shape;
        QTextDocument read;
        read.setHtml(tags);
        const QTextBlock first = read.firstBlock();
        if (read.blockCount() == 1 && first.text() == QString(texts, u'x')) {
            shape = Shape { first.blockFormat(), first.charFormat(), {} };
            for (auto f = first.begin(); !f.atEnd(); ++f)
                for (int k = 0; k < f.fragment().length(); ++k)
                    shape->formats << f.fragment().charFormat();
        }
        it = shapes_.insert(tags, shape);
    }
    return *it ? &**it : nullptr;
}

void PageBlocks::write(QTextDocument& page, int number, const Block& block)
{
    QTextCursor cursor(&page);
    selectBlock(cursor, page.findBlockByNumber(number));
    // A block given its own formats again would be laid out again with the
    // blocks either side.
    if (cursor.blockFormat() != block.format)
        cursor.setBlockFormat(block.format);
    if (cursor.blockCharFormat() != block.charFormat)
        cursor.setBlockCharFormat(block.charFormat);
    cursor.removeSelectedText();
    for (const Run& run : block.runs)
        cursor.insertText(run.text, run.format);
}

void PageBlocks::insertAfter(QTextDocument& page, int number, const Block& block)
{
    const QTextBlock before = page.findBlockByNumber(number);
    QTextCursor cursor(&page);
    cursor.setPosition(before.position() + before.length() - 1);
    cursor.insertBlock(block.format, block.charFormat);
    for (const Run& run : block.runs)
        cursor.insertText(run.text, run.format);
}
