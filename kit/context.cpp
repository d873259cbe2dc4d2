#include "kit/context.h"

#include "algebra/equation.h"
#include "algebra/fractions.h"
#include "kit/controls.h"
#include "app/login.h"
#include "app/mainmenu.h"
#include "kit/noticebox.h"
#include "kit/windows.h"
#include "calculators/advanced.h"
#include "calculators/conventional.h"
#include "conversions/conversions.h"
#include "conversions/trigonometry.h"
#include "geometry/areas.h"
#include "geometry/perimeters.h"
#include "geometry/volumes.h"
#include "numbers/operations.h"
#include "numtext/digits.h"
#include "kit/notice.h"
#include "reference/about.h"
#include "reference/laws.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace app {

namespace {
template <class T> WindowKind kind()
{
    return {T::staticMetaObject.className(), [] { return static_cast<QWidget *>(new T); }};
}

Context *running = nullptr;

// exit() leaves the event loop without asking any window to close; quit()
// would ask, and the main menu refuses.
void exitAtOnce() { QCoreApplication::exit(0); }
} // namespace

const std::vector<WindowKind> &windowKinds()
{
    static const std::vector<WindowKind> all = {
        kind<Form1>(),  kind<Form2>(),  kind<Form3>(),  kind<Form4>(),  kind<Form5>(),  kind<Form6>(),  kind<Form7>(),
        kind<Form8>(),  kind<Form9>(),  kind<Form10>(), kind<Form11>(), kind<Form12>(), kind<Form13>(), kind<Form14>(),
        kind<Form15>(), kind<Form16>(), kind<Form17>(), kind<Form19>(), kind<Form22>(),
    };
    return all;
}

struct Context::Private {
    explicit Private(QApplication &a) : application(a) {}
    QApplication &application;
    MessageBoxPresenter messageBoxes{};
    numtext::DigitChoice digits{};
    QTranslator qtWords{};
    bool qtWordsInstalled = false;
    std::function<void()> end = exitAtOnce;
    FaultHandler fault{};
    HandlerObserver *observer = nullptr;
    QHash<QString, QPointer<QWidget>> windows{};
    std::unordered_map<std::type_index, std::shared_ptr<void>> kept{};
};

Context::Context(QApplication &application) : d(std::make_unique<Private>(application))
{
    Q_ASSERT_X(!running, "Context", "one context at a time");
    running = this;
    application.setApplicationName(QStringLiteral("Nabrosa"));
    application.setApplicationDisplayName(QString());
    application.setFont(interfaceFont());
    application.setLayoutDirection(Qt::RightToLeft);
    // The program ends only through the exit confirmation.
    application.setQuitOnLastWindowClosed(false);
    numtext::setNoticePresenter(&d->messageBoxes);
    numtext::DigitChoice::install(&d->digits);
    // Qt's own words (the text boxes' right-click menu) in Arabic.
    if (d->qtWords.load(QLocale(QLocale::Arabic), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        d->qtWordsInstalled = QApplication::installTranslator(&d->qtWords);
}

Context::~Context()
{
    Windows::reset();
    d->kept.clear();
    numtext::setNoticePresenter(nullptr);
    numtext::DigitChoice::install(nullptr);
    if (d->qtWordsInstalled)
        QApplication::removeTranslator(&d->qtWords);
    running = nullptr;
}

Context &Context::current()
{
    Q_ASSERT_X(running, "Context", "the program has no context");
    return *running;
}

Context *Context::instance() { return running; }

void Context::start() { Windows::show<Form1>(); }

void Context::setNoticePresenter(numtext::NoticePresenter *presenter)
{
    numtext::setNoticePresenter(presenter ? presenter : &d->messageBoxes);
}

void Context::endProgram() { d->end(); }

void Context::setProgramEnd(std::function<void()> end) { d->end = end ? std::move(end) : exitAtOnce; }

void Context::setFaultHandler(FaultHandler handler) { d->fault = std::move(handler); }

const Context::FaultHandler &Context::faultHandler() const { return d->fault; }

void Context::setHandlerObserver(HandlerObserver *observer) { d->observer = observer; }

HandlerObserver *Context::handlerObserver() const { return d->observer; }

std::shared_ptr<void> &Context::keptSlot(std::type_index type) { return d->kept[type]; }

QHash<QString, QPointer<QWidget>> &Context::liveWindows() { return d->windows; }

} // namespace app
