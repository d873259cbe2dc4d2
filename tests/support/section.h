#pragma once
// Helpers for the tests of section windows: a stand-in for a laws window that
// is not in the program yet, and closing a window through its close box.

#include "scripted.h"
#include "ui.h"

#include "app/windows.h"
#include "numtext/notice.h"

namespace section {

// Makes a plain window answer to the name of a laws window until the real one
// is registered.
inline void standInFor(const QString &lawsWindow)
{
    if (app::Windows::isKnown(lawsWindow))
        return;
    app::Windows::add(lawsWindow, [lawsWindow] {
        auto *w = new QWidget;
        w->setObjectName(lawsWindow);
        return w;
    });
}

// The close box, answered Yes: the window is closed and the main menu shown.
inline bool closeWithYes(ScriptedPresenter &notices, const char *window)
{
    notices.expect(QStringLiteral("هل أنت متأكد من إغلاق هذه النافذة والانتقال إلى الصفحة الرئيسية؟"), 0x80004,
                   QStringLiteral("إغلاق النافذة"), numtext::answer::Yes);
    const bool closed = ui::closeBox(window);
    ui::settle();
    return closed;
}

} // namespace section
