// How every window looks to a pupil and to a screen reader: nothing clipped,
// no control on top of another, as it opens and with each of its options
// chosen; every control named.

#include "support/scripted.h"
#include "support/ui.h"

#include "app/application.h"
#include "app/mainmenu.h"
#include "kit/banner.h"
#include "kit/context.h"
#include "kit/controls.h"
#include "kit/windows.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace {
// Controls that stand on purpose over another one.
const QList<QPair<QString, QString>> Overlays = {
    {QStringLiteral("Form15"), QStringLiteral("Text2")}, // the memory mark over the display
};

bool isOverlay(const QString &window, const QWidget *w) { return Overlays.contains({window, w->objectName()}); }

// The width a control needs to show its text whole.
int neededWidth(const QWidget *w)
{
    if (auto *radio = qobject_cast<const QRadioButton *>(w)) {
        const int indicator = radio->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio)
                              + radio->style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
        return indicator + radio->fontMetrics().horizontalAdvance(radio->text());
    }
    if (auto *button = qobject_cast<const QAbstractButton *>(w))
        return button->fontMetrics().horizontalAdvance(button->text()) + 4;
    if (auto *label = qobject_cast<const QLabel *>(w))
        return label->pixmap().isNull() && !label->wordWrap() ? label->fontMetrics().horizontalAdvance(label->text())
                                                              : 0;
    if (auto *edit = qobject_cast<const QLineEdit *>(w))
        return edit->fontMetrics().horizontalAdvance(edit->text()) + 6;
    return 0;
}

bool isControl(const QWidget *w)
{
    return qobject_cast<const QAbstractButton *>(w) || qobject_cast<const QLabel *>(w)
           || qobject_cast<const QLineEdit *>(w);
}
} // namespace

class LayoutTest : public WindowTest {
    Q_OBJECT
private slots:
    void windows_data();
    void panels_data();
    void nothingIsClipped_data() { panels_data(); }
    void nothingIsClipped();
    void noControlCoversAnother_data() { panels_data(); }
    void noControlCoversAnother();
    void controlsAreNamed_data() { windows_data(); }
    void controlsAreNamed();

private:
    // The window shown, with the option chosen when one is given.
    QWidget *showPanel(const QString &window, const QString &option);
    QList<QWidget *> shownControls(QWidget *window)
    {
        QList<QWidget *> controls;
        for (QWidget *w : window->findChildren<QWidget *>()) {
            if (w->parentWidget() == window && w->isVisibleTo(window) && isControl(w))
                controls << w;
        }
        return controls;
    }
};

void LayoutTest::windows_data()
{
    QTest::addColumn<QString>("window");
    // The program's table: the data are made before a test's context exists.
    for (const app::WindowKind &kind : app::windowKinds())
        QTest::newRow(kind.name) << QString::fromLatin1(kind.name);
}

// Every window as it opens, and with each of its options chosen (the panel
// of the option shown). An option not available yet has no panel: choosing
// it only says so.
void LayoutTest::panels_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("option");
    // The options of each window, chosen in windows made for the purpose.
    struct Counting : numtext::NoticePresenter {
        int shown = 0;
        int present(const numtext::Notice &) override
        {
            ++shown;
            return numtext::answer::Ok;
        }
    } counted;
    auto scratch = testContext();
    scratch->setNoticePresenter(&counted);
    for (const QString &name : app::Windows::names()) {
        QTest::newRow(qPrintable(name)) << name << QString();
        QWidget *w = app::Windows::show(name);
        for (app::Option *o : w->findChildren<app::Option *>(Qt::FindDirectChildrenOnly)) {
            const int before = counted.shown;
            if (ui::click(o) && counted.shown == before)
                QTest::addRow("%s %s", qPrintable(name), qPrintable(o->objectName())) << name << o->objectName();
        }
        w->hide();
    }
    scratch.reset();
    ui::settle();
}

QWidget *LayoutTest::showPanel(const QString &window, const QString &option)
{
    QWidget *w = app::Windows::show(window);
    if (!option.isEmpty() && !ui::click(ui::control(w, qPrintable(option))))
        QTest::qFail(qPrintable(option + QStringLiteral(" cannot be chosen")), __FILE__, __LINE__);
    return w;
}

void LayoutTest::nothingIsClipped()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    QWidget *w = showPanel(window, option);
    QVERIFY(!QTest::currentTestFailed());
    for (QWidget *c : shownControls(w)) {
        QVERIFY2(neededWidth(c) <= c->width(),
                 qPrintable(
                     QStringLiteral("%1 needs %2 px, has %3").arg(c->objectName()).arg(neededWidth(c)).arg(c->width())));
        QVERIFY2(c->fontMetrics().height() <= c->height(), qPrintable(c->objectName()));
        QVERIFY2(w->rect().contains(c->geometry()), qPrintable(c->objectName() + QStringLiteral(" leaves the window")));
    }
}

void LayoutTest::noControlCoversAnother()
{
    QFETCH(QString, window);
    QFETCH(QString, option);
    QWidget *w = showPanel(window, option);
    QVERIFY(!QTest::currentTestFailed());
    const QList<QWidget *> controls = shownControls(w);
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            QWidget *a = controls[i], *b = controls[j];
            if (isOverlay(window, a) || isOverlay(window, b))
                continue;
            // One pixel is the rounding of twips to pixels.
            QVERIFY2(!a->geometry().adjusted(0, 0, -1, -1).intersects(b->geometry().adjusted(0, 0, -1, -1)),
                     qPrintable(QStringLiteral("%1 and %2 overlap").arg(a->objectName(), b->objectName())));
        }
    }
}

void LayoutTest::controlsAreNamed()
{
    QFETCH(QString, window);
    QWidget *w = app::Windows::get(window);
    for (QWidget *c : w->findChildren<QWidget *>()) {
        if (c->parentWidget() != w)
            continue;
        // A screen reader names buttons and clickable labels by their text
        // and text boxes by their accessible name.
        QString spoken = c->accessibleName();
        if (auto *b = qobject_cast<QAbstractButton *>(c); b && spoken.isEmpty())
            spoken = b->text();
        if (auto *l = qobject_cast<app::ClickLabel *>(c); l && spoken.isEmpty())
            spoken = l->text();
        if (qobject_cast<QLineEdit *>(c) || qobject_cast<QAbstractButton *>(c) || qobject_cast<app::ClickLabel *>(c))
            QVERIFY2(!spoken.isEmpty(), qPrintable(c->objectName()));
    }
}

QTEST_MAIN(LayoutTest)
#include "test_layout.moc"
