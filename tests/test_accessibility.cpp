// What a screen reader meets: the name and role of every control, the
// checked state of options, notice boxes that are alerts with their title
// and text, the text of the boxes whole, the texts written for the ear, and
// one announcement for each calculation. (What a screen reader says needs a
// real desktop bus; the Orca walk in tests/e2e listens to it.)

#include "support/scripted.h"
#include "support/ui.h"

#include "kit/controls.h"
#include "kit/notice.h"
#include "kit/noticebox.h"
#include "kit/speech.h"
#include "kit/windows.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>

using namespace numtext;

namespace {

bool isArabic(const QString &text)
{
    return text.contains(QRegularExpression(QStringLiteral("[\\x{0600}-\\x{06FF}]")));
}

constexpr QChar Tatweel(u'\u0640');

const char *const Windows[] = {"Form1",  "Form2",  "Form3",  "Form4",  "Form5",  "Form6",  "Form7",
                               "Form8",  "Form9",  "Form10", "Form11", "Form12", "Form13", "Form14",
                               "Form15", "Form16", "Form17", "Form19", "Form22"};

void addWindowRows()
{
    QTest::addColumn<QString>("window");
    for (const char *w : Windows)
        QTest::newRow(w) << w;
}

// The texts of an interface and of everything under it that carry ـ.
QStringList stretched(QAccessibleInterface *a, const QString &path)
{
    QStringList found;
    const QString here = path + u'/' + (a->object() ? a->object()->objectName() : QString());
    QStringList texts{a->text(QAccessible::Name), a->text(QAccessible::Description)};
    // What a read-only box shows is read out as its value.
    if (!a->editableTextInterface())
        texts << a->text(QAccessible::Value);
    if (QAccessibleTextInterface *t = a->textInterface(); t && !a->editableTextInterface())
        texts << t->text(0, t->characterCount());
    for (const QString &text : texts)
        if (text.contains(Tatweel))
            found << here + QStringLiteral(": ") + text;
    for (int i = 0; i < a->childCount(); ++i)
        if (QAccessibleInterface *child = a->child(i))
            found += stretched(child, here);
    return found;
}

} // namespace

class AccessibilityTest : public WindowTest {
    Q_OBJECT
private slots:
    void controlsHaveNamesAndRoles_data();
    void controlsHaveNamesAndRoles();
    void optionsReportTheirState();
    void noticeBoxIsAnAlert();
    void noticeBoxShowsItsWholeTitle();
    void noticeTextIsHeardWithoutStretching();
    void textIsSpokenForTheEar_data();
    void textIsSpokenForTheEar();
    void boxesAreToldApart_data();
    void boxesAreToldApart();
    void boxTextIsReadWhole_data();
    void boxTextIsReadWhole();
    void calculationIsAnnouncedOnce_data();
    void calculationIsAnnouncedOnce();
    void resultBoxHintNamesTheKey();
    void nothingHeardIsStretched_data();
    void nothingHeardIsStretched();
    void optionListIsHeadedOnEntering();
    void keypadKeysHaveArabicNames();
};

void AccessibilityTest::controlsHaveNamesAndRoles_data() { addWindowRows(); }

