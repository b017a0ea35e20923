// The text viewer and the commands around it: its life cycle, the step table, Help,
// About, Exit, and how the program ends while a viewer is open.
#include "BoxText.h"
#include "TestProgram.h"
#include "frmText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

// The viewer's title, visibility and text in one string, to compare them at once.
QString viewerState()
{
    if (!TextViewer())
        return u"no viewer"_s;
    return TextViewer()->windowTitle()
        + (TextViewer()->isVisible() ? u" (shown): "_s : u" (hidden): "_s)
        + BoxText(TextViewer()->txtFeld);
}

// Runs the application's event loop as the program does, with the first steps queued;
// returns its exit code. A watchdog ends a loop that would otherwise never end.
int runEventLoop(const std::function<void()> &firstSteps)
{
    QTimer watchdog;
    QObject::connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
    watchdog.start(10000);
    QTimer::singleShot(0, qApp, firstSteps);
    return QApplication::exec();
}

// A window that objects to being closed, as an editor asking to save would.
struct ObjectingWindow : QWidget
{
    int closeRequests = 0;
    void closeEvent(QCloseEvent *event) override
    {
        ++closeRequests;
        event->ignore();
    }
};

} // namespace

class TestViewer : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TestProgram> m_program;
    Die *m_die = nullptr;

    // Starts the program and shows the step table in the viewer.
    frmText *startWithStepTable()
    {
        if (!(m_die = m_program->startWindow()))
            return nullptr;
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        return QTest::qWaitForWindowExposed(TextViewer()) ? TextViewer() : nullptr;
    }

