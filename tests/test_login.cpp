// The login window and the user name shown on the main menu.

#include "support/scripted.h"
#include "support/ui.h"

#include "kit/notice.h"

#include <QLineEdit>

using namespace numtext;

namespace {
const QString Initial = QStringLiteral("هذا اسمك المسجل لدى البرنامج");
const QString Welcome = QStringLiteral("أهلا وسهلا بك في البرنامج يا ");
const QString Previous = QStringLiteral("هذا اسمك السابق..فأهلا وسهلا بك مرة أخرى");
} // namespace

class LoginTest : public WindowTest {
    Q_OBJECT
private slots:
    void emptyNameIsRefused();
    void names_data();
    void names();
    void sameNameAgainIsGreetedAsPrevious();
    void nameBoxTakesTwentyTwoCharacters();
    void clearEmptiesTheNameBox();
    void aboutLeavesLoginShown();
    void exitConfirmation();
    void closeBoxReturnsToTheMenu();

private:
    void openLogin() { QVERIFY(ui::click("Form1", "Command3")); }
};

void LoginTest::emptyNameIsRefused()
{
    openLogin();
    notices.expect(QStringLiteral("من فضلك .. اكتب اسمك أولاً"), 0x80030, QStringLiteral("لم يتم"));
    ui::pressEnter(ui::control("Form2", "Text1"));
    QVERIFY(ui::window("Form2")->isVisible());
    QVERIFY(!ui::window("Form1")->isVisible());
    QCOMPARE(ui::text("Form1", "Label2"), Initial);
}

void LoginTest::names_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");
    QTest::newRow("arabic name") << QStringLiteral("أحمد") << QStringLiteral("أحمد");
    QTest::newRow("latin name") << QStringLiteral("Sara") << QStringLiteral("Sara");
    QTest::newRow("one space") << QStringLiteral(" ") << QStringLiteral(" ");
    // The menu's caption is longer than the box takes: what is typed is its
    // first 22 characters, a new name.
    QTest::newRow("menu caption") << Initial << Initial.left(22);
}

void LoginTest::names()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);
    openLogin();
    ui::type("Form2", "Text1", typed);
    notices.expect(Welcome + name, 0x80000, applicationTitle());
    QVERIFY(ui::click("Form2", "Command1"));
    QVERIFY(ui::window("Form1")->isVisible());
    QVERIFY(!ui::window("Form2")->isVisible());
    QCOMPARE(ui::text("Form1", "Label2"), name);
}

void LoginTest::sameNameAgainIsGreetedAsPrevious()
{
    openLogin();
    ui::type("Form2", "Text1", QStringLiteral("Sara"));
    notices.expect(Welcome + QStringLiteral("Sara"), 0x80000);
    ui::pressEnter(ui::control("Form2", "Text1"));
    openLogin();
    QCOMPARE(ui::text("Form2", "Text1"), QStringLiteral("Sara"));
    notices.expect(Previous, 0x80000, QStringLiteral("تسجيل الدخول"));
    ui::pressEnter(ui::control("Form2", "Text1"));
    QCOMPARE(ui::text("Form1", "Label2"), QStringLiteral("Sara"));
    // Letter case makes another name.
    openLogin();
    ui::type("Form2", "Text1", QStringLiteral("sara"));
    notices.expect(Welcome + QStringLiteral("sara"), 0x80000);
    ui::pressEnter(ui::control("Form2", "Text1"));
    QCOMPARE(ui::text("Form1", "Label2"), QStringLiteral("sara"));
    // So does a trailing space.
    openLogin();
    ui::type("Form2", "Text1", QStringLiteral("sara "));
    notices.expect(Welcome + QStringLiteral("sara "), 0x80000);
    ui::pressEnter(ui::control("Form2", "Text1"));
    QCOMPARE(ui::text("Form1", "Label2"), QStringLiteral("sara "));
}

void LoginTest::nameBoxTakesTwentyTwoCharacters()
{
    openLogin();
    ui::type("Form2", "Text1", QString(30, QChar(u'س')));
    QCOMPARE(ui::text("Form2", "Text1"), QString(22, QChar(u'س')));
}

void LoginTest::clearEmptiesTheNameBox()
{
    openLogin();
    ui::type("Form2", "Text1", QStringLiteral("علي"));
    QVERIFY(ui::click("Form2", "Command4"));
    QCOMPARE(ui::text("Form2", "Text1"), QString());
    QVERIFY(ui::window("Form2")->isVisible());
}

void LoginTest::aboutLeavesLoginShown()
{
    openLogin();
    QVERIFY(ui::click("Form2", "Command7"));
    QVERIFY(ui::window("Form10")->isVisible());
    QVERIFY(ui::window("Form2")->isVisible());
}

void LoginTest::exitConfirmation()
{
    openLogin();
    notices.expect(QStringLiteral("هل أنت متأكد من الخروج ؟"), 0x80024, QStringLiteral("تنبيه"), answer::No);
    QVERIFY(ui::click("Form2", "Command2"));
    QCOMPARE(programEnds, 0);
    notices.expect(QStringLiteral("هل أنت متأكد من الخروج ؟"), 0x80024, QStringLiteral("تنبيه"), answer::Yes);
    QVERIFY(ui::click("Form2", "Command2"));
    QCOMPARE(programEnds, 1);
}

void LoginTest::closeBoxReturnsToTheMenu()
{
    openLogin();
    ui::type("Form2", "Text1", QStringLiteral("منى"));
    QVERIFY(ui::closeBox("Form2"));
    QVERIFY(ui::window("Form1")->isVisible());
    QVERIFY(!ui::window("Form2")->isVisible());
    QCOMPARE(ui::text("Form1", "Label2"), Initial);
    openLogin();
    QCOMPARE(ui::text("Form2", "Text1"), QStringLiteral("منى"));
}

QTEST_MAIN(LoginTest)
#include "test_login.moc"