// Every button, option and text box speaks an Arabic name, without Latin
// letters or signs, and its kind.
void AccessibilityTest::controlsHaveNamesAndRoles()
{
    QFETCH(QString, window);
    QWidget *w = app::Windows::show(window);
    QAccessibleInterface *self = QAccessible::queryAccessibleInterface(w);
    QCOMPARE(self->role(), QAccessible::Window);
    // Heard by its title without ـ, the main menu by its Arabic name.
    const QString windowName = self->text(QAccessible::Name);
    QCOMPARE(windowName,
             window == QLatin1String("Form1") ? QStringLiteral("نبروسة") : app::withoutStretching(w->windowTitle()));
    for (QWidget *c : w->findChildren<QWidget *>()) {
        QAccessible::Role role;
        if (auto *link = qobject_cast<app::ClickLabel *>(c)) {
            // A label that acts on a click is pressed like a button.
            QAccessibleInterface *a = QAccessible::queryAccessibleInterface(link);
            QVERIFY2(a->role() == QAccessible::Link || a->role() == QAccessible::Button, qPrintable(c->objectName()));
            QVERIFY(a->actionInterface()
                    && a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
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
        QVERIFY2(!name.contains(Tatweel), qPrintable(c->objectName() + QStringLiteral(": ") + name));
        QVERIFY2(!a->text(QAccessible::Description).contains(Tatweel), qPrintable(c->objectName()));
        QVERIFY2(isArabic(name), qPrintable(c->objectName() + QStringLiteral(": ") + name));
        QVERIFY2(!name.contains(QRegularExpression(QStringLiteral("[A-Za-z+*/%=]"))),
                 qPrintable(c->objectName() + QStringLiteral(": ") + name));
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
    for (const QString &title :
         {QStringLiteral("دقة الشاشة"), QStringLiteral("إغلاق النافذة"), QStringLiteral("Nabrosa")}) {
        app::NoticeBox box(Notice{QStringLiteral("دقة شاشتك هي\r\n 1024 x 768"), style::RightAlign, title});
        box.show();
        const QFontMetrics bar(QApplication::font("QWorkspaceTitleBar"));
        QVERIFY2(box.width() >= bar.horizontalAdvance(title) + 100, qPrintable(title));
        box.hide();
    }
}

void AccessibilityTest::noticeTextIsHeardWithoutStretching()
{
    app::NoticeBox box(Notice{QStringLiteral("من فضلك .. أدخل أ معامل س من الدرجة الثانـية"), style::RightAlign,
                              QStringLiteral("فارغ")});
    box.show();
    auto *label = box.findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
    QCOMPARE(label->text(), QStringLiteral("من فضلك .. أدخل أ معامل س من الدرجة الثانـية"));
    QCOMPARE(QAccessible::queryAccessibleInterface(label)->text(QAccessible::Name),
             QStringLiteral("من فضلك .. أدخل أ معامل س من الدرجة الثانية"));
    // Nor its title, nor anything else in it.
    app::NoticeBox titled(Notice{QStringLiteral("زر انتقــــال"), style::RightAlign, QStringLiteral("تنبيـه")});
    titled.show();
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(&titled);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("تنبيه"));
    const QStringList found = stretched(a, QStringLiteral("NoticeBox"));
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

void AccessibilityTest::textIsSpokenForTheEar_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("heard");
    QTest::newRow("stretched word") << "انتقـــــــــال"
                                    << "انتقال";
    QTest::newRow("article written apart") << "حساب الـ جتا"
                                           << "حساب الجتا";
    QTest::newRow("decimal") << "19.63495"
                             << "19 فاصلة 6 3 4 9 5";
    QTest::newRow("Arabic decimal mark") << "٣٫١٤١٥٩٢"
                                         << "٣ فاصلة ١ ٤ ١ ٥ ٩ ٢";
    QTest::newRow("whole number") << "2"
                                  << "2";
    QTest::newRow("negative") << "-3"
                              << "ناقص 3";
    QTest::newRow("minus sign") << "٥ − ٢"
                                << "٥ ناقص ٢";
    QTest::newRow("exponent form") << "1.5E+20"
                                   << "1 فاصلة 5 ضرب عشرة أس 20";
    QTest::newRow("small exponent") << "2E-05"
                                    << "2 ضرب عشرة أس ناقص 5";
    QTest::newRow("square") << "نق² × ٣٫١٤"
                            << "نق تربيع ضرب ٣ فاصلة ١ ٤";
    QTest::newRow("cube") << "ل³"
                          << "ل أس 3";
    QTest::newRow("fraction") << "5/6"
                              << "5 على 6";
    QTest::newRow("root") << "√(١٦) = ٤"
                          << "الجذر التربيعي ل١٦ يساوي ٤";
    QTest::newRow("about") << "≈ ٠٫٥"
                           << "تقريبا ٠ فاصلة ٥";
    QTest::newRow("direction marks") << "\u200F٢ + ٣"
                                     << "٢ زائد ٣";
    QTest::newRow("a run held left to right") << "البسط = \u206618 − 4\u2069"
                                              << "البسط يساوي 18 ناقص 4";
}

void AccessibilityTest::textIsSpokenForTheEar()
{
    QFETCH(QString, text);
    QFETCH(QString, heard);
    QCOMPARE(app::spokenText(text), heard);
}

void AccessibilityTest::boxesAreToldApart_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("name");
    QTest::newRow("a") << "Form16"
                       << "Te1"
                       << "أ: معامل س تربيع";
    QTest::newRow("b") << "Form16"
                       << "Te2"
                       << "ب: معامل س";
    QTest::newRow("c") << "Form16"
                       << "Te3"
                       << "ج: العدد الثابت";
    QTest::newRow("first numerator") << "Form17"
                                     << "Text1"
                                     << "بسط الكسر الأول";
    QTest::newRow("first denominator") << "Form17"
                                       << "Text2"
                                       << "مقام الكسر الأول";
    QTest::newRow("second numerator") << "Form17"
                                      << "Text3"
                                      << "بسط الكسر الثاني";
    QTest::newRow("second denominator") << "Form17"
                                        << "Text4"
                                        << "مقام الكسر الثاني";
    QTest::newRow("result numerator") << "Form17"
                                      << "Text5"
                                      << "بسط الناتج";
    QTest::newRow("result denominator") << "Form17"
                                        << "Text6"
                                        << "مقام الناتج";
}

void AccessibilityTest::boxesAreToldApart()
{
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, name);
    QWidget *w = app::Windows::show(window);
    auto *edit = ui::control<QLineEdit>(w, qPrintable(box));
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(edit);
    QCOMPARE(a->text(QAccessible::Name), name);
    // The equation's form is the window's to say, once, not each box's.
    const QString form = QStringLiteral("على الصورة");
    QVERIFY(!a->text(QAccessible::Name).contains(form) && !a->text(QAccessible::Description).contains(form));
    if (window == QLatin1String("Form16"))
        QVERIFY(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description).contains(form));
}

