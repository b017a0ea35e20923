// The text viewer and the commands around it: its life cycle, the step table, Help,
// About, Exit, and how the program ends while a viewer is open.
#include "BoxText.h"
#include "Die.h"
#include "ScriptedRandom.h"
#include "Startup.h"
#include "TestProgram.h"
#include "frmText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace MainBas;

namespace {

QString viewerText()
{
    return TextViewer() ? BoxText(TextViewer()->txtFeld) : QString();
}

// A steps.txt whose descriptions read "D<step>", except an empty one for step 5.
QByteArray stepsFile()
{
    QByteArray bytes;
    for (int step = 1; step <= 100; ++step)
        bytes += QByteArray::number(step) + "\r\n"
            + (step == 5 ? QByteArray() : "D" + QByteArray::number(step)) + "\r\n";
    return bytes;
}

// Runs the application's event loop as the program does, with the first steps queued;
// returns its exit code. A watchdog ends a loop that would otherwise never end.
int runEventLoop(const std::function<void()> &firstSteps)
{
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(10000);
    QTimer kickOff;
    kickOff.setSingleShot(true);
    QObject::connect(&kickOff, &QTimer::timeout, firstSteps);
    kickOff.start(0);
    return QApplication::exec();
}

// A window that objects to being closed, as an editor asking to save would.
class ObjectingWindow : public QWidget
{
public:
    int closeRequests = 0;

protected:
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

    void start()
    {
        QVERIFY(StartProgram());
        m_die = MainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(m_die));
    }

private slots:
    void init() { m_program = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        delete TextViewer();
        m_program.reset();
        m_die = nullptr;
    }

    // ---- the viewer ----

    void absentUntilUsedThenCreatedHidden()
    {
        QVERIFY(!TextViewer());
        SetViewerText(QStringLiteral("first\r\nsecond"));
        QVERIFY(TextViewer());
        QVERIFY(!TextViewer()->isVisible());
        QCOMPARE(TextViewer()->windowTitle(), QStringLiteral("Textfeld"));
        QCOMPARE(TextViewer()->txtFeld->toPlainText(), QStringLiteral("first\nsecond"));
        delete TextViewer();

        SetViewerTitle(QStringLiteral("A title"));
        QCOMPARE(viewerText(), QStringLiteral("Text1"));
        QVERIFY(!TextViewer()->isVisible());
    }

