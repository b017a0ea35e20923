#include "ErrorReporter.h"

#include "WindowLook.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>

namespace MainBas {

namespace {

void showMessageBox(const QString &message)
{
    QMessageBox::critical(QApplication::activeWindow(), ProgramTitle(), message);
}

ErrorPresenter &presenter()
{
    static ErrorPresenter current = showMessageBox;
    return current;
}

} // namespace

void SetErrorPresenter(ErrorPresenter newPresenter)
{
    presenter() = newPresenter ? std::move(newPresenter) : ErrorPresenter(showMessageBox);
}

void ReportError(const QString &message)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(ProgramTitle()), qPrintable(message));
    std::fflush(stderr);
    presenter()(message);
}

void ReportError(const RuntimeError &error)
{
    ReportError(QString::fromStdString(error.what()));
}

} // namespace MainBas