void AccessibilityTest::boxTextIsReadWhole_data()
{
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("text");
    QTest::newRow("one character") << true << "2";
    QTest::newRow("decimal") << true << "19.63495";
    QTest::newRow("typed") << false << "-3";
    QTest::newRow("empty") << true << "";
}

// The text attributes span the whole text: a screen reader that reads by
// attribute ranges reads the last character too.
void AccessibilityTest::boxTextIsReadWhole()
{
    QFETCH(bool, readOnly);
    QFETCH(QString, text);
    QWidget *w = app::Windows::show(QStringLiteral("Form4"));
    auto *box = readOnly ? app::readOnlyEdit(w, "Probe", {0, 0, 900, 300}, QStringLiteral("الناتج"))
                         : app::edit(w, "Probe", {0, 0, 900, 300}, QStringLiteral("الناتج"));
    box->setText(text);
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(box);
    QAccessibleTextInterface *t = a->textInterface();
    QVERIFY(t);
    QCOMPARE(t->characterCount(), text.size());
    QCOMPARE(t->text(0, t->characterCount()), text);
    QCOMPARE(a->state().readOnly, readOnly);
    QCOMPARE(a->editableTextInterface() == nullptr, readOnly);
    for (int offset = 0; offset < text.size(); ++offset) {
        int start = -1, end = -1;
        t->attributes(offset, &start, &end);
        QCOMPARE(start, 0);
        QCOMPARE(end, int(text.size()));
    }
    if (!readOnly) {
        a->editableTextInterface()->replaceText(0, t->characterCount(), QStringLiteral("7"));
        QCOMPARE(box->text(), QStringLiteral("7"));
    }
    delete box;
}

void AccessibilityTest::calculationIsAnnouncedOnce_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");    // none: the window has no option list
    QTest::addColumn<QStringList>("typed"); // box=text
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("heard"); // none: the calculation is refused by a notice
    QTest::newRow("circle") << "Form4"
                            << "Op1" << QStringList{"tc2=2.5"} << "Comc"
                            << "المساحة تساوي 19 فاصلة 6 3 4 9 5";
    QTest::newRow("circle, both boxes empty") << "Form4"
                                              << "Op1" << QStringList{} << "Comc"
                                              << "المساحة تساوي 0";
    QTest::newRow("circle, both boxes filled") << "Form4"
                                               << "Op1" << QStringList{"tc2=1", "tc1=2"} << "Comc"
                                               << "";
    QTest::newRow("two roots") << "Form16"
                               << "" << QStringList{"Te1=1", "Te2=-3", "Te3=2"} << "Command4"
                               << "الحل الأول 2، الحل الثاني 1";
    QTest::newRow("one root") << "Form16"
                              << "" << QStringList{"Te1=0", "Te2=2", "Te3=-3"} << "Command4"
                              << "الحل الأول 1 فاصلة 5";
    QTest::newRow("fraction") << "Form17"
                              << "Opt1" << QStringList{"Text1=1", "Text2=2", "Text3=1", "Text4=3"} << "Com2"
                              << "الناتج 5 على 6";
}

