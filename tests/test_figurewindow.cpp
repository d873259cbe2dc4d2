// What the areas, perimeters and volumes windows share: opening from the main
// menu, the unit notice, the not-available option, the frame buttons, the
// close box, a layout where nothing is cut off or overlaps, and the input
// rows that the figures of the perimeters and volumes windows share.

#include "support/scripted.h"
#include "support/sharedrows.h"
#include "support/ui.h"

#include "kit/banner.h"
#include "kit/notice.h"
#include "kit/window.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace numtext;

namespace {
const QString CloseQuestion = QStringLiteral("هل أنت متأكد من إغلاق هذه النافذة والانتقال إلى الصفحة الرئيسية؟");

// What a user can see of a window: every named control with its text, and
// whether it is shown, enabled, chosen and the default button.
QStringList snapshot(QWidget *window)
{
    QStringList lines;
    for (QWidget *c : window->findChildren<QWidget *>()) {
        if (c->parentWidget() != window || c->objectName().isEmpty())
            continue;
        QString line = c->objectName() + (c->isVisibleTo(window) ? " shown" : " hidden")
                       + (c->isEnabled() ? "" : " disabled");
        if (auto *e = qobject_cast<QLineEdit *>(c))
            line += " [" + e->text() + "]";
        else if (auto *l = qobject_cast<QLabel *>(c))
            line += " [" + l->text() + "]";
        if (auto *b = qobject_cast<QAbstractButton *>(c))
            line += " [" + b->text() + "]" + (b->isChecked() ? " chosen" : "");
        if (auto *p = qobject_cast<QPushButton *>(c); p && p->isDefault())
            line += " default";
        lines << line;
    }
    lines.sort();
    return lines;
}

// The room a control needs for its caption.
int captionWidth(QWidget *c)
{
    if (auto *r = qobject_cast<QRadioButton *>(c))
        return r->sizeHint().width();
    if (auto *b = qobject_cast<QPushButton *>(c))
        return b->fontMetrics().horizontalAdvance(b->text()) + 8;
    if (auto *l = qobject_cast<QLabel *>(c))
        return l->fontMetrics().horizontalAdvance(l->text());
    return 0;
}
} // namespace

class FigureWindowTest : public WindowTest {
    Q_OBJECT
private slots:
    void opensFromTheMenu_data();
    void opensFromTheMenu();
    void unitNotice_data();
    void unitNotice();
    void unavailableOption_data();
    void unavailableOption();
    void menuButtonKeepsEverything_data();
    void menuButtonKeepsEverything();
    void closeBox_data();
    void closeBox();
    void lawsButton_data();
    void lawsButton();
    void exitConfirmation_data();
    void exitConfirmation();
    void nothingCutOffOrOverlapping_data();
    void nothingCutOffOrOverlapping();
    void sharedRowsAtFirst_data();
    void sharedRowsAtFirst();
    void sharedRowsFollowTheFigure_data();
    void sharedRowsFollowTheFigure();
    void clearButtonsClearTheirRow_data();
    void clearButtonsClearTheirRow();
    void disabledRowsKeepTheirTexts_data();
    void disabledRowsKeepTheirTexts();

private:
    QWidget *open(const QString &menuOption, const QString &window)
    {
        if (!ui::click(ui::control("Form1", qPrintable(menuOption))) || !ui::click("Form1", "Command1"))
            return nullptr;
        return ui::window(qPrintable(window));
    }
    // Chooses a figure, types into one of its boxes and calculates.
    static void work(QWidget *w, const QString &option, const QString &box, const QString &text,
                     const QString &calculate)
    {
        QVERIFY(ui::click(ui::control(w, qPrintable(option))));
        ui::type(ui::control<QLineEdit>(w, qPrintable(box)), text);
        QVERIFY(ui::click(ui::control(w, qPrintable(calculate))));
    }
};

// Each window with a figure, a box of that figure and its calculate button.
static void windows()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("calculate");
    QTest::newRow("areas") << "Op2"
                           << "Form4"
                           << "Op1"
                           << "tc2"
                           << "Comc";
    QTest::newRow("perimeters") << "Op4"
                                << "Form6"
                                << "Op3"
                                << "Te1"
                                << "Comb";
    QTest::newRow("volumes") << "Op7"
                             << "Form9"
                             << "Op1"
                             << "Te1"
                             << "Comk";
}

