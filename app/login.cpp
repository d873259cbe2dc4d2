#include "app/login.h"

#include "app/mainmenu.h"
#include "kit/banner.h"
#include "kit/context.h"
#include "kit/controls.h"
#include "kit/dispatch.h"
#include "kit/frame.h"
#include "kit/notice.h"
#include "kit/windows.h"
#include "numtext/numtext.h"
#include "reference/about.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace app;
using namespace numtext;

Form2::Form2() : Window("Form2", QStringLiteral("تسجيل الدخول"), 4815, 3135)
{
    setDestroyedOnClose(false);
    Image1 = new Banner(this, "Image1", twips(120, 120, 4575, 1230), QStringLiteral("تسجيل الدخول"));
    Label1 = label(this, "Label1", QStringLiteral("من فضلك..اكتب اسمك من أجل تسجيل دخولك إلى البرنامج"),
                   {240, 1500, 4335, 285});
    Text1 = edit(this, "Text1", {1080, 1920, 3495, 405}, Label1->text());
    Text1->setMaxLength(22);
    Command4 = button(this, "Command4", QStringLiteral("مسح"), {240, 1920, 735, 390}, QStringLiteral("مسح الاسم كامل"));
    Command1 = button(this, "Command1", QStringLiteral("دخــــــول"), {3120, 2520, 1455, 390},
                      QStringLiteral("اضغط هنا أو انتر لتسجيل الدخول"));
    Command7 = button(this, "Command7", QStringLiteral("حول البرنامج"), {1560, 2520, 1335, 390},
                      QStringLiteral("معلومات حول البرنامج"));
    Command2 = button(this, "Command2", QStringLiteral("خــروج"), {240, 2520, 1095, 390},
                      QStringLiteral("إنهاء البرنامج"));
    setDefaultButton(Command1);
    tabOrder({Text1, Command1, Command7, Command2, Command4});
    Text1->setFocus();

    on(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    on(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    on(Command7, &QPushButton::clicked, this, &Form2::Command7_Click);
    on(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
}

void Form2::Command1_Click()
{
    const QString name = Text1->text();
    if (isEmpty(name)) {
        notice(QStringLiteral("من فضلك .. اكتب اسمك أولاً"), style::Exclamation | style::RightAlign,
               QStringLiteral("لم يتم"));
        return;
    }
    Form1 *menu = Windows::get<Form1>();
    if (!same(name, menu->userName())) {
        notice(QStringLiteral("أهلا وسهلا بك في البرنامج يا ") + name, style::RightAlign);
        returnToMenu(this);
        menu->setUserName(name);
        Context::current().setPupilName(name);
    } else {
        notice(QStringLiteral("هذا اسمك السابق..فأهلا وسهلا بك مرة أخرى"), style::RightAlign,
               QStringLiteral("تسجيل الدخول"));
        returnToMenu(this);
    }
}

void Form2::Command4_Click() { Text1->clear(); }

void Form2::Command7_Click() { Windows::show<Form10>(); }

void Form2::Command2_Click() { exitConfirmation(); }

// Closing the login window returns to the main menu; the typed name stays.
void Form2::Form_QueryUnload(bool &) { showMainMenu(); }
