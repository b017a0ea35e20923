#pragma once

// The action editor: a modeless window that edits the caption and the entries of one
// action button. F7 on an action button fills it and shows it; Ok writes that
// button's action file, reloads it and closes the editor, after asking if another
// program changed the file since it was loaded; Cancel and the close box
// only close it. There is at most one editor, and each opening after a close starts
// from a fresh window.

#include "SideWindow.h"

#include <array>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace MainBas {

// The action button whose caption and entries the editor was last filled with; -1
// until F7 is first pressed on an action button. The F7 command sets it and the
// editor's Ok reads it. It lives here, with its only reader, so the editor does not
// reach into the main window's code for it.
extern std::int16_t EditedActionIndex;

class EditAction : public SideWindow
{
    Q_OBJECT

public:
    EditAction();

    QLabel *lblActionButton = nullptr;
    QLineEdit *txtActionButton = nullptr;
    QLabel *lblEntries = nullptr;
    QPlainTextEdit *txtEntries = nullptr;
    std::array<QPushButton *, 2> cmdOK {}; // 0: "Ok", 1: "Cancel"

public slots:
    void cmdOK_Click(int Index);

private:
    // Saves and reloads the edited button's file; false when the user declined.
    bool saveEditedAction();
    bool mayOverwrite(const QString &path);
};

} // namespace MainBas
