#include "main/psy.h"

// The main window is the application's main form: closing it ends the program, unasked.
void TForm1::ExitExecute() { close(); }
