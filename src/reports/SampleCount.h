#pragma once

#include <QString>

namespace MainBas {

// The number of samples the reports roll: the number the sample count box starts
// with (leading-number rule). A count too large for a double is an overflow.
double ReadSampleCount(const QString &text);

} // namespace MainBas
