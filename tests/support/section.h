#pragma once
// Helpers for the tests of section windows: closing a window through its
// close box.

#include "scripted.h"
#include "ui.h"

#include "kit/notice.h"

namespace section {

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
