#include "SideWindows.h"

#include "EditAction.h"
#include "SideWindow.h"
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

void DestroySideWindows()
{
    viewer().destroy();
    editor().destroy();
}

} // namespace MainBas
