#pragma once

// The Settings window: the edition whose step table and rules every roll follows, each
// with one line saying what changes. One instance, modeless; opened with Ctrl+, in the
// main window or from the context menus of the information box and the step buttons. A
// choice applies at once; the main window keeps it.

#include "Edition.h"
#include "LaidOutWindow.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace MainBas {

class SettingsWindow : public LaidOutWindow
{
    Q_OBJECT

public:
    SettingsWindow();

    // Shows the edition in use, without announcing it as a new choice.
    void showEdition(Edition edition);

    // Nothing to copy here: Ctrl+C leaves the clipboard alone.
    QString copiedText() const override { return {}; }

    QListWidget *lstEdition = nullptr;
    QLabel *lblEditionNote = nullptr;
    QPushButton *cmdClose = nullptr;

signals:
    void editionChosen(Edition edition);

private:
    void editionRowChanged(int row);
};

} // namespace MainBas
