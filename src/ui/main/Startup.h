#pragma once

namespace MainBas {

class Die;

// The program's start: seeds the random source, reads steps.txt, creates the main
// window hidden, captions its buttons, reads the twenty action files and shows the
// window. A failure raises a run-time error before anything is shown.
void Main();

// Creates the main window hidden and sets its keyboard focus order.
void InitMainWindow();

// The main window once InitMainWindow has created it; it lives until the program ends.
Die *MainWindow();

// Runs Main; a failure is reported and false returned, and no window ever showed.
bool StartProgram();

// Destroys the main window; called once the event loop has ended.
void DestroyMainWindow();

} // namespace MainBas
