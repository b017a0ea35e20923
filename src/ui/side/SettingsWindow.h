#pragma once

// The Settings window: the edition whose step table and rules every roll follows, each
// with one line saying what changes, and the dice a karma and a devotion point add. One instance,
// modeless; opened with Ctrl+, in the main window or from the context menus of the information box
// and the step buttons. A choice applies at once; the main window keeps it.

#include "Edition.h"
#include "LaidOutWindow.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace MainBas {

class SettingsWindow : public LaidOutWindow
{
    Q_OBJECT

public:
    SettingsWindow();

    // Shows the choices in use, without announcing them as new ones.
    void showEdition(Edition edition);
    void showExtraDice(int karmaDie, int devotionDie);

    // Nothing to copy here: Ctrl+C leaves the clipboard alone.
    QString copiedText() const override { return {}; }

    QListWidget *lstEdition = nullptr;
    QLabel *lblEditionNote = nullptr;
    QComboBox *cboKarmaDie = nullptr;
    QComboBox *cboDevotionDie = nullptr;
    QPushButton *cmdClose = nullptr;

signals:
    void editionChosen(Edition edition);
    void karmaDieChosen(int size);
    void devotionDieChosen(int size);

private:
    void editionRowChanged(int row);
    QComboBox *dieChoice(const char *name, const char *accessible);
};

} // namespace MainBas
