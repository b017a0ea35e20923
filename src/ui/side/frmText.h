#pragma once

// The text viewer: one shared, modeless window that shows a long text under a title.
// The step table, Help and the two reports hand it their texts. It does not exist
// until first used, and OK or the close box destroys it, so each later use starts
// afresh from "Textfeld" / "Text1".

#include "SideWindow.h"
#include "SideWindows.h" // TextViewer(), the one instance

class QPlainTextEdit;
class QPushButton;

namespace MainBas {

class frmText : public SideWindow
{
    Q_OBJECT

public:
    frmText();

    QPlainTextEdit *txtFeld = nullptr;
    QPushButton *cmdOK = nullptr;

public slots:
    void cmdOK_Click();
};

// The operations every caller uses. Each first creates the viewer, hidden, when it
// is absent; the title and text of an open viewer are replaced in place.
void SetViewerTitle(const QString &title);
void SetViewerText(const QString &text); // lines end with CR LF
void ShowViewer(); // modeless, brought to the front

} // namespace MainBas