void FigureWindowTest::opensFromTheMenu_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("word");
    QTest::newRow("areas") << "Op2"
                           << "Form4" << QStringLiteral("حساب المساحات") << QStringLiteral("المساحة");
    QTest::newRow("perimeters") << "Op4"
                                << "Form6" << QStringLiteral("حساب المحيط") << QStringLiteral("المحيط");
    QTest::newRow("volumes") << "Op7"
                             << "Form9" << QStringLiteral("حساب الأحجام") << QStringLiteral("الحجم");
}

void FigureWindowTest::opensFromTheMenu()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, word);
    QWidget *w = open(menuOption, window);
    QVERIFY(w && w->isVisible());
    QVERIFY(!ui::window("Form1")->isVisible());
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(ui::control<app::Banner>(w, "Picture1")->word(), word);
    QCOMPARE(ui::control<QLineEdit>(w, "Text1")->text(), QStringLiteral("اختر من الخيارات التي بالأســفـل"));
    for (const char *heading : {"Text1", "la22"}) {
        auto *line = ui::control<QLineEdit>(w, heading);
        QVERIFY(line->isReadOnly());
        QVERIFY(line->font().bold());
    }
    QCOMPARE(ui::control<QPushButton>(w, "Command1")->text(), QStringLiteral("خروج"));
    QCOMPARE(ui::control<QPushButton>(w, "Command2")->text(), QStringLiteral("قوانين رياضية"));
    QCOMPARE(ui::control<QPushButton>(w, "Command3")->text(), QStringLiteral("القائمة الرئيسية"));
    // Before a figure is chosen Enter has nothing to press.
    const QStringList before = snapshot(w);
    ui::pressEnter(ui::control(w, "la22"));
    QCOMPARE(snapshot(w), before);
}

void FigureWindowTest::unitNotice_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("areas") << "Op2"
                           << "Form4" << QStringLiteral("اضغط هنا لمعرفة وحدة المساحة")
                           << QStringLiteral("وحدة المساحة = متر مربع") << QStringLiteral("المساحة");
    QTest::newRow("perimeters") << "Op4"
                                << "Form6" << QStringLiteral("اضغط هنا لمعرفة وحدة المحيط")
                                << QStringLiteral("وحدة المحيط = متر .. وكذلك وحدة المسافة = متر ")
                                << QStringLiteral("المحيط");
    QTest::newRow("volumes") << "Op7"
                             << "Form9" << QStringLiteral("اضغط هنا لمعرفة وحدة الحجم")
                             << QStringLiteral("وحدة الحجم = متر مكعب") << QStringLiteral("الحجم");
}

void FigureWindowTest::unitNotice()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, tip);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    auto *unit = ui::control<QLabel>(w, "Label7");
    QCOMPARE(unit->text(), QStringLiteral("؟"));
    QCOMPARE(unit->toolTip(), tip);
    notices.expect(text, 0x80000, title);
    QVERIFY(ui::click(unit));
}

void FigureWindowTest::unavailableOption_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("chosen"); // before the click; empty for none
    QTest::newRow("areas, nothing chosen") << "Op2"
                                           << "Form4" << QStringLiteral("مساحة الهرم والمنشور") << "";
    QTest::newRow("areas, sphere chosen") << "Op2"
                                          << "Form4" << QStringLiteral("مساحة الهرم والمنشور") << "Op11";
    QTest::newRow("volumes, nothing chosen") << "Op7"
                                             << "Form9" << QStringLiteral("حجم الهرم والمنشور") << "";
    QTest::newRow("volumes, cone chosen") << "Op7"
                                          << "Form9" << QStringLiteral("حجم الهرم والمنشور") << "Op5";
}

