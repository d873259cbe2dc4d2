#include "kit/frame.h"

#include "kit/context.h"
#include "kit/dispatch.h"
#include "kit/notice.h"
#include "kit/windows.h"

#include <QPushButton>

namespace app {

using namespace numtext;

void exitConfirmation()
{
    const int answer = notice(QStringLiteral("هل أنت متأكد من الخروج ؟"),
                              style::YesNo | style::Question | style::RightAlign, QStringLiteral("تنبيه"));
    if (answer == answer::Yes)
        Context::current().endProgram();
}

void showMainMenu() { Windows::show(Windows::mainMenu()); }

bool mainMenuShown() { return Windows::get(Windows::mainMenu())->isVisible(); }

void returnToMenu(QWidget *own)
{
    showMainMenu();
    own->hide();
}

void showLaws(QWidget *own, QWidget *laws)
{
    if (!laws->isVisible()) {
        // Beside the section window, on the side where there is room.
        const QRect frame = own->frameGeometry();
        laws->move(frame.left() - laws->frameGeometry().width() - 8 >= 0
                       ? frame.left() - laws->frameGeometry().width() - 8
                       : frame.right() + 8,
                   frame.top());
    }
    Windows::show(laws);
}

bool closeToMenuConfirmation(const QString &question)
{
    const QString text = question.isEmpty()
                             ? QStringLiteral("هل أنت متأكد من إغلاق هذه النافذة والانتقال إلى الصفحة الرئيسية؟")
                             : question;
    if (notice(text, style::YesNo | style::RightAlign, QStringLiteral("إغلاق النافذة")) == answer::No)
        return false;
    showMainMenu();
    return true;
}

ClickLabel *noLawsPanel(QWidget *parent, Tw at)
{
    ClickLabel *panel = clickLabel(parent, "Label4", QString(), at);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    // It has no caption to speak: a screen reader names it by its place.
    panel->setAccessibleName(QStringLiteral("قوانين رياضية"));
    return panel;
}

void noLawsNotice()
{
    notice(QStringLiteral("معذرة .. لا توجد قوانين هنا"), style::RightAlign, QStringLiteral("لا يوجد"));
}

void SectionWindow::joinFrame(QPushButton *exitButton, QPushButton *menuButton, QPushButton *lawsButton,
                              const char *lawsWindow)
{
    Q_ASSERT_X(!lawsButton == !lawsWindow, "joinFrame", "a laws button opens a laws window");
    lawsWindow_ = QString::fromLatin1(lawsWindow);
    joinFrameButtons(exitButton, menuButton, lawsButton);
}

void SectionWindow::joinFrameButtons(QPushButton *exitButton, QPushButton *menuButton, QPushButton *lawsButton)
{
    if (exitButton)
        on(exitButton, &QPushButton::clicked, this, &SectionWindow::ExitButton_Click);
    if (menuButton)
        on(menuButton, &QPushButton::clicked, this, &SectionWindow::MainMenuButton_Click);
    if (lawsButton)
        on(lawsButton, &QPushButton::clicked, this, &SectionWindow::LawsButton_Click);
}

void SectionWindow::Form_QueryUnload(bool &cancel) { cancel = !closeToMenuConfirmation(closeQuestion_); }

void SectionWindow::ExitButton_Click() { exitConfirmation(); }

void SectionWindow::MainMenuButton_Click() { returnToMenu(this); }

void SectionWindow::LawsButton_Click()
{
    // A laws window named by a text that no window answers to is none.
    if (QWidget *laws = Windows::get(lawsWindow_))
        showLaws(this, laws);
}

} // namespace app
