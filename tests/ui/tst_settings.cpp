// The edition as a setting: chosen in the Settings window with the keyboard, followed by
// every roll and text of the main window, kept in the settings file, and a bad settings
// file passed over with a warning.
#include "BoxText.h"
#include "LogText.h"
#include "RollLogWindow.h"
#include "Session.h"
#include "SettingsWindow.h"
#include "SideWindows.h"
#include "StepOddsWindow.h"
#include "TestProgram.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

#include <sys/stat.h>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

QString settingsPath()
{
    return SettingsFile::standardPath();
}

// What the program writes to stderr while the object lives, caught in a file.
class CapturedStderr
{
public:
    CapturedStderr()
    {
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        m_file.open();
        dup2(m_file.handle(), STDERR_FILENO);
    }
    ~CapturedStderr() { release(); }

    QString text()
    {
        release();
        m_file.seek(0);
        return QString::fromLocal8Bit(m_file.readAll());
    }

private:
    void release()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }

    QTemporaryFile m_file;
    int m_saved = -1;
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;
    MainControls *m_main = nullptr;

    // The Step Odds window for a step, opened from its button's context menu.
    StepOddsWindow *openOdds(int index)
    {
        QTest::keyClick(m_main->cmdStep[static_cast<std::size_t>(index)], Qt::Key_F10,
                        Qt::ShiftModifier);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return nullptr;
        QTest::keyClick(menu, Qt::Key_Return);
        return OddsWindow();
    }

    // Ctrl+, in the main window, in front of any other.
    SettingsWindow *openSettings()
    {
        QApplication::setActiveWindow(m_main->window);
        QTest::keyClick(m_main->window, Qt::Key_Comma, Qt::ControlModifier);
        return SettingsWindowIfOpen();
    }

    // Ctrl+, in the main window, then the edition picked from the list by its row.
    void chooseEdition(int row)
    {
        openSettings();
        SettingsWindow *settings = SettingsWindowIfOpen();
        QVERIFY(settings && settings->isVisible());
        QTest::keyClick(settings->lstEdition, Qt::Key_Home);
        for (int down = 0; down < row; ++down)
            QTest::keyClick(settings->lstEdition, Qt::Key_Down);
        QTest::keyClick(settings->lstEdition, Qt::Key_Escape);
        QVERIFY(!SettingsWindowIfOpen());
    }

    // What a user sees of a step: its roll's dice box, its button's tooltip, its line in
    // the Step Table, the Dice(s) line of its distribution report and its roll log row.
    QString whatShows(int step)
    {
        const auto button = m_main->cmdStep[static_cast<std::size_t>(step - 1)];
        QTest::mouseClick(button, Qt::LeftButton);
        QStringList seen {m_main->window->windowTitle(), m_main->txtDices->text(),
                          button->toolTip().section(u'\n', 0, 0)};
        QTest::mouseClick(m_main->cmdSteps, Qt::LeftButton);
        seen << BoxText(TextViewer()->txtFeld).split(u"\r\n"_s).at(3 + step);
        m_main->txtProbeCount->setText(u"2"_s);
        QTest::keyClick(button, Qt::Key_F7);
        seen << BoxText(TextViewer()->txtFeld).split(u"\r\n"_s).at(1);
        const Log::Entry &rolled
            = m_program->session().log.entries().at(m_program->session().log.entries().size() - 2);
        seen << Log::WhatText(rolled.roll);
        return seen.join(u" | "_s);
    }

