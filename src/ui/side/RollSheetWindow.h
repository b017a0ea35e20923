#pragma once

// The Roll Sheet: the window a player keeps open through a session. A quick roll (step,
// karma and devotion points, wounds, a step modifier, a target number) with its chance of
// success; the result, large and plain, with its dice and verdict; the character's named
// rolls, rolled with Enter or a double click; the character's karma and wounds; the sheet
// kept as a file. Every roll goes to the roll log; Ctrl+C copies the result as one line
// for the group. One instance, modeless; opened with Ctrl+R in the main window or from
// the context menus of the information box and the step buttons.

#include "CharacterSheet.h"
#include "Edition.h"
#include "LaidOutWindow.h"
#include "StepTest.h"

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace MainBas {

class NamedRollsModel;
class NumberBox;
class RandomSource;

namespace Log {
class RollLog;
}

// What the sheet takes from the program's session: where its dice come from and its
// rolls go, the rules in force, and where the sheet last used is kept.
struct SheetSession
{
    RandomSource &random;
    Log::RollLog &log;
    std::function<Edition()> edition;
    std::function<int()> karmaDie;
    std::function<int()> devotionDie;
    std::function<QString()> lastSheet;
    std::function<void(const QString &path)> keepLastSheet;
};

class RollSheetWindow : public LaidOutWindow
{
    Q_OBJECT

public:
    // Opens the sheet last used, if there is one.
    explicit RollSheetWindow(const SheetSession &session);
    ~RollSheetWindow() override;

    // Shows the window in front with the focus in Step.
    void showSheet();

    // The edition or the karma or devotion die changed: the chances follow.
    void followRules();

    // The last result as one line for a chat: character, roll, dice, total and verdict.
    QString copiedText() const override;

    // The sheet's file, empty for a sheet never saved, and whether it has changes not saved.
    const QString &sheetPath() const { return m_path; }
    bool hasUnsavedChanges() const { return m_unsaved; }

    QLineEdit *txtName = nullptr;
    NumberBox *spnKarmaLeft = nullptr;
    NumberBox *spnKarmaMaximum = nullptr;
    QPushButton *cmdRefresh = nullptr;

    NumberBox *spnStep = nullptr;
    NumberBox *spnKarma = nullptr;
    NumberBox *spnDevotion = nullptr;
    NumberBox *spnWounds = nullptr;
    NumberBox *spnModifier = nullptr;
    NumberBox *spnTarget = nullptr;
    QPushButton *cmdRoll = nullptr;
    QLabel *lblChance = nullptr;

    QLabel *lblRolled = nullptr;
    QLabel *lblTotal = nullptr;
    QLabel *lblDice = nullptr;
    QLabel *lblVerdict = nullptr;
    QPushButton *cmdCopy = nullptr;

    QTableView *tblRolls = nullptr;
    QPushButton *cmdAdd = nullptr;
    QPushButton *cmdEdit = nullptr;
    QPushButton *cmdDelete = nullptr;
    QPushButton *cmdUp = nullptr;
    QPushButton *cmdDown = nullptr;

    QLabel *lblFile = nullptr;
    QPushButton *cmdNew = nullptr;
    QPushButton *cmdOpen = nullptr;
    QPushButton *cmdSave = nullptr;
    QPushButton *cmdSaveAs = nullptr;
    QPushButton *cmdClose = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // RollSheetWindow.cpp: the controls and their order.
    QWidget *createCharacter();
    QWidget *createQuickRoll();
    QWidget *createResult();
    QWidget *createNamedRolls();
    QWidget *createFileButtons();
    void setFocusOrder();
    void connectCharacter();

    // RollSheetRolls.cpp: rolling, the result and the chances.
    Sheet::StepTest quickTest() const;
    Sheet::StepTest testOf(const Sheet::NamedRoll &roll) const;
    void rollQuick();
    void rollRow(int row);
    void roll(const QString &name, const Sheet::StepTest &test);
    void showResult();
    void refreshQuickChance();
    void refreshChances();

    // RollSheetCharacter.cpp: the character's boxes, the named rolls' buttons.
    void showCharacter();
    void showKarma();
    void characterChanged();
    void refreshKarma();
    void addRoll();
    void editRoll();
    void startEditing(const QModelIndex &cell);
    void deleteRoll();
    void moveRoll(int by);
    int currentRow() const;

    // RollSheetFiles.cpp: New, Open, Save, Save As and the question before changes go.
    void newSheet();
    void openSheet();
    bool save();
    bool saveAs();
    bool writeTo(const QString &path);
    bool mayDropChanges();
    void openLastSheet();
    void useSheet(Sheet::CharacterSheet sheet, const QString &path);
    void setUnsaved(bool unsaved);

    struct LastRoll
    {
        QString character;
        QString name;
        Sheet::StepTest test;
        Sheet::TestResult result;
        Edition edition = Edition::First;
    };

    SheetSession m_session;
    Sheet::CharacterSheet m_sheet;
    NamedRollsModel *m_model = nullptr;
    QString m_path;
    bool m_unsaved = false;
    std::optional<LastRoll> m_last;
};

} // namespace MainBas
