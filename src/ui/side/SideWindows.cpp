#include "SideWindows.h"

#include "EditAction.h"
#include "RollLogWindow.h"
#include "SideWindow.h"
#include "StepOddsWindow.h"
#include "frmText.h"

namespace MainBas {

namespace {

OneInstance<frmText> &viewer()
{
    static OneInstance<frmText> holder;
    return holder;
}

OneInstance<EditAction> &editor()
{
    static OneInstance<EditAction> holder;
    return holder;
}

OneInstance<StepOddsWindow> &odds()
{
    static OneInstance<StepOddsWindow> holder;
    return holder;
}

OneInstance<RollLogWindow> &rollLog()
{
    static OneInstance<RollLogWindow> holder;
    return holder;
}

} // namespace

frmText *TextViewer()
{
    return viewer().live();
}

frmText *TextViewerCreatedOnDemand()
{
    return viewer().liveOrNew();
}

EditAction *ActionEditor()
{
    return editor().liveOrNew();
}

StepOddsWindow *OddsWindow()
{
    return odds().live();
}

StepOddsWindow *OddsWindowCreatedOnDemand()
{
    return odds().liveOrNew();
}

RollLogWindow *LogWindow()
{
    return rollLog().live();
}

RollLogWindow *LogWindowCreatedOnDemand()
{
    return rollLog().liveOrNew();
}

void DestroySideWindows()
{
    viewer().destroy();
    editor().destroy();
    odds().destroy();
    rollLog().destroy();
}

} // namespace MainBas
