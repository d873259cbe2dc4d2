#include "kit/context.h"

#include "kit/controls.h"
#include "kit/notice.h"
#include "kit/noticebox.h"
#include "kit/windows.h"
#include "numtext/digits.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <map>
#include <string>

namespace app {

namespace {
Context *running = nullptr;

// exit() leaves the event loop without asking any window to close; quit()
// would ask, and the main menu refuses.
void exitAtOnce() { QCoreApplication::exit(0); }
} // namespace

struct Context::Private {
    Private(QApplication &a, std::vector<WindowKind> w) : application(a), kinds(std::move(w)) {}
    QApplication &application;
    std::vector<WindowKind> kinds;
    MessageBoxPresenter messageBoxes{};
    numtext::DigitChoice digits{};
    QTranslator qtWords{};
    bool qtWordsInstalled = false;
    std::function<void()> end = exitAtOnce;
    FaultHandler fault{};
    HandlerObserver *observer = nullptr;
    QHash<QString, QPointer<QWidget>> windows{};
    std::map<std::string, std::shared_ptr<void>> kept{};
    QString pupilName{};
};

Context::Context(QApplication &application, std::vector<WindowKind> windows)
    : d(std::make_unique<Private>(application, std::move(windows)))
{
    Q_ASSERT_X(!running, "Context", "one context at a time");
    Q_ASSERT_X(!d->kinds.empty(), "Context", "the program has a main menu");
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

void Context::start() { Windows::show(QString::fromLatin1(d->kinds.front().name)); }

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

const std::vector<WindowKind> &Context::windowKinds() const { return d->kinds; }

std::shared_ptr<void> &Context::keptValue(const char *typeName) { return d->kept[typeName]; }

void Context::setPupilName(const QString &name) { d->pupilName = name; }

QString Context::pupilName() const { return d->pupilName; }

QHash<QString, QPointer<QWidget>> &Context::liveWindows() { return d->windows; }

} // namespace app