private slots:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        delete TextViewer();
        m_program.reset();
    }

    // ---- the viewer ----

    // Each text replaces the whole of the last, whatever the user typed, leaving the
    // cursor where it was and nothing to undo.
    void textIsReplacedWhole_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("second");
        QTest::newRow("grows by a line") << u"a\r\n"_s << QString() << u"a\r\nb\r\n"_s;
        QTest::newRow("shrinks") << u"a\r\nb\r\n"_s << QString() << u"a\r\n"_s;
        QTest::newRow("user typed into it") << u"a\r\n"_s << u"x"_s << u"a\r\nb\r\n"_s;
    }

    void textIsReplacedWhole()
    {
        QFETCH(QString, first);
        QFETCH(QString, typed);
        QFETCH(QString, second);
        SetViewerText(first);
        QCOMPARE(viewerState(), u"Textfeld (hidden): "_s + first); // created hidden on first use
        QPlainTextEdit *box = TextViewer()->txtFeld;
        box->moveCursor(QTextCursor::End);
        QTest::keyClicks(box, typed);
        QCOMPARE(BoxText(box), first + typed);
        box->moveCursor(QTextCursor::Start);
        SetViewerText(second);
        QCOMPARE(BoxText(box), second);
        QCOMPARE(box->textCursor().position(), 0);
        QVERIFY(!box->document()->isUndoAvailable());
    }

    // One viewer, replaced in place by every command. OK and the close box destroy it,
    // and the next use, even before the closed one is gone, starts from a fresh one.
    void lifeCycle()
    {
        m_program->write(u"help.txt"_s, "Help line\r\n");
        QPointer<frmText> viewer = startWithStepTable();
        QVERIFY(viewer);
        const QString table = viewerState();
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        QCOMPARE(TextViewer(), viewer.data());
        QCOMPARE(viewerState(), table);
        QTest::mouseClick(m_die->cmdHelp, Qt::LeftButton);
        QCOMPARE(TextViewer(), viewer.data());
        QCOMPARE(viewerState(), u"Tessarion 1.0 - Help (shown): Help line\r\n"_s);

        m_die->txtProbeCount->setText(u"2"_s); // Statistics skips its report, shows the viewer
        QTest::mouseClick(viewer->cmdOK, Qt::LeftButton);
        QCOMPARE(viewerState(), u"no viewer"_s);
        QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);
        QCOMPARE(viewerState(), u"Textfeld (shown): Text1"_s);
        QTRY_VERIFY(!viewer);

        viewer = TextViewer();
        viewer->close(); // as the close box does
        QCOMPARE(viewerState(), u"no viewer"_s);
        QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);
        QCOMPARE(viewerState(), u"Textfeld (shown): Text1"_s);
        QTRY_VERIFY(!viewer);
    }

    // The text box has the focus first, OK second; neither Enter nor Escape closes it.
    void keysNeverCloseTheViewer()
    {
        frmText *viewer = startWithStepTable();
        QVERIFY(viewer);
        QApplication::setActiveWindow(viewer);
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QCOMPARE(QApplication::focusWidget(), viewer->txtFeld);
        QTest::keyClick(viewer->txtFeld, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), viewer->cmdOK);
        QTest::keyClick(viewer->cmdOK, Qt::Key_Return);
        QTest::keyClick(viewer->cmdOK, Qt::Key_Escape);
        QTest::keyClick(viewer->txtFeld, Qt::Key_Escape);
        QTest::qWait(20);
        QVERIFY(TextViewer() == viewer && viewer->isVisible());
    }

    // ---- how the program ends ----

    void programLivesUntilTheViewerCloses()
    {
        QVERIFY(startWithStepTable());
        bool runningAfterMainClosed = false;
        QObject later; // ends the check below with this test
        const int exitCode = runEventLoop([&] {
            m_die->close();
            QTimer::singleShot(100, &later, [&] {
                runningAfterMainClosed = TextViewer() && TextViewer()->isVisible();
                QTest::mouseClick(TextViewer()->cmdOK, Qt::LeftButton);
            });
        });
        QVERIFY(runningAfterMainClosed);
        QCOMPARE(exitCode, 0);
    }

    void exitClosesEveryWindowWithoutAsking()
    {
        QPointer<frmText> viewer = startWithStepTable();
        QVERIFY(viewer);
        ObjectingWindow other;
        other.show();
        QCOMPARE(runEventLoop([&] { QTest::mouseClick(m_die->cmdExit, Qt::LeftButton); }), 0);
        QVERIFY(!viewer);
        QVERIFY(!m_die->isVisible());
        QVERIFY(!other.isVisible());
        QCOMPARE(other.closeRequests, 0);
    }

    // ---- Step Table, Help, About ----

    void stepTable()
    {
        QByteArray steps; // descriptions "D<step>", but an empty one for step 5
        for (int step = 1; step <= 100; ++step)
            steps += QByteArray::number(step)
                + (step == 5 ? "\r\n\r\n" : "\r\nD" + QByteArray::number(step) + "\r\n");
        m_program->write(u"steps.txt"_s, steps);
        QVERIFY((m_die = m_program->startWindow()));
        SetBoxText(m_die->txtInfo, u"kept"_s);
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);

        const QStringList lines = viewerState().split(u"\r\n"_s);
        QCOMPARE(lines.size(), 104 + 1);
        QCOMPARE(lines.mid(0, 5).join(u'|'),
                 u"Extended Earthdawn Step Table (shown): Extended Earthdawn Step Table||"
                 "Step   Dices||1         D1"_s);
        QCOMPARE(lines[8], u"5         "_s);
        QCOMPARE(lines[13], u"10        D10"_s);
        QCOMPARE(lines[103], u"100       D100"_s);
        QCOMPARE(lines[104], QString()); // the last line ends, too
        QCOMPARE(BoxText(m_die->txtInfo), u"kept"_s);
    }

    void help_data()
    {
        QTest::addColumn<QVariant>("file"); // bytes, a FileKind, or null: no file
        QTest::addColumn<QString>("viewer");
        QTest::addColumn<QString>("error");
        const QString title = u"Tessarion 1.0 - Help (shown): "_s;
        QTest::newRow("three lines, the last unended")
            << QVariant(QByteArray("a\r\nb\r\nc")) << title + u"a\r\nb\r\nc\r\n"_s << QString();
        QTest::newRow("empty file") << QVariant(QByteArray("")) << title << QString();
        QTest::newRow("single-byte code page")
            << QVariant(QByteArray("caf\xe9 \x80 5")) << title + u"café € 5\r\n"_s << QString();
        QTest::newRow("missing") << QVariant() << u"no viewer"_s << u"File not found"_s;
        for (const FileKind kind :
             {FileKind::Folder, FileKind::NamedPipe, FileKind::LinkToZero, FileKind::OverTheLimit})
            QTest::addRow("refused: %s", qPrintable(RefusalOf(kind)))
                << QVariant::fromValue(kind) << u"no viewer"_s << RefusalOf(kind);
    }

    void help()
    {
        QFETCH(QVariant, file);
        QFETCH(QString, viewer);
        QFETCH(QString, error);
        QVERIFY(m_program->put(u"help.txt"_s, file));
        QVERIFY((m_die = m_program->startWindow()));
        QTest::mouseClick(m_die->cmdHelp, Qt::LeftButton);

        QCOMPARE(viewerState(), viewer);
        QCOMPARE(m_die->txtErgebnis->text(), u"Help"_s);
        QCOMPARE(m_die->txtDices->text(), u"Tessarion 1.0"_s);
        const bool shown = TextViewer();
        // A failed read leaves the information window as it was.
        QCOMPARE(BoxText(m_die->txtInfo), shown ? QString() : u"Information Window\r\n"_s);
        const QString errors = m_program->takeErrors().join(u'\n');
        QVERIFY2(error.isEmpty() ? errors.isEmpty()
                                 : errors.contains(error) && errors.contains(u"help.txt"_s),
                 qPrintable(errors));
    }

    void aboutAfterAStepRoll()
    {
        QVERIFY(startWithStepTable());
        const QString table = viewerState();
        m_die->txtProbeCount->setText(u"77"_s);
        QTest::mouseClick(m_die->cmdStep[11], Qt::LeftButton);
        QTest::mouseClick(m_die->cmdAbout, Qt::LeftButton);

        QCOMPARE(BoxText(m_die->txtInfo),
                 u"Tessarion is written by the Tessarion project.\r\n"
                 "Tessarion is freeware: you may use, copy and share it free of charge."_s);
        QCOMPARE(m_die->txtErgebnis->text(), u"TESSARION"_s);
        QCOMPARE(m_die->txtDices->text(), u"Version 1.0"_s);
        QCOMPARE(m_die->txtProbeCount->text(), u"77"_s);
        QCOMPARE(viewerState(), table);
    }
};

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
