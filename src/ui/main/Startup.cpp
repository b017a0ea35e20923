#include "Startup.h"

#include "ActionFiles.h"
#include "Die.h"
#include "ErrorReporter.h"
#include "Session.h"
#include "StepDescriptions.h"
#include "WindowMemory.h"

namespace MainBas {

std::unique_ptr<Die> InitMainWindow(Session &session)
{
    auto window = std::make_unique<Die>(session);
    window->setFocusOrder();
    return window;
}

std::unique_ptr<Die> Main(Session &session)
{
    session.random.seedFromTimer();
    session.loadSettings();
    SetWindowMemory({[&session](const QString &key) { return session.setting(key); },
                     [&session](const QString &key, const QVariant &value) {
                         session.keepQuietly(key, value);
                     }});
    LoadStepDescriptions();
    std::unique_ptr<Die> window = InitMainWindow(session);
    window->captionNumberedButtons();
    SetActionCaptionSink([die = window.get()](int index, const QString &caption) {
        die->setActionCaption(index, caption);
    });
    for (std::int16_t index = 0; index < ActionButtonCount; ++index)
        LoadActionFile(index);
    window->show();
    return window;
}

std::unique_ptr<Die> StartProgram(Session &session)
{
    try {
        return Main(session);
    } catch (const RuntimeError &error) {
        ReportError(error);
        return nullptr;
    }
}

} // namespace MainBas
