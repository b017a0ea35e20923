#include "SampleCount.h"

#include "LeadingNumber.h"
#include "RuntimeError.h"
#include "TextForms.h"

#include <cmath>

namespace MainBas {

double ReadSampleCount(const QString &text)
{
    const double count = ReadLeadingNumber(ToU16(text));
    // Hundreds of digits read as an infinity; rolling that many would never end.
    if (!std::isfinite(count))
        throw RuntimeError(Overflow, {}, "The sample count is too large.");
    return count;
}

} // namespace MainBas
