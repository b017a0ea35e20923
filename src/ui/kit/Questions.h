#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace MainBas {

// Questions a command puts to the user. By default dialogs; tests put an answerer in
// their place so nothing waits for a click.

// Asks a question that has the answer yes or no; true for yes.
using YesNoAnswerer = std::function<bool(const QString &question)>;
void SetYesNoAnswerer(YesNoAnswerer answerer);
bool AskYesNo(QWidget *parent, const QString &title, const QString &question);

// Asks for the name of a file to save to, starting from the suggested path, whose
// suffix is added to a name typed without one; empty when the user cancels.
using SavePathAnswerer = std::function<QString(const QString &suggested)>;
void SetSavePathAnswerer(SavePathAnswerer answerer);
QString AskSavePath(QWidget *parent, const QString &title, const QString &suggested,
                    const QString &filter);

} // namespace MainBas
