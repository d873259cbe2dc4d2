#pragma once
// Start-up of the program.

class QApplication;

namespace app {

// Fonts, right-to-left layout, the notice boxes and the end of the program.
void configure(QApplication &application);

// Makes every window of the program known to the registry by its name.
void registerWindows();

// Shows the main menu, the only window opened at start.
void start();

} // namespace app
