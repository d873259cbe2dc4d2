#pragma once
// The program put together: the table of its windows and the context that
// runs them. main() owns the one program; tests, benchmarks and tools build
// one the same way.

#include "kit/context.h"

#include <vector>

class QApplication;
class QWidget;

namespace app {

// Every window of the program, the main menu first. The registry builds
// windows from this table only.
const std::vector<WindowKind> &windowKinds();

// Opens the progress window "تقدمي" of the pupil named at login ("بدون اسم"
// without one), beside a window when one is given. The main menu's
// "تقدمي" calls it; so may a practice window.
void openProgress(QWidget *beside);

// Called before the program's QApplication is made: the system's font list
// is then read in a thread of its own from the moment Qt has its platform,
// while the rest of Qt and the main menu are set up. Without it the program's
// context starts that thread.
void readFontsEarly();

// The kit's context with the windows of this program.
class Program : public Context {
public:
    explicit Program(QApplication &application);
    // Waits for the font list's thread.
    ~Program();
};

} // namespace app
