#pragma once
// What every window test shares: a scripted presenter of notice boxes that
// records each notice and answers from a queue, a stand-in for the end of the
// program, and helpers that drive real widgets by name.

#include "numtext/notice.h"

#include <QList>
#include <QObject>
#include <QString>

#include <deque>

// Records each notice. A notice must have been expected, in order; it is
// answered with the answer given with its expectation. A notice that was not
// expected, or that differs from the one expected, fails the running test.
class ScriptedPresenter : public numtext::NoticePresenter {
public:
    struct Expected {
        numtext::Notice notice;
        int answer;
        bool anyText;
    };

    void expect(const QString &text, std::uint32_t style, const QString &title = numtext::applicationTitle(),
                int answer = numtext::answer::Ok);
    // A notice whose text is not checked (a computation failure's wording).
    void expectAnyText(std::uint32_t style, const QString &title, int answer = numtext::answer::Ok);
    int present(const numtext::Notice &notice) override;

    QList<numtext::Notice> shown;
    std::deque<Expected> pending;
    int unexpected = 0;
};

// The notice that a computation failure raises: any text, exclamation icon,
// right-aligned, the failure title.
void expectFailure(ScriptedPresenter &presenter);

// Drops the headless platform's warnings about raising windows.
void quietenHeadlessWarnings();

// The base of the window tests: a fresh program for every test function.
class WindowTest : public QObject {
    Q_OBJECT
protected:
    ScriptedPresenter notices;
    int programEnds = 0;

protected slots:
    void init();
    void cleanup();
};
