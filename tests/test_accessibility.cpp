// What a screen reader meets: the name and role of every control, the
// checked state of options, and notice boxes that are alerts with their
// title and text. (The events a screen reader hears need a real desktop
// bus; the end-to-end run in tests/e2e listens to them.)

#include "support/scripted.h"
#include "support/ui.h"

#include "kit/controls.h"
#include "kit/noticebox.h"
#include "kit/windows.h"
#include "kit/notice.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

using namespace numtext;

namespace {

bool isArabic(const QString &text) { return text.contains(QRegularExpression(QStringLiteral("[\\x{0600}-\\x{06FF}]"))); }

} // namespace

class AccessibilityTest : public WindowTest {
    Q_OBJECT
private slots:
    void controlsHaveNamesAndRoles_data();
    void controlsHaveNamesAndRoles();
    void optionsReportTheirState();
    void noticeBoxIsAnAlert();
    void noticeBoxShowsItsWholeTitle();
};

void AccessibilityTest::controlsHaveNamesAndRoles_data()
{
    QTest::addColumn<QString>("window");
    for (const char *w : {"Form1", "Form2", "Form3", "Form4", "Form5", "Form6", "Form7", "Form8", "Form9", "Form10",
                          "Form11", "Form12", "Form13", "Form14", "Form15", "Form16", "Form17", "Form19", "Form22"})
        QTest::newRow(w) << w;
}

// Every button, option and text box speaks an Arabic name (the keypad keys
// speak their own signs) and its kind.
void AccessibilityTest::controlsHaveNamesAndRoles()
{
    QFETCH(QString, window);
    QWidget *w = app::Windows::show(window);
    QAccessibleInterface *self = QAccessible::queryAccessibleInterface(w);
    QCOMPARE(self->role(), QAccessible::Window);
    QCOMPARE(self->text(QAccessible::Name), w->windowTitle());
    const bool keypad = window == QLatin1String("Form15");
    for (QWidget *c : w->findChildren<QWidget *>()) {
        QAccessible::Role role;
        if (auto *link = qobject_cast<app::ClickLabel *>(c)) {
            // A label that acts on a click is pressed like a button.
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(link);
            QVERIFY2(a->role() == QAccessible::Link || a->role() == QAccessible::Button, qPrintable(c->objectName()));
            QVERIFY(a->actionInterface() && a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
            QVERIFY2(isArabic(a->text(QAccessible::Name)) || a->text(QAccessible::Name) == QLatin1String("؟"),
                     qPrintable(c->objectName()));
            continue;
        }
        if (qobject_cast<QRadioButton *>(c))
            role = QAccessible::RadioButton;
        else if (qobject_cast<QPushButton *>(c))
            role = QAccessible::Button;
        else if (qobject_cast<QLineEdit *>(c))
            role = QAccessible::EditableText;
        else
            continue;
        QAccessibleInterface *a = QAccessible::queryAccessibleInterface(c);
        QVERIFY(a);
        const QString name = a->text(QAccessible::Name);
        QVERIFY2(!name.trimmed().isEmpty(), qPrintable(c->objectName()));
        if (!(keypad && qobject_cast<QPushButton *>(c) && c->objectName() != QLatin1String("Command19")
              && c->objectName() != QLatin1String("Command30") && c->objectName() != QLatin1String("Command31")))
            QVERIFY2(isArabic(name), qPrintable(c->objectName() + QStringLiteral(": ") + name));
        QCOMPARE(a->role(), role);
    }
}

void AccessibilityTest::optionsReportTheirState()
{
    QWidget *w = app::Windows::show(QStringLiteral("Form17"));
    auto *add = ui::control<QRadioButton>(w, "Opt1");
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(add);
    QVERIFY(a->state().checkable);
    QVERIFY(!a->state().checked);
    QVERIFY(ui::click(add));
    QVERIFY(a->state().checked);
    QVERIFY(!QAccessible::queryAccessibleInterface(ui::control(w, "Opt2"))->state().checked);
}

void AccessibilityTest::noticeBoxIsAnAlert()
{
    const Notice notice{QStringLiteral("من فضلك أدخل العدد الأول"), style::Information | style::RightAlign,
                        QStringLiteral("فارغ")};
    app::NoticeBox box(notice);
    box.show();
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&box);
    QCOMPARE(a->role(), QAccessible::AlertMessage);
    QCOMPARE(a->text(QAccessible::Name), notice.title);
    QVERIFY2(a->text(QAccessible::Description).contains(notice.text)
                 || a->text(QAccessible::Value).contains(notice.text),
             qPrintable(a->text(QAccessible::Description)));
    // Escape answers a box with one button.
    QTest::keyClick(&box, Qt::Key_Escape);
    QVERIFY(!box.isVisible());
    QCOMPARE(box.answer(), answer::Ok);
}

void AccessibilityTest::noticeBoxShowsItsWholeTitle()
{
    for (const QString &title : {QStringLiteral("دقة الشاشة"), QStringLiteral("إغلاق النافذة"), QStringLiteral("Nabrosa")}) {
        app::NoticeBox box(Notice{QStringLiteral("دقة شاشتك هي\r\n 1024 x 768"), style::RightAlign, title});
        box.show();
        const QFontMetrics bar(QApplication::font("QWorkspaceTitleBar"));
        QVERIFY2(box.width() >= bar.horizontalAdvance(title) + 100, qPrintable(title));
        box.hide();
    }
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
