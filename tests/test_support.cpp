// The helpers the window tests drive widgets with: a control that is not
// there fails the running test and no more; the tests after it still run.

#include "support/scripted.h"
#include "support/ui.h"

#include "kit/windows.h"

#include <QLineEdit>

class SupportTest : public WindowTest {
    Q_OBJECT
private slots:
    void initTestCase() { quietenHeadlessWarnings(); }
    void missingControlFailsTheTest_data();
    void missingControlFailsTheTest();
    void unknownWindowFailsTheTest();
    void theNextTestRuns();
};

void SupportTest::missingControlFailsTheTest_data()
{
    QTest::addColumn<QString>("window");
    QTest::newRow("in a window") << "Form1";
    QTest::newRow("of a window not open") << "Form3";
}

// The helper fails the test (expected here) and hands back a hidden,
// disabled stand-in that no click reaches.
void SupportTest::missingControlFailsTheTest()
{
    QFETCH(QString, window);
    const QByteArray name = window.toLatin1();
    QEXPECT_FAIL("", "the control is not there", Continue);
    auto *box = ui::control<QLineEdit>(name.constData(), "NoSuchBox");
    QVERIFY(box);
    QVERIFY(!box->isVisible() && !box->isEnabled());
    QEXPECT_FAIL("", "the control is not there", Continue);
    QVERIFY(!ui::click(name.constData(), "NoSuchButton"));
}

// So does a window name that no window of the program has.
void SupportTest::unknownWindowFailsTheTest()
{
    QEXPECT_FAIL("", "no window is called so", Continue);
    QVERIFY(!ui::window("NoSuchWindow"));
}

void SupportTest::theNextTestRuns() { QVERIFY(ui::window("Form1")); }

QTEST_MAIN(SupportTest)
#include "test_support.moc"
