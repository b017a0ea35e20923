#include "LongWork.h"

#include "ProgressShare.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLocale>
#include <QProgressDialog>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <exception>
#include <limits>
#include <thread>

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

void refresh(QProgressDialog &dialog, const WorkView &view, const QElapsedTimer &clock,
             TimeLeftEstimate &estimate)
{
    const double fraction = std::clamp(view.fraction(), 0.0, 1.0);
    estimate.record(static_cast<double>(clock.elapsed()) / 1000, fraction);
    dialog.setLabelText(view.label() + QLatin1Char('\n') + TimeLeftText(estimate.secondsLeft()));
    dialog.setValue(static_cast<int>(fraction * BarSteps));
    if (!dialog.isVisible() && clock.elapsed() >= ShowDialogAfterMs)
        dialog.show();
}

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

void RunLongWork(QWidget *owner, const WorkView &view, WorkThread where,
                 const std::function<void()> &work)
{
    if (where == WorkThread::Caller) {
        work();
        return;
    }
    QProgressDialog dialog(owner);
    dialog.setWindowTitle(view.title);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setRange(0, BarSteps);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    // Shown by the refresh below, not by the dialog's own guess of the time left.
    dialog.setMinimumDuration(std::numeric_limits<int>::max());
    QObject::connect(&dialog, &QProgressDialog::canceled, &dialog, view.cancel);
    const InputGuard guard(owner, &dialog, view.cancel);

    QEventLoop loop;
    std::exception_ptr failure;
    std::thread worker([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });

    QElapsedTimer clock;
    clock.start();
    TimeLeftEstimate estimate;
    QTimer ticks;
    QObject::connect(&ticks, &QTimer::timeout, &dialog,
                     [&] { refresh(dialog, view, clock, estimate); });
    ticks.start(RefreshEveryMs);
    loop.exec();
    // The loop also ends when the program is told to quit; then the work stops too.
    view.cancel();
    worker.join();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace MainBas
