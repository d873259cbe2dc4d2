#pragma once
// What every window test shares: a scripted presenter of notice boxes that
// records each notice and answers from a queue, a stand-in for the end of the
// program, and helpers that drive real widgets by name.

#include "kit/context.h"
#include "kit/notice.h"
#include "numtext/numtext.h"

#include <QList>
#include <QMetaType>
#include <QObject>
#include <QString>

#include <deque>
#include <memory>

Q_DECLARE_METATYPE(numtext::Failure)

// Records each notice. A notice must have been expected, in order; it is
// answered with the answer given with its expectation. A notice that was not
// expected, or that differs from the one expected, fails the running test.
class ScriptedPresenter : public numtext::NoticePresenter {
public:
    struct Expected {
        numtext::Notice notice;
        int answer;
    };

    void expect(const QString &text, std::uint32_t style, const QString &title = numtext::applicationTitle(),
                int answer = numtext::answer::Ok);
    int present(const numtext::Notice &notice) override;

    QList<numtext::Notice> shown;
    std::deque<Expected> pending;
    int unexpected = 0;
};

// What the pupil reads when a computation fails, and when the program meets
// a fault of its own.
namespace failure {
const QString Title = QStringLiteral("خطأ في الحساب");
constexpr std::uint32_t Style = 0x80030; // exclamation icon, right-aligned
// The text of the notice of a failure of the given kind.
QString text(numtext::Failure kind);
const QString Memory = QStringLiteral("لا تكفي الذاكرة لإجراء هذا الحساب");
const QString FaultTitle = QStringLiteral("خطأ داخلي في البرنامج");
} // namespace failure

// The notice of a computation failure of the given kind, exactly.
void expectFailure(ScriptedPresenter &presenter, numtext::Failure kind);

// No file or printer dialog waits for a person: where a test gives no
// answer of its own, the person cancels it.
void cancelDialogs();

// A context for a test: the program's own, with a programming fault failing
// the running test at once with the exception's message.
std::unique_ptr<app::Context> testContext();

// Drops the headless platform's warnings about raising windows.
void quietenHeadlessWarnings();

// The base of the window tests: a fresh program for every test function.
class WindowTest : public QObject {
    Q_OBJECT
protected:
    std::unique_ptr<app::Context> context;
    ScriptedPresenter notices;
    int programEnds = 0;

protected slots:
    void init();
    void cleanup();
};
