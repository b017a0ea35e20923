// Times the two reports as a user meets them: from the click or the key press on the
// real main window to the viewer holding the finished report, offscreen; and an action
// entry of 4 MiB drawn into the information window, without a blank against with blanks.
#include "ActionFiles.h"
#include "BoxText.h"
#include "Die.h"
#include "ProgramFolder.h"
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

// The report must really be there, or the time means nothing.
bool viewerHolds(const QString &start, int minimumLines)
{
    const frmText *viewer = TextViewer();
    return viewer && BoxText(viewer->txtFeld).startsWith(start)
        && viewer->txtFeld->document()->blockCount() >= minimumLines;
}

// Draws one entry from the first action button, its table filled in memory; the time
// from the click to the entry shown.
double drawMilliseconds(Die *die, const QString &entry)
{
    ActionEntries[0][1] = entry;
    ActionEntryCounts[0] = QStringLiteral("1");
    const double ms
        = medianMilliseconds(3, [die] { QTest::mouseClick(die->cmdAction[0], Qt::LeftButton); });
    return die->txtInfo->document()->characterCount() > entry.size() ? ms : -1;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetProgramFolder(QStringLiteral(TESSARION_DATA_DIR));
    if (!StartProgram())
        return 1;
    Die *die = MainWindow();

    die->txtProbeCount->setText(QStringLiteral("1000"));
    const double statisticsMs
        = medianMilliseconds(7, [die] { QTest::mouseClick(die->cmdStatistic, Qt::LeftButton); });
    if (!viewerHolds(QStringLiteral("Step Statistics / Number of Samples N =1000"), 102))
        return 1;
    std::printf("statistics report: N=1000 %.1f ms\n", statisticsMs);

    die->txtProbeCount->setText(QStringLiteral("100000"));
    const double distributionMs
        = medianMilliseconds(5, [die] { QTest::keyClick(die->cmdStep[99], Qt::Key_F7); });
    if (!viewerHolds(QStringLiteral("Distribution for step 100   (N=100000 samples)."), 12))
        return 1;
    std::printf("distribution report: step 100 N=100000 %.1f ms\n", distributionMs);

    constexpr qsizetype EntrySize = qsizetype {4} << 20;
    const double withoutBlankMs = drawMilliseconds(die, QString(EntrySize, QLatin1Char('x')));
    const double withBlanksMs
        = drawMilliseconds(die, QStringLiteral("word ").repeated(EntrySize / 5));
    if (withoutBlankMs < 0 || withBlanksMs < 0)
        return 1;
    std::printf("action entry: 4 MiB without a blank %.0f ms, with blanks %.0f ms, ratio %.2f\n",
                withoutBlankMs, withBlanksMs, withoutBlankMs / withBlanksMs);

    DestroyMainWindow();
    delete TextViewer();
    return 0;
}
