#pragma once
// The program put together: the table of its windows and the context that
// runs them. main() owns the one program; tests, benchmarks and tools build
// one the same way.

#include "kit/context.h"

#include <thread>
#include <vector>

class QApplication;
class QWidget;

namespace practice {
class Record;
}

namespace app {

// Every window of the program, the main menu first. The registry builds
// windows from this table only.
const std::vector<WindowKind> &windowKinds();

// The program's record of practice, opened when first needed (nothing of it
// at start).
practice::Record &practiceRecord();

// Opens the progress window "تقدمي" of the pupil named at login ("بدون اسم"
// without one), beside a window when one is given. The main menu's
// "تقدمي" calls it; so may a practice window.
void openProgress(QWidget *beside);

// The kit's context with the windows of this program.
class Program : public Context {
public:
    explicit Program(QApplication &application);

private:
    // Reads the font list at start; joined before the context goes.
    std::jthread fontList_;
};

} // namespace app
