// The About window.

#include "support/scripted.h"
#include "support/ui.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>

class AboutTest : public WindowTest {
    Q_OBJECT
private slots:
    void showsProductVersionAndDesigner();
    void addressCanBeSelectedButNotChanged();
    void closeButtonHidesAndKeepsTheWindow();
    void closeBoxDestroysAndReopensAfresh();
};

void AboutTest::showsProductVersionAndDesigner()
{
    QVERIFY(ui::click("Form1", "Command4"));
    QCOMPARE(ui::window("Form10")->windowTitle(), QStringLiteral("حول البرنامج"));
    QCOMPARE(ui::text("Form10", "Label3"), QStringLiteral("Nabrosa"));
    QCOMPARE(ui::text("Form10", "Label4"), QStringLiteral("الاصدار الثالث 3.00"));
    QCOMPARE(ui::text("Form10", "Label1"), QStringLiteral("Orvandi"));
    QCOMPARE(ui::control("Form10", "Text1")->toolTip(), QStringLiteral("قم بنسخ الرابط وألصقه في المتصفح"));
}

void AboutTest::addressCanBeSelectedButNotChanged()
{
    QVERIFY(ui::click("Form1", "Command4"));
    auto *address = ui::control<QLineEdit>("Form10", "Text1");
    QVERIFY(address->isReadOnly());
    const QString before = address->text();
    address->setFocus();
    QTest::keyClicks(address, QStringLiteral("abc"));
    QTest::keyClick(address, Qt::Key_Backspace);
    QCOMPARE(address->text(), before);
    QVERIFY(address->focusPolicy() != Qt::NoFocus);
}

void AboutTest::closeButtonHidesAndKeepsTheWindow()
{
    QVERIFY(ui::click("Form1", "Command4"));
    QPointer<QWidget> about = ui::window("Form10");
    QVERIFY(ui::click("Form10", "Command1"));
    QVERIFY(!about->isVisible());
    QVERIFY(ui::click("Form1", "Command4"));
    QCOMPARE(ui::window("Form10"), about.data());
    ui::pressEnter(about);
    QVERIFY(!about->isVisible());
}

void AboutTest::closeBoxDestroysAndReopensAfresh()
{
    QVERIFY(ui::click("Form1", "Command4"));
    QPointer<QWidget> about = ui::window("Form10");
    QVERIFY(ui::closeBox("Form10"));
    ui::settle();
    QVERIFY(about.isNull());
    QVERIFY(ui::click("Form1", "Command4"));
    QVERIFY(ui::window("Form10")->isVisible());
}

QTEST_MAIN(AboutTest)
#include "test_about.moc"