    void textIsReplacedWhole_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("second");
        QTest::newRow("grows by a line") << "a\r\n"
                                         << ""
                                         << "a\r\nb\r\n";
        QTest::newRow("shrinks") << "a\r\nb\r\n"
                                 << ""
                                 << "a\r\n";
        QTest::newRow("differs") << "a\r\n"
                                 << ""
                                 << "b\r\n";
        QTest::newRow("stays the same") << "a\r\n"
                                        << ""
                                        << "a\r\n";
        QTest::newRow("user typed into it") << "a\r\n"
                                            << "x"
                                            << "a\r\nb\r\n";
    }

    void textIsReplacedWhole()
    {
        QFETCH(QString, first);
        QFETCH(QString, typed);
        QFETCH(QString, second);
        SetViewerText(first);
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

    void windowLayoutAndLook()
    {
        start();
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        frmText *viewer = TextViewer();
        QVERIFY(QTest::qWaitForWindowExposed(viewer));
        QCOMPARE(viewer->objectName(), QStringLiteral("frmText"));
        QCOMPARE(viewer->txtFeld->objectName(), QStringLiteral("txtFeld"));
        QCOMPARE(viewer->cmdOK->objectName(), QStringLiteral("cmdOK"));
        QCOMPARE(viewer->size(), QSize(641, 522));
        QCOMPARE(viewer->minimumSize(), viewer->maximumSize());
        QCOMPARE(viewer->txtFeld->geometry(), QRect(8, 8, 625, 481));
        QCOMPARE(viewer->cmdOK->geometry(), QRect(8, 496, 97, 25));
        QCOMPARE(viewer->cmdOK->text(), QStringLiteral("OK"));
        QVERIFY(!viewer->cmdOK->isDefault());
        QVERIFY(!viewer->cmdOK->autoDefault());

        const Qt::WindowFlags flags = viewer->windowFlags();
        QCOMPARE(viewer->windowType(), Qt::Dialog);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(!viewer->parentWidget());
        QVERIFY(viewer->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(!viewer->windowIcon().isNull());
        QCOMPARE(viewer->font().pointSizeF(), 8.0);

        QVERIFY(!viewer->txtFeld->isReadOnly());
        QCOMPARE(viewer->txtFeld->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(viewer->txtFeld->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    }

    void keysMoveFocusButNeverClose()
    {
        start();
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        frmText *viewer = TextViewer();
        QApplication::setActiveWindow(viewer);
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QCOMPARE(QApplication::focusWidget(), viewer->txtFeld);
        const QString text = viewerText();

        QTest::keyClick(viewer->txtFeld, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), viewer->cmdOK);
        QCOMPARE(viewerText(), text);
        QTest::keyClick(viewer->cmdOK, Qt::Key_Return);
        QTest::keyClick(viewer->cmdOK, Qt::Key_Escape);
        QTest::keyClick(viewer->txtFeld, Qt::Key_Escape);
        QTest::qWait(20);
        QCOMPARE(TextViewer(), viewer);
        QVERIFY(viewer->isVisible());
    }

    void closingDestroysAndNextUseStartsAfresh_data()
    {
        QTest::addColumn<bool>("byOk");
        QTest::newRow("OK button") << true;
        QTest::newRow("close box") << false;
    }

    void closingDestroysAndNextUseStartsAfresh()
    {
        QFETCH(bool, byOk);
        start();
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        QPointer<frmText> first = TextViewer();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        if (byOk)
            QTest::mouseClick(first->cmdOK, Qt::LeftButton);
        else
            first->close();
        QTRY_VERIFY(!first);
        QVERIFY(!TextViewer());

        // A statistics click that skips its report shows a brand-new viewer.
        m_die->txtProbeCount->setText(QStringLiteral("2"));
        QTest::mouseClick(m_die->cmdStatistic, Qt::LeftButton);
        QVERIFY(TextViewer() && TextViewer()->isVisible());
        QCOMPARE(TextViewer()->windowTitle(), QStringLiteral("Textfeld"));
        QCOMPARE(viewerText(), QStringLiteral("Text1"));
    }

    void oneViewerReplacedInPlace()
    {
        m_program->write(QStringLiteral("help.txt"), "Help line\r\n");
        start();
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        QPointer<frmText> viewer = TextViewer();
        const QString table = viewerText();
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        QCOMPARE(TextViewer(), viewer.data());
        QCOMPARE(viewerText(), table);

        QTest::mouseClick(m_die->cmdHelp, Qt::LeftButton);
        QCOMPARE(TextViewer(), viewer.data());
        QCOMPARE(viewer->windowTitle(), QStringLiteral("Tessarion 1.0 - Help"));
        QCOMPARE(viewerText(), QStringLiteral("Help line\r\n"));
        int viewers = 0;
        for (QWidget *window : QApplication::topLevelWidgets())
            viewers += qobject_cast<frmText *>(window) ? 1 : 0;
        QCOMPARE(viewers, 1);
    }

    // ---- how the program ends ----

    void programLivesUntilTheViewerCloses()
    {
        start();
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(TextViewer()));
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        bool runningAfterMainClosed = false;
        QTimer later;
        later.setSingleShot(true);
        connect(&later, &QTimer::timeout, this, [&] {
            runningAfterMainClosed
                = lastClosed.isEmpty() && TextViewer() && TextViewer()->isVisible();
            QTest::mouseClick(TextViewer()->cmdOK, Qt::LeftButton);
        });

        const int exitCode = runEventLoop([&] {
            m_die->close();
            later.start(100);
        });
        QVERIFY(runningAfterMainClosed);
        QCOMPARE(lastClosed.size(), 1);
        QCOMPARE(exitCode, 0);
    }

    void exitClosesEveryWindowWithoutAsking()
    {
        start();
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        QPointer<frmText> viewer = TextViewer();
        ObjectingWindow other;
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));

        const int exitCode
            = runEventLoop([&] { QTest::mouseClick(m_die->cmdExit, Qt::LeftButton); });
        QCOMPARE(exitCode, 0);
        QVERIFY(!viewer);
        QVERIFY(!m_die->isVisible());
        QVERIFY(!other.isVisible());
        QCOMPARE(other.closeRequests, 0);
    }

    // ---- Step Table, Help, About ----

    void stepTable()
    {
        m_program->write(QStringLiteral("steps.txt"), stepsFile());
        start();
        SetBoxText(m_die->txtInfo, QStringLiteral("kept"));
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);

        QCOMPARE(TextViewer()->windowTitle(), QStringLiteral("Extended Earthdawn Step Table"));
        QVERIFY(TextViewer()->isVisible());
        const QString text = viewerText();
        QVERIFY(text.endsWith(QStringLiteral("\r\n")));
        const QStringList lines = text.chopped(2).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 104);
        QCOMPARE(lines[0], QStringLiteral("Extended Earthdawn Step Table"));
        QCOMPARE(lines[1], QString());
        QCOMPARE(lines[2], QStringLiteral("Step   Dices"));
        QCOMPARE(lines[3], QString());
        QCOMPARE(lines[4], QStringLiteral("1         D1"));
        QCOMPARE(lines[8], QStringLiteral("5         "));
        QCOMPARE(lines[13], QStringLiteral("10        D10"));
        QCOMPARE(lines[103], QStringLiteral("100       D100"));
        QCOMPARE(BoxText(m_die->txtInfo), QStringLiteral("kept"));
    }

    void help_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("shown");
        QTest::newRow("three lines, the last unended")
            << QByteArray("a\r\nb\r\nc") << "a\r\nb\r\nc\r\n";
        QTest::newRow("every line ended") << QByteArray("a\r\nb\r\n") << "a\r\nb\r\n";
        QTest::newRow("empty file") << QByteArray("") << "";
        QTest::newRow("a lone CR ends a line") << QByteArray("a\rb") << "a\r\nb\r\n";
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx") << "\r\n\r\nx\r\n";
        QTest::newRow("single-byte code page")
            << QByteArray("caf\xe9 \x80 5") << QStringLiteral("café € 5\r\n");
    }

    void help()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, shown);
        m_program->write(QStringLiteral("help.txt"), file);
        start();
        QTest::mouseClick(m_die->cmdHelp, Qt::LeftButton);

        QVERIFY(m_program->takeErrors().isEmpty());
        QVERIFY(TextViewer() && TextViewer()->isVisible());
        QCOMPARE(TextViewer()->windowTitle(), QStringLiteral("Tessarion 1.0 - Help"));
        QCOMPARE(viewerText(), shown);
        QCOMPARE(m_die->txtErgebnis->text(), QStringLiteral("Help"));
        QCOMPARE(m_die->txtDices->text(), QStringLiteral("Tessarion 1.0"));
        QCOMPARE(BoxText(m_die->txtInfo), QString());
    }

    void helpFileUnreadable_data()
    {
        QTest::addColumn<bool>("folderInItsPlace");
        QTest::newRow("missing") << false;
        QTest::newRow("a folder in its place") << true;
    }

    void helpFileUnreadable()
    {
        QFETCH(bool, folderInItsPlace);
        m_program->remove(QStringLiteral("help.txt"));
        if (folderInItsPlace)
            QVERIFY(QDir().mkdir(m_program->path(QStringLiteral("help.txt"))));
        start();
        QTest::mouseClick(m_die->cmdHelp, Qt::LeftButton);

        const QStringList errors = m_program->takeErrors();
        QCOMPARE(errors.size(), 1);
        QVERIFY2(errors[0].contains(QStringLiteral("File not found")), qPrintable(errors[0]));
        QVERIFY2(errors[0].contains(QStringLiteral("help.txt")), qPrintable(errors[0]));
        QVERIFY(!TextViewer());
        QCOMPARE(m_die->txtErgebnis->text(), QStringLiteral("Help"));
        QCOMPARE(m_die->txtDices->text(), QStringLiteral("Tessarion 1.0"));
        QCOMPARE(BoxText(m_die->txtInfo), QStringLiteral("Information Window\r\n"));

        // The program carries on.
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        QVERIFY(TextViewer());
    }

    void aboutAfterAStepRoll()
    {
        start();
        QTest::mouseClick(m_die->cmdSteps, Qt::LeftButton);
        const QString table = viewerText();
        m_die->txtProbeCount->setText(QStringLiteral("77"));
        {
            ScriptedRandom script {Face(10, 3), Face(10, 4)};
            QTest::mouseClick(m_die->cmdStep[11], Qt::LeftButton);
        }
        QTest::mouseClick(m_die->cmdAbout, Qt::LeftButton);

        QCOMPARE(BoxText(m_die->txtInfo),
                 QStringLiteral(
                     "Tessarion is written by the Tessarion project.\r\n"
                     "Tessarion is freeware: you may use, copy and share it free of charge."));
        QCOMPARE(m_die->txtErgebnis->text(), QStringLiteral("TESSARION"));
        QCOMPARE(m_die->txtDices->text(), QStringLiteral("Version 1.0"));
        QCOMPARE(m_die->txtProbeCount->text(), QStringLiteral("77"));
        QCOMPARE(viewerText(), table);
    }
};

QTEST_MAIN(TestViewer)
#include "tst_viewer.moc"
