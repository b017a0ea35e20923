// The free dice pool: each "+D" button rolls one exploding die and adds it to the sum
// in the result box; Clear empties the boxes. The pool keeps no state of its own: the
// sum and the list of dice are the boxes' texts, read back on every click, so dice
// added after a step roll or a decision add onto its result.
#include "Die.h"

#include "BoxText.h"
#include "Dice.h"
#include "ErrorReporter.h"
#include "LeadingNumber.h"
#include "RollLog.h"
#include "TextForms.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include <array>

namespace MainBas {

namespace {

constexpr std::array<std::int16_t, 6> DieSizes = {4, 6, 8, 10, 12, 20};

} // namespace

void Die::cmdAddDice_Click(int Index)
{
    RunCommand([&] {
        const std::int16_t size = DieSizes.at(static_cast<std::size_t>(Index));
        const QString sizeText = QString::number(size);
        // The die is rolled, and counted, even when the sum cannot be read.
        const std::int16_t rolled = RollDie(size);
        const std::int16_t sum = RoundToInt16(ReadLeadingNumber(ToU16(txtErgebnis->text())));
        // Wider than the sum, so the addition itself never overflows; a sum past 32767
        // is written and refused when the next die reads it back.
        const std::int32_t newSum = std::int32_t {sum} + rolled;
        txtErgebnis->setText(BlankSignedText(newSum));
        const QString line = QStringLiteral("D") + sizeText + QStringLiteral(" added.");
        SetBoxText(txtInfo, BoxText(txtInfo) + QStringLiteral("\r\n") + line);
        txtDices->setText(WithoutOuterBlanks(txtDices->text()) + QStringLiteral("+D") + sizeText);
        Log::SessionLog().append(Log::FreeDieAdded {size, rolled, newSum});
    });
}

void Die::cmdClean_Click()
{
    RunCommand([&] {
        txtDices->clear();
        txtErgebnis->clear();
        txtInfo->clear();
    });
}

} // namespace MainBas
