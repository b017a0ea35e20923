#include "TextBox.h"

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
    if (offersSomething(source))
        QPlainTextEdit::insertFromMimeData(source);
}

} // namespace MainBas
