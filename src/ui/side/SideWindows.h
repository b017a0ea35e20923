#pragma once

// Who owns the side windows. Each has one holder, in SideWindows.cpp: it creates the
// window on first use, hands out the open one, and lets it go when it closes, so the
// next use starts from a fresh window. Exit destroys them all at once.

namespace MainBas {

namespace Log {
class RollLog;
}

class EditAction;
class RollLogWindow;
class RollSheetWindow;
class SettingsWindow;
class StepOddsWindow;
class frmText;
struct SheetSession;

// The viewer as it stands, or nullptr when it is closed or was never used.
frmText *TextViewer();

// The viewer, created hidden when none is open.
frmText *TextViewerCreatedOnDemand();

// The action editor, created hidden when none is open; an open one as it stands.
EditAction *ActionEditor();

// The Step Odds window as it stands, or nullptr when it is closed or was never used.
StepOddsWindow *OddsWindow();

// The Step Odds window, created hidden when none is open.
StepOddsWindow *OddsWindowCreatedOnDemand();

// The Roll Log window as it stands, or nullptr when it is closed or was never used.
RollLogWindow *LogWindow();

// The Roll Log window of the log, created hidden when none is open.
RollLogWindow *LogWindowCreatedOnDemand(Log::RollLog &log);

// The Roll Sheet as it stands, or nullptr when it is closed or was never used.
RollSheetWindow *RollSheetWindowIfOpen();

// The Roll Sheet, created hidden (with the sheet last used) when none is open.
RollSheetWindow *RollSheetWindowCreatedOnDemand(const SheetSession &session);

// The Settings window as it stands, or nullptr when it is closed or was never used.
SettingsWindow *SettingsWindowIfOpen();

// The Settings window, created hidden when none is open.
SettingsWindow *SettingsWindowCreatedOnDemand();

// Deletes every side window at once, open or not, asking nothing.
void DestroySideWindows();

} // namespace MainBas
