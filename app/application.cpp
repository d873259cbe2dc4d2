#include "app/application.h"

#include "algebra/equation.h"
#include "algebra/fractions.h"
#include "app/login.h"
#include "app/mainmenu.h"
#include "calculators/advanced.h"
#include "calculators/conventional.h"
#include "conversions/conversions.h"
#include "conversions/trigonometry.h"
#include "geometry/areas.h"
#include "geometry/perimeters.h"
#include "geometry/volumes.h"
#include "kit/practicedoor.h"
#include "numbers/operations.h"
#include "practice/practicewindow.h"
#include "practice/progresswindow.h"
#include "practice/worksheetwindow.h"
#include "reference/about.h"
#include "reference/laws.h"

#include <QApplication>
#include <QFontDatabase>

#include <thread>

namespace app {

namespace {
template <class T> WindowKind kind()
{
    return {T::staticMetaObject.className(), [] { return static_cast<QWidget *>(new T); }};
}
} // namespace

const std::vector<WindowKind> &windowKinds()
{
    static const std::vector<WindowKind> all = {
        kind<Form1>(),  kind<Form2>(),  kind<Form3>(),  kind<Form4>(),  kind<Form5>(),
        kind<Form6>(),  kind<Form7>(),  kind<Form8>(),  kind<Form9>(),  kind<Form10>(),
        kind<Form11>(), kind<Form12>(), kind<Form13>(), kind<Form14>(), kind<Form15>(),
        kind<Form16>(), kind<Form17>(), kind<Form19>(), kind<Form22>(), kind<WorksheetWindow>(),
    };
    return all;
}

void openProgress(QWidget *beside)
{
    practice::showProgress(practice::programRecord(), Context::current().pupilName(), beside);
}

namespace {
// The list of the system's fonts (fontconfig's setup: its files read and
// parsed) is made in a thread of its own, while Qt sets itself up and the main
// menu is built: the menu's first text waits for it only if it is not done.
// QFontDatabase is thread-safe; the list is made once for the program.
std::jthread &fontList()
{
    static std::jthread reading;
    return reading;
}

void startFontList()
{
    if (!fontList().joinable())
        fontList() = std::jthread([] { QFontDatabase::families(); });
}
} // namespace

void readFontsEarly() { qAddPreRoutine(&startFontList); }

// Qualified: inside the class, windowKinds() is the context's own accessor.
Program::Program(QApplication &application) : Context(application, app::windowKinds())
{
    // Only the function that builds a practice window: nothing of practice
    // is built before the pupil opens it.
    setPracticeOpener(&practice::openPracticeWindow);
    practice::setProgressOpener(&openProgress);
    startFontList();
}

Program::~Program()
{
    if (fontList().joinable())
        fontList().join();
}

} // namespace app
