#include "frmText.h"

#include "BoxText.h"
#include "SideWindows.h"
#include "TextBox.h"
#include "Twips.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace MainBas {

namespace {

constexpr int ClientWidth = 9615;
constexpr int ClientHeight = 7830;
constexpr Placement FeldAt {120, 120, 9375, 7215};
constexpr Placement OkAt {120, 7440, 1455, 375};

} // namespace

frmText::frmText()
    : SideWindow(Qt::Dialog, QStringLiteral("frmText"), QStringLiteral("Textfeld"), ClientWidth,
                 ClientHeight)
{
    txtFeld = new TextBox(this);
    txtFeld->setObjectName(QStringLiteral("txtFeld"));
    txtFeld->setGeometry(FeldAt.toPixels());
    txtFeld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtFeld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtFeld->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtFeld->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtFeld->setTabChangesFocus(true);
    SetBoxText(txtFeld, QStringLiteral("Text1"));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(OkAt.toPixels());
    cmdOK->setAutoDefault(false);
    cmdOK->setDefault(false);

    setTabOrder(txtFeld, cmdOK);
    txtFeld->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &frmText::cmdOK_Click);
}

void frmText::cmdOK_Click()
{
    close();
}

void SetViewerTitle(const QString &title)
{
    TextViewerCreatedOnDemand()->setWindowTitle(title);
}

void SetViewerText(const QString &text)
{
    ShowBoxText(TextViewerCreatedOnDemand()->txtFeld, text);
}

void ShowViewer()
{
    frmText *viewer = TextViewerCreatedOnDemand();
    // A window shown anew comes up in front; one already open is brought forward.
    if (!viewer->isVisible()) {
        viewer->show();
        return;
    }
    viewer->raise();
    viewer->activateWindow();
}

} // namespace MainBas
