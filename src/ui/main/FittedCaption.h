#pragma once

#include <QString>

class QPushButton;

namespace MainBas {

// Puts caption on the button, cut short with an ellipsis when it is too wide to show
// whole. The tables and the files keep the caption as it is.
void SetFittedCaption(QPushButton *button, const QString &caption);

} // namespace MainBas