void FigureWindowTest::unavailableOption()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, chosen);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    auto *unavailable = ui::control<QRadioButton>(w, "Option1");
    QCOMPARE(unavailable->text(), caption);
    if (!chosen.isEmpty())
        QVERIFY(ui::click(ui::control(w, qPrintable(chosen))));
    const QStringList before = snapshot(w);
    notices.expect(QStringLiteral("هذه الخاصية غير متوفرة حاليا في هذا الإصدار\r\nربما يتم إضافتها في إصدار أحدث"),
                   0x80000, QStringLiteral("غير متوفر"));
    QVERIFY(ui::click(unavailable));
    // Only the notice: the figure shown before stays chosen.
    QCOMPARE(snapshot(w), before);
}

void FigureWindowTest::menuButtonKeepsEverything_data() { windows(); }

void FigureWindowTest::menuButtonKeepsEverything()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, box);
    QFETCH(QString, calculate);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    work(w, option, box, QStringLiteral("7"), calculate);
    ui::type(ui::control<QLineEdit>(w, qPrintable(box)), QStringLiteral("8"));
    const QStringList before = snapshot(w);
    QVERIFY(ui::click(ui::control(w, "Command3")));
    QVERIFY(!w->isVisible());
    QVERIFY(ui::window("Form1")->isVisible());
    QCOMPARE(open(menuOption, window), w);
    QVERIFY(w->isVisible());
    QCOMPARE(snapshot(w), before);
    // Enter in the box still runs the figure chosen before.
    ui::control(w, qPrintable(box))->setFocus();
    ui::pressEnter(ui::control(w, qPrintable(box)));
    QVERIFY(snapshot(w) != before);
}

void FigureWindowTest::closeBox_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<int>("answer");
    for (int answer : {answer::Yes, answer::No}) {
        const char *said = answer == answer::Yes ? "yes" : "no";
        QTest::addRow("areas, %s", said) << "Op2"
                                         << "Form4"
                                         << "Op6"
                                         << "Tk1"
                                         << "Comk3" << answer;
        QTest::addRow("perimeters, %s", said) << "Op4"
                                              << "Form6"
                                              << "Op5"
                                              << "Te3"
                                              << "Comt" << answer;
        QTest::addRow("volumes, %s", said) << "Op7"
                                           << "Form9"
                                           << "Op3"
                                           << "Te2"
                                           << "Coms" << answer;
    }
}

void FigureWindowTest::closeBox()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(QString, box);
    QFETCH(QString, calculate);
    QFETCH(int, answer);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    const QStringList initial = snapshot(w);
    QVERIFY(ui::click(ui::control(w, qPrintable(option))));
    ui::type(ui::control<QLineEdit>(w, qPrintable(box)), QStringLiteral("5"));
    const QStringList worked = snapshot(w);
    notices.expect(CloseQuestion, 0x80004, QStringLiteral("إغلاق النافذة"), answer);
    const bool closed = ui::closeBox(qPrintable(window));
    QCOMPARE(closed, answer == answer::Yes);
    QCOMPARE(ui::window("Form1")->isVisible(), closed);
    if (!closed) {
        QVERIFY(w->isVisible());
        QCOMPARE(snapshot(w), worked);
        return;
    }
    ui::settle();
    QWidget *again = open(menuOption, window);
    QVERIFY(again && again->isVisible());
    QCOMPARE(snapshot(again), initial);
    QVERIFY(!static_cast<app::Window *>(again)->defaultButton());
}

void FigureWindowTest::lawsButton_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("laws");
    QTest::newRow("areas") << "Op2"
                           << "Form4"
                           << "Form11";
    QTest::newRow("perimeters") << "Op4"
                                << "Form6"
                                << "Form12";
    QTest::newRow("volumes") << "Op7"
                             << "Form9"
                             << "Form14";
}

void FigureWindowTest::lawsButton()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, laws);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    QVERIFY(ui::click(ui::control(w, "Command2")));
    // The section window stays; the laws window opens beside it.
    QVERIFY(w->isVisible());
    QVERIFY(!ui::window("Form1")->isVisible());
    QVERIFY(app::Windows::find(laws) && app::Windows::find(laws)->isVisible());
}

