#include "app/application.h"

#include "algebra/equation.h"
#include "algebra/fractions.h"
#include "app/controls.h"
#include "app/login.h"
#include "app/mainmenu.h"
#include "app/noticebox.h"
#include "app/windows.h"
#include "calculators/advanced.h"
#include "calculators/conventional.h"
#include "conversions/conversions.h"
#include "conversions/trigonometry.h"
#include "geometry/areas.h"
#include "geometry/perimeters.h"
#include "geometry/volumes.h"
#include "numbers/operations.h"
#include "reference/about.h"
#include "reference/laws.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

namespace {
template <class T> void add() { Windows::add(QString::fromLatin1(T::staticMetaObject.className()), [] { return new T; }); }
} // namespace

void configure(QApplication &application)
{
    application.setApplicationName(QStringLiteral("Nabrosa"));
    application.setApplicationDisplayName(QString());
    application.setFont(interfaceFont());
    application.setLayoutDirection(Qt::RightToLeft);
    // The program ends only through the exit confirmation.
    application.setQuitOnLastWindowClosed(false);
    static MessageBoxPresenter presenter;
    numtext::setNoticePresenter(&presenter);
    // Qt's own words (the text boxes' right-click menu) in Arabic.
    static QTranslator qtWords;
    if (qtWords.load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        application.installTranslator(&qtWords);
}

void registerWindows()
{
    add<Form1>();
    add<Form2>();
    add<Form3>();
    add<Form4>();
    add<Form5>();
    add<Form6>();
    add<Form7>();
    add<Form8>();
    add<Form9>();
    add<Form10>();
    add<Form11>();
    add<Form12>();
    add<Form13>();
    add<Form14>();
    add<Form15>();
    add<Form16>();
    add<Form17>();
    add<Form19>();
    add<Form22>();
}

void start() { Windows::show(QStringLiteral("Form1")); }

} // namespace app
