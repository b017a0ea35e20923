// The Roll Sheet's rolls: the quick roll and the named rolls, each rolled for the
// character (its karma taken), shown, logged, and copied for the group.
#include "RollSheetWindow.h"

#include "CharacterRoll.h"
#include "ErrorReporter.h"
#include "NamedRollsModel.h"
#include "NumberBox.h"
#include "RollLog.h"
#include "SheetChances.h"
#include "TestText.h"

#include <QLabel>
#include <QPushButton>

namespace MainBas {

Sheet::StepTest RollSheetWindow::quickTest() const
{
    Sheet::StepTest test;
    test.step = spnStep->value();
    test.wounds = m_sheet.wounds;
    test.modifier = spnModifier->value();
    test.karmaPoints = spnKarma->value();
    test.karmaDie = m_session.karmaDie();
    test.devotionPoints = spnDevotion->value();
    test.devotionDie = m_session.devotionDie();
    if (spnTarget->value() > 0)
        test.target = spnTarget->value();
    return test;
}

// A named roll with the sheet's wounds and the modifier of the moment.
Sheet::StepTest RollSheetWindow::testOf(const Sheet::NamedRoll &roll) const
{
    Sheet::StepTest test;
    test.step = roll.step;
    test.wounds = m_sheet.wounds;
    test.modifier = spnModifier ? spnModifier->value() : 0;
    test.karmaPoints = roll.karmaPoints;
    test.karmaDie = m_session.karmaDie();
    test.devotionDie = m_session.devotionDie();
    test.target = roll.target;
    return test;
}

void RollSheetWindow::rollQuick()
{
    roll({}, quickTest());
}

void RollSheetWindow::rollRow(int row)
{
    if (row < 0 || row >= static_cast<int>(m_sheet.rolls.size()))
        return;
    const Sheet::NamedRoll &named = m_sheet.rolls.at(static_cast<std::size_t>(row));
    roll(named.name, testOf(named));
}

// A roll refused for want of karma, or stopped by an overflow, changes nothing.
void RollSheetWindow::roll(const QString &name, const Sheet::StepTest &test)
{
    RunCommand([&] {
        const Edition edition = m_session.edition();
        const int karmaBefore = m_sheet.karmaLeft;
        try {
            Sheet::TestResult result
                = Sheet::RollForCharacter(m_sheet, test, edition, m_session.random);
            m_last = LastRoll {m_sheet.name, name, test, std::move(result), edition};
        } catch (const Sheet::KarmaShort &shortage) {
            ReportError(shortage.message());
            return;
        }
        const Sheet::TestResult &result = m_last->result;
        m_session.log.append(Log::TestRolled {Sheet::TestText(name, test),
                                              Sheet::LoggedResultText(result, edition),
                                              result.roll.total, result.verdict.automaticFailure});
        showResult();
        if (m_sheet.karmaLeft != karmaBefore) {
            showKarma();
            setUnsaved(true);
        }
    });
}

void RollSheetWindow::showResult()
{
    if (!m_last) {
        lblRolled->setText(QStringLiteral("Nothing rolled yet."));
        lblTotal->clear();
        lblDice->clear();
        lblVerdict->clear();
        cmdCopy->setEnabled(false);
        return;
    }
    lblRolled->setText(Sheet::TestText(m_last->name, m_last->test));
    lblTotal->setText(QString::number(m_last->result.roll.total));
    lblDice->setText(Sheet::DiceRollsText(m_last->result.roll));
    lblVerdict->setText(Sheet::VerdictText(m_last->result.verdict, m_last->edition));
    cmdCopy->setEnabled(true);
}

QString RollSheetWindow::copiedText() const
{
    if (!m_last)
        return {};
    return Sheet::SharedLine(m_last->character, m_last->name, m_last->test, m_last->result,
                             m_last->edition);
}

void RollSheetWindow::refreshQuickChance()
{
    const Sheet::StepTest test = quickTest();
    lblChance->setText(test.target ? QStringLiteral("Chance of success: ")
                               + ChanceOfSuccessText(test, m_session.edition())
                                   : QStringLiteral("No target number"));
}

void RollSheetWindow::refreshChances()
{
    refreshQuickChance();
    m_model->refreshChances();
}

void RollSheetWindow::followRules()
{
    refreshChances();
}

} // namespace MainBas