void FigureWindowTest::exitConfirmation_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("answer");
    for (int answer : {answer::Yes, answer::No}) {
        const char *said = answer == answer::Yes ? "yes" : "no";
        QTest::addRow("areas, %s", said) << "Op2"
                                         << "Form4" << answer;
        QTest::addRow("perimeters, %s", said) << "Op4"
                                              << "Form6" << answer;
        QTest::addRow("volumes, %s", said) << "Op7"
                                           << "Form9" << answer;
    }
}

void FigureWindowTest::exitConfirmation()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(int, answer);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    notices.expect(QStringLiteral("هل أنت متأكد من الخروج ؟"), 0x80024, QStringLiteral("تنبيه"), answer);
    QVERIFY(ui::click(ui::control(w, "Command1")));
    QCOMPARE(programEnds, answer == answer::Yes ? 1 : 0);
    QVERIFY(w->isVisible());
}

void FigureWindowTest::nothingCutOffOrOverlapping_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    const char *const areas[] = {"Op1", "Op11", "Op2", "Op3", "Op4", "Op5", "Op6"};
    const char *const perimeters[] = {"Op1", "Op2", "Op3", "Op4", "Op5", "Op6"};
    const char *const volumes[] = {"Op1", "Op2", "Op3", "Op4", "Op5"};
    for (const char *o : areas)
        QTest::addRow("areas, %s", o) << "Op2"
                                      << "Form4" << o;
    for (const char *o : perimeters)
        QTest::addRow("perimeters, %s", o) << "Op4"
                                           << "Form6" << o;
    for (const char *o : volumes)
        QTest::addRow("volumes, %s", o) << "Op7"
                                        << "Form9" << o;
}

void FigureWindowTest::nothingCutOffOrOverlapping()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, option);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    QVERIFY(ui::click(ui::control(w, qPrintable(option))));
    QList<QWidget *> shown;
    for (QWidget *c : w->findChildren<QWidget *>())
        if (c->parentWidget() == w && c->isVisible())
            shown << c;
    for (QWidget *c : shown) {
        QVERIFY2(w->rect().contains(c->geometry()), qPrintable(c->objectName()));
        QVERIFY2(captionWidth(c) <= c->width(), qPrintable(c->objectName()));
        for (QWidget *d : shown) {
            // The steps and practice buttons stand on the banner.
            const QStringList onBanner{QStringLiteral("StepsButton"), QStringLiteral("PracticeButton")};
            if (c->objectName() == "Picture1" && onBanner.contains(d->objectName()))
                QVERIFY(c->geometry().contains(d->geometry()));
            if (QStringList{c->objectName(), d->objectName()}.contains("Picture1")
                && (onBanner.contains(c->objectName()) || onBanner.contains(d->objectName())))
                continue;
            // A seam of one pixel, where twips round to pixels, is no overlap.
            const QRect common = c->geometry().intersected(d->geometry());
            QVERIFY2(c == d || common.isEmpty() || common.height() == 1 || common.width() == 1,
                     qPrintable(c->objectName() + " / " + d->objectName()));
        }
    }
}

// The two windows whose figures share their rows: how many rows, every label
// that may stand beside one and every calculate button.
static void sharedRowWindows()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("allLabels");
    QTest::addColumn<QStringList>("allCalculates");
}

static const QStringList PerimeterLabels{"Lac1", "Lac2", "Lak1", "Lak2", "Lak3", "Lak4", "Lak5", "Lak6", "Lak7"};
static const QStringList PerimeterCalculates{"Comc", "Comh", "Comb", "Comz", "Comt", "Coms"};
static const QStringList VolumeLabels{"Lakk", "Lakd1", "Lakd2", "Laks1", "Laks2", "Laks3"};
static const QStringList VolumeCalculates{"Comk", "Comr", "Coms", "Comn", "Comd"};

void FigureWindowTest::sharedRowsAtFirst_data()
{
    sharedRowWindows();
    QTest::newRow("perimeters") << "Op4"
                                << "Form6" << 4 << PerimeterLabels << PerimeterCalculates;
    QTest::newRow("volumes") << "Op7"
                             << "Form9" << 3 << VolumeLabels << VolumeCalculates;
}

