// The free dice pool: each "+D" button rolls one exploding die and adds it to the sum
// in the result box; Clear empties the boxes. The pool keeps no state of its own: the
// sum and the list of dice are the boxes' texts, read back on every click, so dice
// added after a step roll or a decision add onto its result.
#include "Die.h"

#include "Dice.h"
#include "ErrorReporter.h"
#include "LeadingNumber.h"
#include "Outcome.h"
#include "Session.h"
#include "TextForms.h"

#include <QLineEdit>

#include <array>

namespace MainBas {

namespace {

constexpr std::array<std::int16_t, 6> DieSizes = {4, 6, 8, 10, 12, 20};

// One die of the size added to the sum the result box holds and to the dice box's list.
// The die is rolled, and counted on top of the last step roll's RollCount, even when the
// sum cannot be read.
Outcome addedDie(RandomSource &random, std::int16_t size, const QString &sumText,
                 const QString &diceText)
{
    const QString sizeText = QString::number(size);
    const std::int16_t rolled = RollDie(random, size);
    const std::int16_t sum = RoundToInt16(ReadLeadingNumber(ToU16(sumText)));
    // Wider than the sum, so the addition itself never overflows; a sum past 32767 is
    // written and refused when the next die reads it back.
    const std::int32_t newSum = std::int32_t {sum} + rolled;
    return {.dices = WithoutOuterBlanks(diceText) + QStringLiteral("+D") + sizeText,
            .result = BlankSignedText(newSum),
            .infoLine = QStringLiteral("D") + sizeText + QStringLiteral(" added."),
            .logged = Log::FreeDieAdded {size, rolled, newSum}};
}

} // namespace

void Die::cmdAddDice_Click(int Index)
{
    RunCommand([&] {
        const std::int16_t size = DieSizes.at(static_cast<std::size_t>(Index));
        present(addedDie(m_session.random, size, txtErgebnis->text(), txtDices->text()));
    });
}

void Die::cmdClean_Click()
{
    RunCommand([&] { present({.dices = QString(), .result = QString(), .info = QString()}); });
}

} // namespace MainBas
