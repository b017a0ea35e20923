// The text viewer and the commands around it: its life cycle, the step table, Help,
// Exit, and how the program ends while a side window is open.
#include "EditAction.h"
#include "TestProgram.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

using namespace MainBas;
using namespace Qt::StringLiterals;

namespace {

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

    std::unique_ptr<TestProgram> m_program;
    MainControls *m_main = nullptr;

    // Starts the program and shows the step table in the viewer.
    frmText *startWithStepTable()
    {
        if (!(m_main = m_program->startWindow()))
            return nullptr;
        QTest::mouseClick(m_main->cmdSteps, Qt::LeftButton);
        return QTest::qWaitForWindowExposed(TextViewer()) ? TextViewer() : nullptr;
    }

private slots:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        delete TextViewer();
        m_program.reset();
    }

    // One viewer, its whole text replaced in place by every command, whatever the user
    // typed into it. OK and the close box destroy it, and the next use, even before the
    // closed one is gone, starts from a fresh one.
    void lifeCycle()
    {
        m_program->write(u"help.txt"_s, "Help line\r\n");
        QPointer<frmText> viewer = startWithStepTable();
        QVERIFY(viewer);
        const QString table = ViewerState();
        viewer->txtFeld->moveCursor(QTextCursor::End);
        QTest::keyClicks(viewer->txtFeld, u"typed"_s);
        QTest::mouseClick(m_main->cmdSteps, Qt::LeftButton);
        QCOMPARE(TextViewer(), viewer.data());
        QCOMPARE(ViewerState(), table);
        QTest::mouseClick(m_main->cmdHelp, Qt::LeftButton);
        QCOMPARE(TextViewer(), viewer.data());
        QCOMPARE(ViewerState(), u"Tessarion 1.0 - Help (shown): Help line\r\n"_s);

        m_main->txtProbeCount->setText(u"2"_s); // Statistics skips its report, shows the viewer
        QTest::mouseClick(viewer->cmdOK, Qt::LeftButton);
        QCOMPARE(ViewerState(), u"no viewer"_s);
        QTest::mouseClick(m_main->cmdStatistic, Qt::LeftButton);
        QCOMPARE(ViewerState(), u"Textfeld (shown): Text1"_s);
        QTRY_VERIFY(!viewer);

        viewer = TextViewer();
        viewer->close(); // as the close box does
        QCOMPARE(ViewerState(), u"no viewer"_s);
        QTest::mouseClick(m_main->cmdStatistic, Qt::LeftButton);
        QCOMPARE(ViewerState(), u"Textfeld (shown): Text1"_s);
        QTRY_VERIFY(!viewer);
    }

    // Runs in the real event loop, which alone decides about the last window: with the
    // main window closed, the program lives until the viewer and the editor are closed.
    void programLivesUntilTheLastSideWindowCloses()
    {
        QPointer<QWidget> viewer = startWithStepTable();
        QTest::keyClick(m_main->cmdAction[1], Qt::Key_F7);
        QPointer<QWidget> editor = ShownWindow<EditAction>();
        QVERIFY(viewer && editor && QTest::qWaitForWindowExposed(editor));
        QList<int> shown; // how many side windows are still shown before each close
        QObject later; // ends the steps below with this test
        const auto closeNext = [&] {
            shown << (viewer && viewer->isVisible()) + (editor && editor->isVisible());
            if (QWidget *next = viewer && viewer->isVisible() ? viewer.data() : editor.data())
                next->close();
        };
        const int exitCode = runEventLoop([&] {
            m_main->window->close();
            QTimer::singleShot(100, &later, [&] {
                closeNext();
                QTimer::singleShot(100, &later, closeNext);
            });
        });
        QCOMPARE(shown, QList<int>({2, 1}));
        QCOMPARE(exitCode, 0);
    }

    void exitClosesEveryWindowWithoutAsking()
    {
        QPointer<frmText> viewer = startWithStepTable();
        QVERIFY(viewer);
        ObjectingWindow other;
        other.show();
        QCOMPARE(runEventLoop([&] { QTest::mouseClick(m_main->cmdExit, Qt::LeftButton); }), 0);
        QVERIFY(!viewer);
        QVERIFY(!m_main->window->isVisible());
        QVERIFY(!other.isVisible());
        QCOMPARE(other.closeRequests, 0);
    }

    // Every step with its description in the eleventh column, even an empty one.
    void stepTable()
    {
        m_program->write(u"steps.txt"_s, StepsFile("D").replace("\n5\r\nD5\r\n", "\n5\r\n\r\n"));
        QVERIFY((m_main = m_program->startWindow()));
        SetBoxText(m_main->txtInfo, u"kept"_s);
        QTest::mouseClick(m_main->cmdSteps, Qt::LeftButton);

        const QStringList lines = ViewerState().split(u"\r\n"_s);
        QCOMPARE(lines.size(), 104 + 1); // the last line ends, too
        QCOMPARE(
            QStringList({lines[0], lines[2], lines[4], lines[8], lines[103], lines[104]}),
            QStringList({u"Extended Earthdawn Step Table (shown): Extended Earthdawn Step Table"_s,
                         u"Step   Dices"_s, u"1         D1"_s, u"5         "_s, u"100       D100"_s,
                         QString()}));
        QCOMPARE(BoxText(m_main->txtInfo), u"kept"_s);
    }

    // The viewer wraps as the information window does: a run of more than a thousand
    // characters without a blank wraps anywhere, whether the text is replaced or, as the
    // statistics report does it, grown; ordinary text wraps at words again.
    void longRunsWrapAnywhere_data()
    {
        QTest::addColumn<QStringList>("texts"); // handed to the viewer in turn
        QTest::addColumn<bool>("anywhere");
        const QString table = u"Step   Dices\r\n"_s;
        const QString line = QString(65536, u'x') + u"\r\n"_s;
        QTest::newRow("a long line") << QStringList {line} << true;
        QTest::newRow("a long line added") << QStringList {table, table + line} << true;
        QTest::newRow("words after a long line") << QStringList {line, table} << false;
    }

    void longRunsWrapAnywhere()
    {
        QFETCH(QStringList, texts);
        QFETCH(bool, anywhere);
        for (const QString &text : texts)
            SetViewerText(text);
        QVERIFY(BoxText(TextViewer()->txtFeld) == texts.last());
        QCOMPARE(TextViewer()->txtFeld->wordWrapMode(),
                 anywhere ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere);
    }

    // A failed read leaves the information window as it was and the viewer shut.
    void help_data()
    {
        QTest::addColumn<QVariant>("file"); // bytes, a FileKind, or null: no file
        QTest::addColumn<QString>("viewer");
        QTest::addColumn<QString>("error");
        const QString title = u"Tessarion 1.0 - Help (shown): "_s;
        QTest::newRow("code page, the last line unended")
            << QVariant(QByteArray("a\r\ncaf\xe9 \x80\r\nc")) << title + u"a\r\ncafé €\r\nc\r\n"_s
            << QString();
        QTest::newRow("empty file") << QVariant(QByteArray("")) << title << QString();
        const QByteArray longLine(65536, 'x');
        QTest::newRow("a line of 64 KiB without a blank")
            << QVariant(longLine) << title + QString::fromLatin1(longLine) + u"\r\n"_s << QString();
        QTest::newRow("missing") << QVariant() << u"no viewer"_s << u"File not found"_s;
        QTest::newRow("a named pipe") << QVariant::fromValue(FileKind::NamedPipe) << u"no viewer"_s
                                      << RefusalOf(FileKind::NamedPipe);
    }

    void help()
    {
        QFETCH(QVariant, file);
        QFETCH(QString, viewer);
        QFETCH(QString, error);
        QVERIFY(m_program->put(u"help.txt"_s, file));
        QVERIFY((m_main = m_program->startWindow()));
        QTest::mouseClick(m_main->cmdHelp, Qt::LeftButton);

        QVERIFY(ViewerState() == viewer); // no listing of 64 KiB on a failure
        QCOMPARE(Boxes(m_main),
                 u"Tessarion 1.0|Help|"_s
                     + (TextViewer() ? QString() : u"Information Window\r\n"_s));
        const QString errors = m_program->takeErrors().join(u'\n');
        QVERIFY2(error.isEmpty() ? errors.isEmpty()
                                 : errors.contains(error) && errors.contains(u"help.txt"_s),
                 qPrintable(errors));
    }
};

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
