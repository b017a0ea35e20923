#pragma once

#include "RuntimeError.h"

#include <QString>

#include <exception>
#include <functional>

namespace MainBas {

// Shows an error to the user. By default a message box titled with the program's
// name; tests put an observer in its place so nothing waits for a click.
using ErrorPresenter = std::function<void(const QString &message)>;
void SetErrorPresenter(ErrorPresenter presenter);

// Prints the message to stderr and presents it.
void ReportError(const QString &message);
void ReportError(const RuntimeError &error);

// Runs one command. A run-time error abandons it with a message, leaving whatever
// the command had already done; it never crosses the event loop, and the program
// keeps running.
template<typename Command> void RunCommand(Command &&command)
{
    try {
        command();
    } catch (const RuntimeError &error) {
        ReportError(error);
    } catch (const std::exception &error) {
        ReportError(
            QStringLiteral("Unexpected error: %1").arg(QString::fromLocal8Bit(error.what())));
    }
}

} // namespace MainBas
