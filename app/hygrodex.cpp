#include "app/hygrodex_program.h"

using app::run_hygrodex;

// Hygrodex reads no command-line argument and no environment variable; argv goes to Qt only.
int main(int argc, char** argv) { return run_hygrodex(argc, argv); }
