#include "scripted.h"

#include "ui.h"

#include "app/application.h"
#include "kit/frame.h"
#include "kit/windows.h"
#include "practice/progresswindow.h"
#include "practice/worksheetwindow.h"

#include <QApplication>
#include <QPrinter>
#include <QTest>

#include <utility>

using namespace numtext;

void ScriptedPresenter::expect(const QString &text, std::uint32_t style, const QString &title, int answer)
{
    pending.push_back({Notice{text, style, title}, answer});
}

int ScriptedPresenter::present(const Notice &notice)
{
    shown.append(notice);
    if (pending.empty()) {
        ++unexpected;
        QTest::qFail(qPrintable(QStringLiteral("unexpected notice: [%1] %2 (style 0x%3)")
                                    .arg(notice.title, notice.text, QString::number(notice.style, 16))),
                     __FILE__, __LINE__);
        return (notice.style & style::ButtonMask) == style::YesNo ? answer::No : answer::Ok;
    }
    const Expected e = pending.front();
    pending.pop_front();
    const bool matches = e.notice == notice;
    if (!matches) {
        ++unexpected;
        QTest::qFail(qPrintable(QStringLiteral("notice differs: got [%1] %2 (0x%3), expected [%4] %5 (0x%6)")
                                    .arg(notice.title, notice.text, QString::number(notice.style, 16), e.notice.title,
                                         e.notice.text, QString::number(e.notice.style, 16))),
                     __FILE__, __LINE__);
    }
    return e.answer;
}

QString failure::text(Failure kind)
{
    const QString what = [kind] {
        switch (kind) {
        case Failure::NotANumber:
            return QStringLiteral("القيمة المكتوبة ليست عددا صحيح الكتابة");
        case Failure::DivisionByZero:
            return QStringLiteral("لا يمكن القسمة على صفر");
        case Failure::Overflow:
            return QStringLiteral("الناتج أكبر من أن يحسبه البرنامج");
        case Failure::InvalidOperation:
            return QStringLiteral("هذه العملية غير معرفة رياضيا");
        case Failure::OutOfRange:
            return QStringLiteral("العدد خارج المدى الذي يقبله البرنامج");
        }
        return QString();
    }();
    return what + QStringLiteral("\r\nلم يتغير شيء، صحح المدخلات ثم أعد المحاولة");
}

void expectFailure(ScriptedPresenter &presenter, Failure kind)
{
    presenter.expect(failure::text(kind), failure::Style, failure::Title);
}

void cancelDialogs()
{
    WorksheetWindow::setFileChooser([](QWidget *, const QString &) { return QString(); });
    WorksheetWindow::setPrinterDialog([](QWidget *, QPrinter &, bool) { return false; });
    practice::setExportChooser([](QWidget *, const QString &) { return QString(); });
}

std::unique_ptr<app::Context> testContext()
{
    auto context = std::make_unique<app::Program>(*static_cast<QApplication *>(QCoreApplication::instance()));
    context->setFaultHandler([](const QString &message) {
        QTest::qFail(qPrintable(QStringLiteral("programming fault in a handler: ") + message), __FILE__, __LINE__);
    });
    cancelDialogs();
    return context;
}

namespace {
// Raising a window means nothing to the headless platform, which says so on
// every call; the rest of the messages go to the test log as usual.
QtMessageHandler testLog = nullptr;
void quietLog(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support raise()"))
        || message.contains(QLatin1String("does not support activateWindow()"))
        || message.contains(QLatin1String("does not support propagateSizeHints()")))
        return;
    testLog(type, context, message);
}
} // namespace

void quietenHeadlessWarnings()
{
    if (!testLog)
        testLog = qInstallMessageHandler(quietLog);
}

void WindowTest::init()
{
    quietenHeadlessWarnings();
    notices = ScriptedPresenter();
    programEnds = 0;
    context = testContext();
    context->setNoticePresenter(&notices);
    context->setProgramEnd([this] { ++programEnds; });
    context->start();
}

void WindowTest::cleanup()
{
    const bool allShown = notices.pending.empty();
    const int left = int(notices.pending.size());
    context.reset();
    ui::settle();
    QVERIFY2(allShown, qPrintable(QStringLiteral("%1 expected notice(s) never shown").arg(left)));
}

QList<QPointer<QWidget>> &ui::standIns()
{
    static QList<QPointer<QWidget>> made;
    return made;
}

void ui::settle()
{
    for (const QPointer<QWidget> &w : std::exchange(standIns(), {}))
        delete w.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