void AccessibilityTest::calculationIsAnnouncedOnce()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QStringList, typed);
    QFETCH(QString, button);
    QFETCH(QString, heard);
    QWidget *w = app::Windows::show(window);
    if (!option.isEmpty())
        QVERIFY(ui::click(ui::control(w, qPrintable(option))));
    for (const QString &entry : typed) {
        const QStringList parts = entry.split(u'=');
        ui::type(ui::control<QLineEdit>(w, qPrintable(parts[0])), parts[1]);
    }
    if (heard.isEmpty())
        notices.expect(QStringLiteral("من فضلك .. أدخل فقط إما نصف القطر أو القطر نفسه"), style::RightAlign,
                       QStringLiteral("اختر خانة واحدة"));
    QSignalSpy said(&app::Announcements::instance(), &app::Announcements::announced);
    QVERIFY(ui::click(ui::control(w, qPrintable(button))));
    if (heard.isEmpty()) {
        QCOMPARE(said.count(), 0);
        return;
    }
    QCOMPARE(said.count(), 1);
    QCOMPARE(said[0][0].value<QWidget *>(), w);
    QCOMPARE(said[0][1].toString(), heard);
    // The announcement is a notification inside a status line, shown.
    auto *note = w->findChild<QLabel *>(QStringLiteral("Announcement"));
    QVERIFY(note && note->isVisible());
    QAccessibleInterface *a = QAccessible::queryAccessibleInterface(note);
    QCOMPARE(a->role(), QAccessible::Notification);
    QCOMPARE(a->text(QAccessible::Name), heard);
    QCOMPARE(a->parent()->role(), QAccessible::StatusBar);
}

void AccessibilityTest::resultBoxHintNamesTheKey()
{
    QWidget *w = app::Windows::show(QStringLiteral("Form4"));
    auto *box = ui::control<QLineEdit>(w, "tc3");
    const QString hint = QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description);
    QVERIFY2(hint.contains(QStringLiteral("إف اثنين")), qPrintable(hint));
    QVERIFY2(!hint.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(hint));
}

void AccessibilityTest::nothingHeardIsStretched_data() { addWindowRows(); }

// No name, description or read-only text in a window's accessible tree has
// the stretching character, whichever option is chosen (la22 shows each
// option's heading in turn); the captions on the screen keep it.
void AccessibilityTest::nothingHeardIsStretched()
{
    QFETCH(QString, window);
    QWidget *w = app::Windows::show(window);
    QAccessibleInterface *root = QAccessible::queryAccessibleInterface(w);
    QStringList found = stretched(root, window);
    for (auto *o : w->findChildren<app::Option *>()) {
        // An option painted red is not available: choosing it only says so.
        if (o->palette().color(QPalette::WindowText) == QColor(200, 0, 0))
            continue;
        QVERIFY(ui::click(o));
        found += stretched(root, window);
    }
    found.removeDuplicates();
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

// Entering a list by Tab, its options name its heading as their label, so
// that a screen reader says it; moving inside the list by the arrows, they
// do not, and it is not said again.
void AccessibilityTest::optionListIsHeadedOnEntering()
{
    QWidget *w = app::Windows::show(QStringLiteral("Form4"));
    QApplication::setActiveWindow(w);
    auto *first = ui::control<QRadioButton>(w, "Op1");
    auto *instruction = ui::control<QLineEdit>(w, "Text1");
    const auto label = [](QWidget *option) {
        const auto labels = QAccessible::queryAccessibleInterface(option)->relations(QAccessible::Label);
        return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Value);
    };
    QCOMPARE(QApplication::focusWidget(), first);
    ui::control(w, "tc3")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), first);
    QCOMPARE(label(first), QStringLiteral("اختر من الخيارات التي بالأسفل"));
    QVERIFY(instruction->text().contains(Tatweel));
    QTest::keyClick(first, Qt::Key_Down);
    QWidget *second = QApplication::focusWidget();
    QCOMPARE(second->objectName(), QStringLiteral("Op11"));
    QVERIFY(static_cast<QRadioButton *>(second)->isChecked());
    QCOMPARE(label(second), QString());
    QCOMPARE(label(first), QString());
}

void AccessibilityTest::keypadKeysHaveArabicNames()
{
    QWidget *w = app::Windows::show(QStringLiteral("Form15"));
    const std::pair<const char *, const char *> keys[] = {{"Command22", "إضافة إلى الذاكرة"},
                                                          {"Command20", "حذف الكل"},
                                                          {"Command3", "٧"},
                                                          {"Command16", "قسمة"}};
    for (const auto &[key, name] : keys) {
        auto *b = ui::control<QPushButton>(w, key);
        QCOMPARE(QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name), QString::fromUtf8(name));
    }
    // The captions are the keypad's own.
    QCOMPARE(ui::control<QPushButton>(w, "Command22")->text(), QStringLiteral("M+"));
}

QTEST_MAIN(AccessibilityTest)
#include "test_accessibility.moc"