private slots:
    void init()
    {
        m_program = std::make_unique<TestProgram>();
        QFile::remove(settingsPath());
    }

    void cleanup()
    {
        delete TextViewer();
        m_program.reset();
    }

    // 4th edition from the Settings window: step 19 rolls a D20 and two D6 and says so
    // everywhere; back to the 1st edition every text is as it was, and the choice is kept.
    void editionFollowedEverywhere()
    {
        QVERIFY((m_main = m_program->startWindow()));
        const QString first = whatShows(19);
        QCOMPARE(first,
                 u"Tessarion 1.0 | D20+2D6 | Step 19: D20+2D6 | 19        D20+2D6 | "
                 "Dice(s): D20+2D6 | Step 19 (D20+2D6)"_s);
        const QString firstAt14 = whatShows(14);

        chooseEdition(3);
        QCOMPARE(whatShows(19),
                 u"Tessarion 1.0 - 4th edition | D20+2D6 | Step 19: D20+2D6 | 19        "
                 "D20+2D6 | Dice(s): D20+2D6 | Step 19 (D20+2D6)"_s);
        QCOMPARE(whatShows(14),
                 u"Tessarion 1.0 - 4th edition | 2D12 | Step 14: 2D12 | 14        2D12 | "
                 "Dice(s): 2D12 | Step 14 (2D12)"_s);
        QSettings kept(settingsPath(), QSettings::IniFormat);
        QCOMPARE(kept.value(u"edition"_s).toString(), u"fourth"_s);

        chooseEdition(2);
        m_program->use(ScriptedRandom::repeating(Face(12, 6)));
        QTest::mouseClick(m_main->cmdStep[99], Qt::LeftButton);
        QCOMPARE(m_main->txtDices->text(), u"13D12+D8+D6"_s);
        QCOMPARE(m_main->txtErgebnis->text(), u" 85"_s); // 13 sixes on D12, 4 on D8, 3 on D6
        m_program->session().random = RandomSource();

        chooseEdition(0);
        QCOMPARE(whatShows(14), firstAt14);
        QCOMPARE(whatShows(19), first);
        QCOMPARE(QSettings(settingsPath(), QSettings::IniFormat).value(u"edition"_s).toString(),
                 u"first"_s);
        QVERIFY(m_program->takeErrors().isEmpty());
    }

    // An open Step Odds window follows the edition and the karma die chosen in Settings,
    // and one opened later starts at them.
    void stepOddsFollowsTheSettings()
    {
        QVERIFY((m_main = m_program->startWindow()));
        StepOddsWindow *odds = openOdds(10);
        QVERIFY(odds);
        const QString firstEdition = odds->lblSummary->text();

        chooseEdition(3);
        QCOMPARE(odds->cboEdition->currentText(), u"4th edition"_s);
        QTRY_VERIFY(odds->lblSummary->text() != firstEdition);
        SettingsWindow *settings = openSettings();
        QVERIFY(settings);
        settings->cboKarmaDie->setCurrentIndex(2);
        emit settings->cboKarmaDie->activated(2); // D8, as a user's choice
        QCOMPARE(odds->cboKarma->currentText(), u"D8"_s);
        QCOMPARE(m_program->session().karmaDie(), 8);

        chooseEdition(0);
        QTRY_COMPARE(odds->lblSummary->text(), firstEdition);
    }

    // The settings file round-trips; a bad one starts the program on the 1st edition and
    // says so once, and nothing stops it from starting.
    void settingsFileAtStart_data()
    {
        QTest::addColumn<QVariant>("file");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("warning"); // the one line on stderr; "any" for no check
        QTest::newRow("none") << QVariant() << u"Tessarion 1.0"_s << QString();
        QTest::newRow("third") << QVariant(QByteArray("[General]\nedition=third\n"))
                               << u"Tessarion 1.0 - 3rd edition"_s << QString();
        QTest::newRow("classic, other keys around")
            << QVariant(QByteArray("[General]\nfoo=1\nedition=classic\n[Other]\nx=y\n"))
            << u"Tessarion 1.0 - Classic"_s << QString();
        QTest::newRow("an unknown edition")
            << QVariant(QByteArray("[General]\nedition=fifth\n")) << u"Tessarion 1.0"_s
            << u"the edition \"fifth\" is unknown, so the 1st edition is used."_s;
        QTest::newRow("garbage") << QVariant(QByteArray("\x01\xff[[[\0\nedition\n", 15))
                                 << u"Tessarion 1.0"_s << u"any"_s;
        QTest::newRow("a named pipe") << QVariant::fromValue(FileKind::NamedPipe)
                                      << u"Tessarion 1.0"_s << u"it is a named pipe, not a file."_s;
        QTest::newRow("a folder") << QVariant::fromValue(FileKind::Folder) << u"Tessarion 1.0"_s
                                  << u"it is a folder, not a file."_s;
    }

    void settingsFileAtStart()
    {
        QFETCH(QVariant, file);
        QFETCH(QString, title);
        QFETCH(QString, warning);
        QDir().mkpath(QFileInfo(settingsPath()).absolutePath());
        QVERIFY(PutFile(settingsPath(), file));
        const QByteArray before = file.metaType() == QMetaType::fromType<QByteArray>()
            ? file.toByteArray()
            : QByteArray();

        CapturedStderr stderrText;
        QVERIFY((m_main = m_program->startWindow()));
        const QString printed = stderrText.text();
        QCOMPARE(m_main->window->windowTitle(), title);
        QCOMPARE(m_program->session().settingsPath(), settingsPath());
        QVERIFY(m_program->takeErrors().isEmpty());
        if (!before.isEmpty())
            QCOMPARE(ReadFile(settingsPath()), before); // reading never rewrites it
        if (warning != u"any"_s) {
            const QString expected = warning.isEmpty()
                ? QString()
                : u"Tessarion: the settings file %1 was passed over: %2\n"_s.arg(settingsPath(),
                                                                                 warning);
            QCOMPARE(printed, expected);
        }
    }

    // A laid-out window comes back as large and where it was, in the next run too; the
    // specified windows keep their sizes.
    void windowsKeepTheirPlace()
    {
        QVERIFY((m_main = m_program->startWindow()));
        QTest::keyClick(m_main->window, Qt::Key_L, Qt::ControlModifier);
        QWidget *log = LogWindow();
        QVERIFY(log && QTest::qWaitForWindowExposed(log));
        const QSize first = log->size();
        const QSize wider = first + QSize(120, 60);
        log->resize(wider);
        QTRY_COMPARE(log->size(), wider);
        log->close();
        QTRY_VERIFY(!LogWindow());

        m_program->closeWindow();
        QVERIFY((m_main = m_program->startWindow()));
        QTest::keyClick(m_main->window, Qt::Key_L, Qt::ControlModifier);
        QVERIFY(LogWindow() && QTest::qWaitForWindowExposed(LogWindow()));
        QCOMPARE(LogWindow()->size(), wider);
        QCOMPARE(m_main->window->size(), QSize(711, 521));
    }

    // Step Odds comes back with its karma points, and its target number for the same step.
    void stepOddsKeepsItsChoices()
    {
        QVERIFY((m_main = m_program->startWindow()));
        StepOddsWindow *odds = openOdds(10);
        QVERIFY(odds);
        odds->spnKarma->setValue(2);
        odds->spnTarget->setValue(17);
        odds->close();
        QTRY_VERIFY(!OddsWindow());

        m_program->closeWindow();
        QVERIFY((m_main = m_program->startWindow()));
        odds = openOdds(10);
        QVERIFY(odds);
        QCOMPARE(odds->spnKarma->value(), 2);
        QCOMPARE(odds->spnTarget->value(), 17);
        odds = openOdds(11); // another step: the target number at its mean again
        QCOMPARE(odds->spnTarget->value(), 21); // step 12 (2D10) with 2 karma D6: 12.2 + 8.4
        QCOMPARE(odds->spnKarma->value(), 2);
    }

    // A choice that cannot be kept holds for the run and is reported once.
    void failedSaveReportedOnce()
    {
        QDir().mkpath(settingsPath()); // a folder where the file should be
        QVERIFY((m_main = m_program->startWindow()));
        chooseEdition(3);
        chooseEdition(2);
        QCOMPARE(m_main->window->windowTitle(), u"Tessarion 1.0 - 3rd edition"_s);
        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(u"it is a folder, not a file"_s), qPrintable(errors[0]));
    }
};

QTEST_MAIN(TestSettings)
#include "tst_settings.moc"
