#include "LongWork.h"

#include "BusyCursor.h"
#include "ProgressShare.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLocale>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <utility>

namespace MainBas {

namespace {

constexpr int ShowDialogAfterMs = 300;
constexpr int RefreshEveryMs = 50;
constexpr int BarSteps = 1000;

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
        return true;
    default:
        return false;
    }
}

// Drops input meant for anything but the progress dialog while the work runs, and turns
// closing the owner into a cancel before the close goes ahead.
class InputGuard : public QObject
{
public:
    InputGuard(QWidget *owner, QWidget *dialog, std::function<void()> cancel)
        : m_owner(owner)
        , m_dialog(dialog)
        , m_cancel(std::move(cancel))
    {
        qApp->installEventFilter(this);
    }
    ~InputGuard() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Close && receiver == m_owner)
            m_cancel();
        if (!isUserInput(event->type()) || isInDialog(receiver))
            return false;
        // Claimed here, a key cannot fire a shortcut either.
        if (event->type() == QEvent::ShortcutOverride)
            event->accept();
        return true;
    }

private:
    // Input reaches a window first, then its widgets: both must be the dialog's.
    bool isInDialog(QObject *receiver) const
    {
        if (const auto *window = qobject_cast<QWindow *>(receiver))
            return window == m_dialog->windowHandle();
        const auto *widget = qobject_cast<QWidget *>(receiver);
        return widget && (widget == m_dialog || m_dialog->isAncestorOf(widget));
    }

    QWidget *m_owner;
    QWidget *m_dialog;
    std::function<void()> m_cancel;
};

// One piece of long work, from its start to its end: the thread it runs on, the dialog
// that shows how far it came, and what drops other input meanwhile.
class LongWorkRun : public QObject
{
public:
    LongWorkRun(QWidget *owner, WorkView view, std::function<void()> work,
                std::function<void(std::exception_ptr)> done)
        : QObject(owner)
        , m_view(std::move(view))
        , m_done(std::move(done))
        , m_dialog(new QProgressDialog(owner))
        , m_guard(std::make_unique<InputGuard>(owner, m_dialog, m_view.cancel))
    {
        setUpDialog();
        m_thread = QThread::create([this, work = std::move(work)] {
            try {
                work();
            } catch (...) {
                m_failure = std::current_exception();
            }
        });
        connect(m_thread, &QThread::finished, this, &LongWorkRun::finish);
        connect(&m_ticks, &QTimer::timeout, this, &LongWorkRun::refresh);
        m_clock.start();
        m_ticks.start(RefreshEveryMs);
        m_thread->start();
    }

    // The owner goes, the program with it: the work stops, and nothing is shown of it.
    ~LongWorkRun() override
    {
        if (m_thread) {
            m_view.cancel();
            m_thread->wait();
            delete m_thread;
        }
    }

private:
    void setUpDialog()
    {
        m_dialog->setWindowTitle(m_view.title);
        m_dialog->setRange(0, BarSteps);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        // Shown by refresh(), not by the dialog's own guess of the time left.
        m_dialog->setMinimumDuration(std::numeric_limits<int>::max());
        connect(m_dialog, &QProgressDialog::canceled, this, [this] { m_view.cancel(); });
    }

    void refresh()
    {
        const double fraction = std::clamp(m_view.fraction(), 0.0, 1.0);
        m_estimate.record(static_cast<double>(m_clock.elapsed()) / 1000, fraction);
        m_dialog->setLabelText(m_view.label() + QLatin1Char('\n')
                               + TimeLeftText(m_estimate.secondsLeft()));
        m_dialog->setValue(static_cast<int>(fraction * BarSteps));
        if (!m_dialog->isVisible() && m_clock.elapsed() >= ShowDialogAfterMs)
            m_dialog->show();
    }

    void finish()
    {
        m_ticks.stop();
        m_thread->wait();
        delete std::exchange(m_thread, nullptr);
        m_guard.reset();
        delete m_dialog.data();
        m_busy.reset();
        deleteLater();
        m_done(m_failure);
    }

    WorkView m_view;
    std::function<void(std::exception_ptr)> m_done;
    QPointer<QProgressDialog> m_dialog;
    std::unique_ptr<InputGuard> m_guard;
    std::optional<BusyCursor> m_busy {std::in_place};
    QThread *m_thread = nullptr;
    std::exception_ptr m_failure;
    QTimer m_ticks;
    QElapsedTimer m_clock;
    TimeLeftEstimate m_estimate;
};

} // namespace

QString TimeLeftText(std::optional<double> secondsLeft)
{
    constexpr double MostHoursTold = 99;
    if (!secondsLeft)
        return QStringLiteral("Estimating the time left...");
    const double seconds = *secondsLeft;
    const auto figure = [](double count) { return QLocale().toString(static_cast<int>(count)); };
    if (seconds < 60)
        return QStringLiteral("About %1 s left").arg(figure(std::max(1.0, std::ceil(seconds))));
    if (seconds < 3600)
        return QStringLiteral("About %1 min left").arg(figure(std::ceil(seconds / 60)));
    const double hours = std::ceil(seconds / 3600);
    if (!(hours <= MostHoursTold))
        return QStringLiteral("More than %1 h left").arg(figure(MostHoursTold));
    return QStringLiteral("About %1 h left").arg(figure(hours));
}

void StartLongWork(QWidget *owner, WorkView view, std::function<void()> work,
                   std::function<void(std::exception_ptr failure)> done)
{
    new LongWorkRun(owner, std::move(view), std::move(work), std::move(done));
}

} // namespace MainBas
