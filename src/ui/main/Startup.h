#pragma once

#include <memory>

namespace MainBas {

class Die;
class Session;

// Creates the main window hidden and sets its keyboard focus order.
std::unique_ptr<Die> InitMainWindow(Session &session);

// The program's start: seeds the session's random source, reads steps.txt, creates the
// main window hidden, captions its buttons, reads the twenty action files and shows the
// window. A failure raises a run-time error before anything is shown.
std::unique_ptr<Die> Main(Session &session);

// Runs Main; a failure is reported and null returned, and no window ever showed.
std::unique_ptr<Die> StartProgram(Session &session);

} // namespace MainBas