void FigureWindowTest::sharedRowsAtFirst()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(int, rows);
    QFETCH(QStringList, allLabels);
    QFETCH(QStringList, allCalculates);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    for (QRadioButton *o : w->findChildren<QRadioButton *>())
        QVERIFY2(!o->isChecked(), qPrintable(o->objectName()));
    QStringList hidden = allLabels + allCalculates;
    for (int n = 1; n <= rows; ++n)
        hidden << QStringLiteral("Te%1").arg(n) << QStringLiteral("Com%1").arg(n);
    for (const QString &name : hidden) {
        QWidget *c = ui::control(w, qPrintable(name));
        QVERIFY2(!c->isVisible() && c->isEnabled(), qPrintable(name));
    }
    for (const char *name : {"Te5", "Label1", "la22", "Label7"})
        QVERIFY2(ui::control(w, name)->isVisible(), name);
    QCOMPARE(sharedrows::result(w), QString());
    QCOMPARE(ui::control<QLineEdit>(w, "la22")->text(), QString());
}

void FigureWindowTest::sharedRowsFollowTheFigure_data()
{
    sharedRowWindows();
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("labels"); // beside rows 1, 2, ... in order; the other rows are disabled
    QTest::addColumn<QString>("calculate");
    auto perimeter = [](const char *name) -> QTestData & {
        return QTest::newRow(name) << "Op4"
                                   << "Form6" << 4 << PerimeterLabels << PerimeterCalculates;
    };
    auto volume = [](const char *name) -> QTestData & {
        return QTest::newRow(name) << "Op7"
                                   << "Form9" << 3 << VolumeLabels << VolumeCalculates;
    };
    perimeter("circle") << "Op1" << QStringLiteral("حساب محيط الدائرة") << QStringList{"Lac1", "Lac2"} << "Comc";
    perimeter("trapezoid") << "Op2" << QStringLiteral("حساب محيط شبه المنحرف")
                           << QStringList{"Lak1", "Lak2", "Lak3", "Lak4"} << "Comh";
    perimeter("square") << "Op3" << QStringLiteral("حساب محيط المربع بطول ضلع واحد منه") << QStringList{"Lak7"}
                        << "Comb";
    perimeter("parallelogram") << "Op4" << QStringLiteral("حساب محيط متوازي الأضلاع")
                               << QStringList{"Lak1", "Lak2", "Lak3", "Lak4"} << "Comz";
    perimeter("triangle") << "Op5" << QStringLiteral("حساب محيط المثلث") << QStringList{"Lak1", "Lak2", "Lak3"}
                          << "Comt";
    perimeter("rectangle") << "Op6" << QStringLiteral("حساب محيط المستطيل بدلالة الطول والعرض")
                           << QStringList{"Lak5", "Lak6"} << "Coms";
    volume("cube") << "Op1" << QStringLiteral("حساب حجم المكعب بطول حرف منه") << QStringList{"Lakk"} << "Comk";
    volume("sphere") << "Op2" << QStringLiteral("حساب حجم الكرة") << QStringList{"Lakd1", "Lakd2"} << "Comr";
    volume("cuboid") << "Op3" << QStringLiteral("حساب حجم متوازي المستطيلات") << QStringList{"Laks1", "Laks2", "Laks3"}
                     << "Coms";
    volume("cylinder") << "Op4" << QStringLiteral("حساب حجم الاسطوانة") << QStringList{"Lakd1", "Lakd2", "Laks3"}
                       << "Comn";
    volume("cone") << "Op5" << QStringLiteral("حساب حجم المخروط") << QStringList{"Lakd1", "Lakd2", "Laks3"} << "Comd";
}

