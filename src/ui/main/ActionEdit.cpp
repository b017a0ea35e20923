// F7 on an action button opens the action editor with that button's caption and
// entries; pressed again while the editor is open, it refills the editor.
#include "Die.h"

#include "ActionFiles.h"
#include "BoxText.h"
#include "ButtonArrayKeys.h"
#include "EditAction.h"
#include "ErrorReporter.h"
#include "SideWindows.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace MainBas {

namespace {

// The entries one per line. The break after the last one goes, unless the text is a
// lone break: a single empty entry still shows as one line break.
QString entriesText(std::size_t button)
{
    QString text;
    const std::int16_t count = ActionEntryCounts.at(button).toShort();
    for (std::int16_t entry = 1; entry <= count; ++entry)
        text += ActionEntries[button][static_cast<std::size_t>(entry)] + QStringLiteral("\r\n");
    if (text.size() > 2)
        text.chop(2);
    return text;
}

} // namespace

void Die::cmdAction_KeyDown(int Index, int KeyCode, int /*Shift: any state opens the editor*/)
{
    RunCommand([&] {
        if (KeyCode != KeyCodeF7)
            return;
        const auto button = static_cast<std::size_t>(Index);
        EditedActionIndex = static_cast<std::int16_t>(Index);
        EditAction *editor = ActionEditor();
        editor->txtActionButton->setText(ActionEntries.at(button)[0]);
        SetBoxText(editor->txtEntries, entriesText(button));
        editor->show();
        editor->raise();
        editor->activateWindow();
    });
}

} // namespace MainBas
