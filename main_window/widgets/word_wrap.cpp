#include "main_window/widgets/word_wrap.h"

#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>

namespace word_wrap {

namespace {

// A block's user state tells whether it holds a word longer than LongestWord.
constexpr int HasLongWord = 1;
constexpr int NoLongWord = 0;

bool hasLongWord(const QTextBlock& block)
{
    return block.userState() == HasLongWord;
}

// The box's layout, told of every change before it lays the changed text
// out: it chooses how lines break first, so that a long word is never laid
// out the slow way, and the text is laid out once.
class Layout : public QPlainTextDocumentLayout {
public:
    Layout(QTextDocument* document, QPlainTextEdit* box)
        : QPlainTextDocumentLayout(document)
        , box_(box)
    {
    }

protected:
    void documentChanged(int from, int removed, int added) override
    {
        // Changing the mode asks for the whole text again; it is laid out
        // below, once.
        if (changingMode_)
            return;
        const QTextOption::WrapMode mode = modeAfter(from, added);
        if (mode == box_->wordWrapMode()) {
            QPlainTextDocumentLayout::documentChanged(from, removed, added);
            return;
        }
        changingMode_ = true;
        box_->setWordWrapMode(mode);
        changingMode_ = false;
        QPlainTextDocumentLayout::documentChanged(0, 0, document()->characterCount());
    }

private:
    QTextOption::WrapMode modeAfter(int from, int added) const
    {
        const QTextDocument* text = document();
        const QTextBlock last = text->findBlock(from + added);
        bool longWord = false;
        for (QTextBlock block = text->findBlock(from); block.isValid(); block = block.next()) {
            // Most blocks are shorter than the longest word and answered
            // without looking at their letters.
            const bool longBlock = block.length() > LongestWord;
            block.setUserState(
                longBlock && longestWord(block.text()) > LongestWord ? HasLongWord : NoLongWord);
            // The toolkit drops a block's laid-out glyphs once it is laid out
            // and shapes the whole block again for every move of the
            // insertion point; a long block keeps them.
            if (longBlock)
                block.layout()->setCacheEnabled(true);
            longWord = longWord || hasLongWord(block);
            if (block == last)
                break;
        }
        // Only a change while lines break anywhere can have taken away the
        // last long word; then the other blocks are asked, each by its mark.
        if (!longWord && box_->wordWrapMode() == QTextOption::WrapAnywhere)
            for (QTextBlock block = text->begin(); block.isValid() && !longWord;
                 block = block.next())
                longWord = hasLongWord(block);
        return longWord ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    }

    QPlainTextEdit* box_;
    bool changingMode_ = false;
};

} // namespace

qsizetype longestWord(const QString& text)
{
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype longest = 0;
    qsizetype previous = 0;
    for (qsizetype at = breaks.toNextBoundary(); at != -1; at = breaks.toNextBoundary()) {
        longest = std::max(longest, at - previous);
        previous = at;
    }
    return std::max(longest, text.size() - previous);
}

void betweenWords(QPlainTextEdit* box)
{
    const QString text = box->toPlainText();
    auto* document = new QTextDocument(box);
    document->setDefaultFont(box->document()->defaultFont());
    document->setDocumentLayout(new Layout(document, box));
    box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    box->setDocument(document);
    box->setPlainText(text);
}

} // namespace word_wrap
