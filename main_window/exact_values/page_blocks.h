#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <optional>
#include <vector>

class QTextDocument;

// The Exact values window's page kept block by block. An edit changes some
// of its lines and leaves the rest: only the blocks whose HTML changed are
// rewritten, in a few edits, so that the toolkit lays out again those and
// few others, and the rest keep their layout. Most blocks are not read as
// HTML at all: their text is taken from between the tags (a line break in a
// text is a line separator), and the formats the toolkit gives those tags
// are read once and kept.
class PageBlocks {
public:
    // Reads `html`, a run of paragraphs and headings, against the page as
    // last written. False when it cannot be rewritten in place; the page is
    // then written whole.
    bool read(const QString& html);

    // Whether the page read holds a word longer than word_wrap::LongestWord.
    bool hasLongWord();

    // Rewrites the blocks of `page` that differ from the page read. False,
    // with the page perhaps partly rewritten, when that cannot be done that
    // way; the page is then written whole.
    bool rewrite(QTextDocument& page);

    // `page` was written whole from the HTML last read, or with anything
    // else when that could not be read.
    void writtenWhole(const QTextDocument& page);

private:
    struct Run {
        QString text;
        QTextCharFormat format;
    };
    struct Block {
        QString html;
        QTextBlockFormat format;
        QTextCharFormat charFormat;
        std::vector<Run> runs;
        QString text;
        std::optional<bool> longWord; // asked only until one block has one
    };
    // The formats the toolkit gives a block's tags, for each of its texts.
    struct Shape {
        QTextBlockFormat format;
        QTextCharFormat charFormat;
        QList<QTextCharFormat> formats;
    };

    std::optional<Block> readBlock(const QString& html);
    std::optional<Block> readTags(const QString& html);
    const Shape* shapeOf(const QString& tags, qsizetype texts);
    static void write(QTextDocument& page, int number, const Block& block);
    static void insertAfter(QTextDocument& page, int number, const Block& block);

    std::vector<Block> shown_; // the page as last written, a block each
    std::vector<Block> next_; // the page read; a changed block's runs are read
    std::vector<int> same_; // for each block read, the shown block it equals, or -1
    QHash<QString, std::optional<Shape>> shapes_;
};
