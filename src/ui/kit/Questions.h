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

// Asks for a file to open, starting in the folder; empty when the user cancels.
using OpenPathAnswerer = std::function<QString(const QString &folder)>;
void SetOpenPathAnswerer(OpenPathAnswerer answerer);
QString AskOpenPath(QWidget *parent, const QString &title, const QString &folder,
                    const QString &filter);

// What to do with changes not yet saved before they would be lost.
enum class UnsavedChoice { Save, Discard, Cancel };
using UnsavedAnswerer = std::function<UnsavedChoice(const QString &question)>;
void SetUnsavedAnswerer(UnsavedAnswerer answerer);
UnsavedChoice AskAboutUnsaved(QWidget *parent, const QString &title, const QString &question);

} // namespace MainBas
