#pragma once
// A section window whose calculations are not in the program yet: its banner,
// its caption and the common frame, so the main menu can already open it.

#include "app/frame.h"

namespace app {

class PendingSection : public SectionWindow {
    Q_OBJECT
public:
    PendingSection(const char *name, const QString &caption);
};

} // namespace app
