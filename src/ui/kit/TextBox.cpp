#include "TextBox.h"

#include "BoxText.h"
#include "ParagraphPieces.h"

#include <QMimeData>

namespace MainBas {

namespace {

bool offersSomething(const QMimeData *source)
{
    return source != nullptr && !source->formats().isEmpty();
}

} // namespace

bool TextBox::canInsertFromMimeData(const QMimeData *source) const
{
    return offersSomething(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void TextBox::insertFromMimeData(const QMimeData *source)
{
    if (!offersSomething(source))
        return;
    if (source->hasText())
        WrapAnywhereForLongRuns(this, source->text());
    QPlainTextEdit::insertFromMimeData(source);
}

QMimeData *TextBox::createMimeDataFromSelection() const
{
    const QString joined = SelectedTextJoined(textCursor());
    if (joined.isNull())
        return QPlainTextEdit::createMimeDataFromSelection();
    auto *data = new QMimeData;
    data->setText(joined);
    return data;
}

} // namespace MainBas
