// Loads the shipped data files and reports what they hold. The windows come next;
// until then this shows whether the program folder is complete and well formed.
#include "ActionFiles.h"
#include "ProgramFolder.h"
#include "RandomSource.h"
#include "RuntimeError.h"
#include "StepDescriptions.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    try {
        MainBas::Random().seedFromTimer();
        MainBas::LoadStepDescriptions();
        for (std::int16_t index = 0; index < MainBas::ActionButtonCount; ++index)
            MainBas::LoadActionFile(index);
    } catch (const MainBas::RuntimeError &error) {
        err << "Tessarion 1.0: " << QString::fromStdString(error.what()) << Qt::endl;
        return 1;
    }
    out << "Tessarion 1.0: data files loaded from " << MainBas::ProgramFolder() << Qt::endl;
    for (int step = 1; step <= MainBas::StepCount; ++step)
        out << "Step " << step << ": " << MainBas::StepDescriptions[step] << Qt::endl;
    for (int index = 0; index < MainBas::ActionButtonCount; ++index)
        out << "Action button " << index + 1 << ": \"" << MainBas::ActionEntries[index][0]
            << "\" with " << MainBas::ActionEntryCounts[index] << " entries" << Qt::endl;
    return 0;
}
