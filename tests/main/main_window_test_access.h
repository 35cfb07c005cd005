#pragma once

#include "main/psy.h"

// The tests' one way past the main window's user actions: its state and its chart fields, written
// directly, for the faults, markers and exact states that no entry reaches (a pressure of 0, a
// derived value a chain would put right again, a chart mode without its sheet, a drawing's span).
struct Main_Window_Test_Access {
    static state::Air_State& State(hygrodex::TForm1& form) { return form.State; }
    static chart::Chart_Fields& Chart(hygrodex::TForm1& form) { return form.Chart; }
};
