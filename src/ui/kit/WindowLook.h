#pragma once

#include <QFont>
#include <QString>

class QWidget;

namespace MainBas {

// The program's version, "1.0", as the build gives it.
QString ProgramVersion();

// The title every window and message of the program carries: "Tessarion 1.0".
QString ProgramTitle();

// The dialog font the layout was made for. "MS Sans Serif" is asked for by name and
// the system's sans serif stands in where it is missing.
QFont DialogFont(double pointSize = 8, bool bold = false);

// Gives a window the program's icon and dialog font, and shows it to assistive
// technology as a window.
void ApplyWindowLook(QWidget *window);

} // namespace MainBas
