#include "SideWindows.h"

#include "EditAction.h"
#include "RollLogWindow.h"
#include "RollSheetWindow.h"
#include "SettingsWindow.h"
#include "SideWindow.h"
#include "StepOddsWindow.h"
#include "frmText.h"

namespace MainBas {

namespace {

// The one holder of each kind of side window.
template<typename Window> OneInstance<Window> &holder()
{
    static OneInstance<Window> one;
    return one;
}

} // namespace

frmText *TextViewer()
{
    return holder<frmText>().live();
}

frmText *TextViewerCreatedOnDemand()
{
    return holder<frmText>().liveOrNew();
}

EditAction *ActionEditor()
{
    return holder<EditAction>().liveOrNew();
}

StepOddsWindow *OddsWindow()
{
    return holder<StepOddsWindow>().live();
}

StepOddsWindow *OddsWindowCreatedOnDemand()
{
    return holder<StepOddsWindow>().liveOrNew();
}

RollLogWindow *LogWindow()
{
    return holder<RollLogWindow>().live();
}

RollLogWindow *LogWindowCreatedOnDemand(Log::RollLog &log)
{
    return holder<RollLogWindow>().liveOrNew(log);
}

RollSheetWindow *RollSheetWindowIfOpen()
{
    return holder<RollSheetWindow>().live();
}

RollSheetWindow *RollSheetWindowCreatedOnDemand(const SheetSession &session)
{
    return holder<RollSheetWindow>().liveOrNew(session);
}

SettingsWindow *SettingsWindowIfOpen()
{
    return holder<SettingsWindow>().live();
}

SettingsWindow *SettingsWindowCreatedOnDemand()
{
    return holder<SettingsWindow>().liveOrNew();
}

void DestroySideWindows()
{
    holder<SettingsWindow>().destroy();
    holder<frmText>().destroy();
    holder<EditAction>().destroy();
    holder<StepOddsWindow>().destroy();
    holder<RollLogWindow>().destroy();
    holder<RollSheetWindow>().destroy();
}

} // namespace MainBas
