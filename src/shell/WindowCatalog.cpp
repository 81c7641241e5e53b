// Every window of the program, one line each: its name and how it is made.
#include "shell/Essay.h"
#include "shell/KiteTu.h"
#include "shell/Startup.h"
#include "shell/WindowNames.h"
#include "ui/Forms.h"

namespace kt {

void registerWindows()
{
    Forms::registerForm(windows::MainWindow, [] { return new KiteTu; });
    Forms::registerForm(windows::Essay, [] { return new Essay; });
}

} // namespace kt
