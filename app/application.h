#pragma once
// The program put together: the table of its windows and the context that
// runs them. main() owns the one program; tests, benchmarks and tools build
// one the same way.

#include "kit/context.h"

#include <vector>

class QApplication;

namespace app {

// Every window of the program, the main menu first. The registry builds
// windows from this table only.
const std::vector<WindowKind> &windowKinds();

// The kit's context with the windows of this program.
class Program : public Context {
public:
    explicit Program(QApplication &application);
};

} // namespace app
