#include "ParagraphPieces.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <vector>

namespace MainBas {

namespace {

// A piece this long lays out in about a millisecond.
constexpr qsizetype LongestPiece = 4096;
// A cut looks for a blank this far back, so that a piece of words ends where a row
// wrapped at words could end too.
constexpr qsizetype BlankSearch = LongestPiece / 8;
constexpr int ContinuedParagraph = 1;

// The characters at which a text box starts a new block.
bool endsParagraph(QChar c)
{
    return c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator
        || c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1;
}

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// Where the piece that starts at `start` ends, within a paragraph that ends at `end`.
qsizetype pieceEnd(const QString &text, qsizetype start, qsizetype end)
{
    const qsizetype limit = start + LongestPiece;
    if (end <= limit)
        return end;
    for (qsizetype cut = limit; cut > limit - BlankSearch; --cut) {
        if (isBlank(text[cut - 1]))
            return cut;
    }
    // Never between the halves of a surrogate pair or before a combining mark.
    qsizetype cut = limit;
    while (cut < end && (text[cut].isLowSurrogate() || text[cut].isMark()))
        ++cut;
    return cut;
}

// The text with a paragraph break at every cut, and where each later piece begins in it.
struct CutText
{
    QString text;
    std::vector<qsizetype> pieceStarts;
};

CutText cutLongParagraphs(const QString &lines)
{
    CutText cut;
    cut.text.reserve(lines.size() + lines.size() / LongestPiece + 1);
    qsizetype start = 0;
    while (start < lines.size()) {
        qsizetype end = start;
        while (end < lines.size() && !endsParagraph(lines[end]))
            ++end;
        for (qsizetype piece = start; piece < end;) {
            const qsizetype next = pieceEnd(lines, piece, end);
            if (piece > start) {
                cut.text += QChar::ParagraphSeparator;
                cut.pieceStarts.push_back(cut.text.size());
            }
            cut.text += QStringView(lines).sliced(piece, next - piece);
            piece = next;
        }
        if (end < lines.size())
            cut.text += lines[end];
        start = end + 1;
    }
    return cut;
}

} // namespace

void SetPlainTextInPieces(QPlainTextEdit *box, const QString &lines)
{
    const CutText cut = cutLongParagraphs(lines);
    box->setPlainText(cut.text);
    QTextDocument *document = box->document();
    for (const qsizetype start : cut.pieceStarts) {
        QTextBlock block = document->findBlock(static_cast<int>(start));
        if (block.position() == start)
            block.setUserState(ContinuedParagraph);
    }
}

bool ContinuesParagraph(const QTextBlock &block)
{
    return block.userState() == ContinuedParagraph;
}

QString SelectedTextJoined(const QTextCursor &selection)
{
    const int first = selection.selectionStart();
    const int last = selection.selectionEnd();
    const QTextDocument *document = selection.document();
    std::vector<int> cuts;
    for (QTextBlock block = document->findBlock(first).next();
         block.isValid() && block.position() <= last; block = block.next()) {
        if (ContinuesParagraph(block))
            cuts.push_back(block.position() - 1 - first);
    }
    if (cuts.empty())
        return {};
    const QString text = selection.selection().toPlainText();
    QString joined;
    joined.reserve(text.size());
    qsizetype from = 0;
    for (const int cut : cuts) {
        joined += QStringView(text).sliced(from, cut - from);
        from = cut + 1;
    }
    joined += QStringView(text).sliced(from);
    return joined;
}

} // namespace MainBas
