#include "scripted.h"

#include "ui.h"

#include "app/application.h"
#include "app/frame.h"
#include "app/windows.h"

#include <QApplication>
#include <QTest>

using namespace numtext;

void ScriptedPresenter::expect(const QString &text, std::uint32_t style, const QString &title, int answer)
{
    pending.push_back({Notice{text, style, title}, answer, false});
}

void ScriptedPresenter::expectAnyText(std::uint32_t style, const QString &title, int answer)
{
    pending.push_back({Notice{QString(), style, title}, answer, true});
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
    const bool matches = e.notice.style == notice.style && e.notice.title == notice.title
                         && (e.anyText || e.notice.text == notice.text);
    if (!matches) {
        ++unexpected;
        QTest::qFail(qPrintable(QStringLiteral("notice differs: got [%1] %2 (0x%3), expected [%4] %5 (0x%6)")
                                    .arg(notice.title, notice.text, QString::number(notice.style, 16), e.notice.title,
                                         e.anyText ? QStringLiteral("*") : e.notice.text,
                                         QString::number(e.notice.style, 16))),
                     __FILE__, __LINE__);
    }
    return e.answer;
}

void expectFailure(ScriptedPresenter &presenter)
{
    presenter.expectAnyText(style::Exclamation | style::RightAlign, QStringLiteral("خطأ في الحساب"));
}

namespace {
// Raising a window means nothing to the headless platform, which says so on
// every call; the rest of the messages go to the test log as usual.
QtMessageHandler testLog = nullptr;
void quietLog(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("does not support raise()"))
        || message.contains(QLatin1String("does not support activateWindow()")))
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
    static bool configured = false;
    if (!configured) {
        app::configure(*qApp);
        app::registerWindows();
        configured = true;
    }
    notices = ScriptedPresenter();
    programEnds = 0;
    setNoticePresenter(&notices);
    app::setProgramEnd([this] { ++programEnds; });
    app::start();
}

void WindowTest::cleanup()
{
    const bool allShown = notices.pending.empty();
    const int left = int(notices.pending.size());
    app::Windows::reset();
    ui::settle();
    setNoticePresenter(nullptr);
    QVERIFY2(allShown, qPrintable(QStringLiteral("%1 expected notice(s) never shown").arg(left)));
}

void ui::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}
