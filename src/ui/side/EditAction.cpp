#include "EditAction.h"

#include "ActionFiles.h"
#include "BoxText.h"
#include "ErrorReporter.h"
#include "FileAccess.h"
#include "Questions.h"
#include "TextBox.h"
#include "Twips.h"
#include "WindowLook.h"

#include <QButtonGroup>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace MainBas {

std::int16_t EditedActionIndex = -1;

namespace {

constexpr int ClientWidth = 9465;
constexpr int ClientHeight = 7500;

struct Control
{
    const char *name;
    const char *caption;
    Placement at;
};

constexpr Control ActionButtonLabel = {"lblActionButton", "Action Button:", {120, 120, 1095, 255}};
constexpr Control ActionButtonBox = {"txtActionButton", "Text1", {1320, 120, 2055, 285}};
constexpr Control EntriesLabel
    = {"lblEntries",
       "Entries, each line represents an entry from which Tessarion will choose action",
       {120, 480, 9255, 255}};
constexpr Control EntriesBox = {"txtEntries", "Text1", {120, 720, 9255, 6255}};
constexpr std::array<Control, 2> Buttons = {{
    {"cmdOK(0)", "Ok", {120, 7080, 1575, 375}},
    {"cmdOK(1)", "Cancel", {1800, 7080, 1575, 375}},
}};

template<typename Widget> Widget *place(Widget *widget, const Control &control)
{
    widget->setObjectName(QLatin1String(control.name));
    widget->setGeometry(control.at.toPixels());
    return widget;
}

QLabel *createLabel(QWidget *parent, const Control &control)
{
    auto *label = place(new QLabel(QLatin1String(control.caption), parent), control);
    // The stand-in for the dialog font runs wider than the one the layout was made
    // for; a label grows to the right to keep its caption whole.
    label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
    return label;
}

QPlainTextEdit *createEntriesBox(QWidget *parent)
{
    auto *box = place(new TextBox(parent), EntriesBox);
    // Every visible line is one entry, so lines never wrap.
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    SetBoxText(box, QLatin1String(EntriesBox.caption));
    return box;
}

} // namespace

EditAction::EditAction()
    : SideWindow(Qt::Window, QStringLiteral("EditAction"), QStringLiteral("Edit Action Button"),
                 ClientWidth, ClientHeight)
{
    lblActionButton = createLabel(this, ActionButtonLabel);
    txtActionButton
        = place(new QLineEdit(QLatin1String(ActionButtonBox.caption), this), ActionButtonBox);
    // Qt's default of 32,767 characters would cut a longer caption on Ok.
    txtActionButton->setMaxLength(static_cast<int>(MaxDataFileBytes));
    txtActionButton->setAccessibleName(QStringLiteral("Action button caption"));
    lblEntries = createLabel(this, EntriesLabel);
    txtEntries = createEntriesBox(this);
    txtEntries->setAccessibleName(QStringLiteral("Entries, one per line"));

    // A plain window, not a dialog, and no default button: Enter stays a line break
    // in the entries box and Esc closes nothing.
    auto *group = new QButtonGroup(this);
    for (std::size_t i = 0; i < Buttons.size(); ++i) {
        cmdOK[i] = place(new QPushButton(QLatin1String(Buttons[i].caption), this), Buttons[i]);
        cmdOK[i]->setAutoDefault(false);
        group->addButton(cmdOK[i], static_cast<int>(i));
    }

    setTabOrder(txtActionButton, txtEntries);
    setTabOrder(txtEntries, cmdOK[0]);
    setTabOrder(cmdOK[0], cmdOK[1]);
    txtActionButton->setFocus();
    connect(group, &QButtonGroup::idClicked, this, &EditAction::cmdOK_Click);
}

void EditAction::cmdOK_Click(int Index)
{
    RunCommand([&] {
        // A failed or declined save leaves the editor open with the user's text.
        if (Index == 0 && !saveEditedAction())
            return;
        close();
    });
}

bool EditAction::saveEditedAction()
{
    const QString text = txtActionButton->text() + QStringLiteral("\r\n") + BoxText(txtEntries);
    const std::int16_t index = EditedActionIndex;
    if (ActionFileChangedSinceLoad(index) && !mayOverwrite(ActionFilePath(index)))
        return false;
    SaveActionFile(index, text);
    LoadActionFile(index);
    return true;
}

// Another program (or another copy of this one) wrote the file after the editor's text
// was loaded from it: saving now would silently undo that.
bool EditAction::mayOverwrite(const QString &path)
{
    const QString question = QStringLiteral("%1 was changed by another program since you opened "
                                            "it. Overwrite it?")
                                 .arg(QFileInfo(path).fileName());
    return AskYesNo(this, ProgramTitle(), question);
}

} // namespace MainBas