void FigureWindowTest::sharedRowsFollowTheFigure()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(int, rows);
    QFETCH(QStringList, allLabels);
    QFETCH(QStringList, allCalculates);
    QFETCH(QString, option);
    QFETCH(QString, heading);
    QFETCH(QStringList, labels);
    QFETCH(QString, calculate);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    // From every other figure, so that each choice undoes the one before.
    for (QRadioButton *from : w->findChildren<QRadioButton *>()) {
        if (from->objectName() == "Option1")
            continue;
        QVERIFY(ui::click(from));
        QVERIFY(ui::click(ui::control(w, qPrintable(option))));
        QCOMPARE(ui::control<QLineEdit>(w, "la22")->text(), heading);
        QCOMPARE(static_cast<app::Window *>(w)->defaultButton()->objectName(), calculate);
        for (int row = 0; row < rows; ++row) {
            QWidget *box = sharedrows::row(w, row + 1);
            QWidget *clear = ui::control(w, qPrintable(QStringLiteral("Com%1").arg(row + 1)));
            QVERIFY(box->isVisible() && clear->isVisible());
            QCOMPARE(box->isEnabled(), row < labels.size());
            QCOMPARE(clear->isEnabled(), row < labels.size());
            if (row < labels.size()) {
                // The label stands beside its own row.
                const QRect label = ui::control(w, qPrintable(labels[row]))->geometry();
                QVERIFY(label.top() >= box->geometry().top() && label.top() < box->geometry().bottom());
            }
        }
        for (const QString &name : allLabels)
            QVERIFY2(ui::control(w, qPrintable(name))->isVisible() == labels.contains(name), qPrintable(name));
        for (const QString &name : allCalculates)
            QVERIFY2(ui::control(w, qPrintable(name))->isVisible() == (name == calculate), qPrintable(name));
    }
}

void FigureWindowTest::clearButtonsClearTheirRow_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option"); // a figure that uses every row
    QTest::addColumn<int>("rows");
    QTest::newRow("perimeters") << "Op4"
                                << "Form6"
                                << "Op2" << 4;
    QTest::newRow("volumes") << "Op7"
                             << "Form9"
                             << "Op3" << 3;
}

void FigureWindowTest::clearButtonsClearTheirRow()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, option);
    QFETCH(int, rows);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    QVERIFY(ui::click(ui::control(w, qPrintable(option))));
    const QStringList texts{"1", "2", "3", "4"};
    for (int cleared = 1; cleared <= rows; ++cleared) {
        sharedrows::fill(w, texts.first(rows));
        QVERIFY(ui::click(ui::control(w, qPrintable(QStringLiteral("Com%1").arg(cleared)))));
        for (int n = 1; n <= rows; ++n)
            QCOMPARE(sharedrows::row(w, n)->text(), n == cleared ? QString() : texts[n - 1]);
    }
}

void FigureWindowTest::disabledRowsKeepTheirTexts_data()
{
    QTest::addColumn<QString>("menuOption");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("after"); // a figure of row 1 alone
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("result");
    QTest::newRow("square after trapezoid") << "Op4"
                                            << "Form6"
                                            << "Op2" << QStringList{"1", "2", "3", "4"} << "Op3"
                                            << "Comb"
                                            << "4";
    QTest::newRow("cube after cylinder") << "Op7"
                                         << "Form9"
                                         << "Op4" << QStringList{"1", "8", "2"} << "Op1"
                                         << "Comk"
                                         << "1";
}

void FigureWindowTest::disabledRowsKeepTheirTexts()
{
    QFETCH(QString, menuOption);
    QFETCH(QString, window);
    QFETCH(QString, before);
    QFETCH(QStringList, texts);
    QFETCH(QString, after);
    QFETCH(QString, calculate);
    QFETCH(QString, result);
    QWidget *w = open(menuOption, window);
    QVERIFY(w);
    QVERIFY(ui::click(ui::control(w, qPrintable(before))));
    sharedrows::fill(w, texts);
    QVERIFY(ui::click(ui::control(w, qPrintable(after))));
    for (int n = 2; n <= texts.size(); ++n) {
        QLineEdit *box = sharedrows::row(w, n);
        QVERIFY(box->isVisible() && !box->isEnabled());
        QCOMPARE(box->text(), texts[n - 1]);
        QVERIFY(!ui::click(ui::control(w, qPrintable(QStringLiteral("Com%1").arg(n)))));
    }
    QVERIFY(ui::click(ui::control(w, qPrintable(calculate))));
    QCOMPARE(sharedrows::result(w), result);
    QVERIFY(ui::click(ui::control(w, qPrintable(before))));
    for (int n = 1; n <= texts.size(); ++n)
        QCOMPARE(sharedrows::row(w, n)->text(), texts[n - 1]);
}

QTEST_MAIN(FigureWindowTest)
#include "test_figurewindow.moc"
