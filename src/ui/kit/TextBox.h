#pragma once

#include <QPlainTextEdit>

namespace MainBas {

// The multi-line text box every window uses. A paste of clipboard data that offers no
// format at all (an X11 clipboard whose owner has quit, or one never filled) crashes
// Qt 6.4's text control, so such a paste does nothing here; every other paste, and
// dropping text, works as usual. Pasted or dropped text with a long run without a blank
// makes the box wrap anywhere, as SetBoxText does. Copied or dragged text joins the
// pieces of a paragraph that ShowBoxText cut.
class TextBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;
};

} // namespace MainBas
