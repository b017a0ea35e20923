// Times the two reports as a user meets them: from the click or the key press on the
// real main window to the viewer holding the finished report, offscreen; and an action
// entry of 16 MiB (the most a data file holds) drawn into the information window, without a blank
// against with blanks.
#include "ActionFiles.h"
#include "BoxText.h"
#include "Die.h"
#include "ProgramFolder.h"
#include "Session.h"
#include "SideWindows.h"
#include "Startup.h"
#include "frmText.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

using namespace MainBas;

namespace {

using Clock = std::chrono::steady_clock;

double medianMilliseconds(int repeats, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The report must really be there, or the time means nothing; a long one finishes on a
// thread of its own.
void waitUntilViewerHolds(const QString &start, int minimumLines)
{
    const auto holds = [&] {
        const frmText *viewer = TextViewer();
        return viewer && BoxText(viewer->txtFeld).startsWith(start)
            && viewer->txtFeld->document()->blockCount() >= minimumLines;
    };
    while (!holds())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

// Draws one entry from the first action button, its table filled in memory; the time
// from the click to the entry shown.
double drawMilliseconds(QWidget *button, const QPlainTextEdit *info, const QString &entry)
{
    ActionEntries[0][1] = entry;
    ActionEntryCounts[0] = QStringLiteral("1");
    const double ms
        = medianMilliseconds(3, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    return info->document()->characterCount() > entry.size() ? ms : -1;
}

QtMessageHandler defaultMessages = nullptr;

// The offscreen platform cannot raise a window, and says so every time the viewer comes
// to the front: eleven lines that would bury the figures.
void withoutRaiseNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1String("This plugin does not support raise()"))
        defaultMessages(type, context, message);
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultMessages = qInstallMessageHandler(withoutRaiseNotes);
    QApplication app(argc, argv);
    SetProgramFolder(QStringLiteral(TESSARION_DATA_DIR));
    Session session;
    const std::unique_ptr<Die> die = StartProgram(session);
    if (!die)
        return 1;
    const auto control
        = [&die](const char *name) { return die->findChild<QWidget *>(QLatin1String(name)); };
    auto *samples = static_cast<QLineEdit *>(control("txtProbeCount"));

    samples->setText(QStringLiteral("1000"));
    const QString statistics = QStringLiteral("Step Statistics / Number of Samples N =1000");
    const double statisticsMs = medianMilliseconds(7, [&] {
        delete TextViewer();
        QTest::mouseClick(control("cmdStatistic"), Qt::LeftButton);
        waitUntilViewerHolds(statistics, 102);
    });
    std::printf("statistics report: N=1000 %.1f ms\n", statisticsMs);

    samples->setText(QStringLiteral("100000"));
    const QString distribution = QStringLiteral("Distribution for step 100   (N=100000 samples).");
    const double distributionMs = medianMilliseconds(5, [&] {
        delete TextViewer();
        QTest::keyClick(control("cmdStep(99)"), Qt::Key_F7);
        waitUntilViewerHolds(distribution, 12);
    });
    std::printf("distribution report: step 100 N=100000 %.1f ms\n", distributionMs);

    constexpr qsizetype EntrySize = qsizetype {16} << 20;
    QWidget *firstAction = control("cmdAction(0)");
    auto *info = static_cast<QPlainTextEdit *>(control("txtInfo"));
    const double withoutBlankMs
        = drawMilliseconds(firstAction, info, QString(EntrySize, QLatin1Char('x')));
    const double withBlanksMs
        = drawMilliseconds(firstAction, info, QStringLiteral("word ").repeated(EntrySize / 5));
    if (withoutBlankMs < 0 || withBlanksMs < 0)
        return 1;
    std::printf("action entry: 16 MiB without a blank %.0f ms, with blanks %.0f ms, ratio %.2f\n",
                withoutBlankMs, withBlanksMs, withoutBlankMs / withBlanksMs);

    DestroySideWindows();
    return 0;
}
