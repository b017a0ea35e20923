#include "Questions.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace MainBas {

namespace {

YesNoAnswerer &yesNoAnswerer()
{
    static YesNoAnswerer answerer;
    return answerer;
}

SavePathAnswerer &savePathAnswerer()
{
    static SavePathAnswerer answerer;
    return answerer;
}

OpenPathAnswerer &openPathAnswerer()
{
    static OpenPathAnswerer answerer;
    return answerer;
}

UnsavedAnswerer &unsavedAnswerer()
{
    static UnsavedAnswerer answerer;
    return answerer;
}

} // namespace

void SetYesNoAnswerer(YesNoAnswerer answerer)
{
    yesNoAnswerer() = std::move(answerer);
}

bool AskYesNo(QWidget *parent, const QString &title, const QString &question)
{
    if (yesNoAnswerer())
        return yesNoAnswerer()(question);
    // No is the default, so an Enter pressed too soon destroys nothing.
    return QMessageBox::question(parent, title, question, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
        == QMessageBox::Yes;
}

void SetSavePathAnswerer(SavePathAnswerer answerer)
{
    savePathAnswerer() = std::move(answerer);
}

QString AskSavePath(QWidget *parent, const QString &title, const QString &suggested,
                    const QString &filter)
{
    if (savePathAnswerer())
        return savePathAnswerer()(suggested);
    QFileDialog dialog(parent, title, suggested, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QFileInfo(suggested).suffix());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

void SetOpenPathAnswerer(OpenPathAnswerer answerer)
{
    openPathAnswerer() = std::move(answerer);
}

QString AskOpenPath(QWidget *parent, const QString &title, const QString &folder,
                    const QString &filter)
{
    if (openPathAnswerer())
        return openPathAnswerer()(folder);
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
}

void SetUnsavedAnswerer(UnsavedAnswerer answerer)
{
    unsavedAnswerer() = std::move(answerer);
}

UnsavedChoice AskAboutUnsaved(QWidget *parent, const QString &title, const QString &question)
{
    if (unsavedAnswerer())
        return unsavedAnswerer()(question);
    // Esc and the close box cancel, so nothing is lost by a hasty key.
    const auto answer = QMessageBox::question(
        parent, title, question, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
        QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return UnsavedChoice::Save;
    return answer == QMessageBox::Discard ? UnsavedChoice::Discard : UnsavedChoice::Cancel;
}

} // namespace MainBas
