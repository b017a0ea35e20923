#include "SideWindows.h"

#include "EditAction.h"
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

void DestroySideWindows()
{
    viewer().destroy();
    editor().destroy();
    odds().destroy();
}

} // namespace MainBas
