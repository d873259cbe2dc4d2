#include "practice/progresswindow.h"

#include "kit/controls.h"
#include "kit/dispatch.h"
#include "kit/notice.h"
#include "kit/speech.h"
#include "numtext/digits.h"
#include "practice/exercises.h"
#include "practice/record.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QTableWidget>

#include <algorithm>

using numtext::shownDigits;

namespace practice {

namespace {

const QColor AllColour(QStringLiteral("#a9c8ee"));
const QColor RightColour(QStringLiteral("#1a4fb0"));

ExportChooser &chooser()
{
    static ExportChooser chosen;
    return chosen;
}

QPointer<FormProgress> &openWindow()
{
    static QPointer<FormProgress> window;
    return window;
}

QString number(qint64 n) { return shownDigits(QString::number(n)); }
QString dayMonth(const QDate &d) { return shownDigits(QStringLiteral("%1/%2").arg(d.day()).arg(d.month())); }
QString date(const QDate &d)
{
    return shownDigits(QStringLiteral("%1/%2/%3").arg(d.day()).arg(d.month()).arg(d.year()));
}

QString shownName(const QString &pupil) { return pupil.isEmpty() ? NoName : pupil; }

} // namespace

WeeksChart::WeeksChart(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture1"));
    setAccessibleName(QStringLiteral("إجاباتك في الأسابيع الثمانية الأخيرة"));
    // Reached by Tab, so that a screen reader reads its figures.
    setFocusPolicy(Qt::StrongFocus);
    setAnswers({}, QDate::currentDate());
}

void WeeksChart::setAnswers(const QList<Answer> &answers, const QDate &today)
{
    weeks_.clear();
    for (int i = Weeks - 1; i >= 0; --i)
        weeks_.append({today.addDays(-7LL * i - 6), 0, 0});
    for (const Answer &a : answers) {
        if (!a.at.isValid())
            continue;
        const qint64 back = a.at.toLocalTime().date().daysTo(today);
        if (back < 0 || back >= 7LL * Weeks)
            continue;
        Week &w = weeks_[Weeks - 1 - static_cast<int>(back / 7)];
        ++w.answers;
        if (a.right)
            ++w.right;
    }
    setAccessibleDescription(spoken());
    update();
}

QString WeeksChart::spoken() const
{
    QStringList lines;
    for (const Week &w : weeks_)
        lines << QStringLiteral("الأسبوع الذي بدأ %1: %2 إجابة، منها %3 صحيحة")
                     .arg(dayMonth(w.first), number(w.answers), number(w.right));
    return lines.join(u'\n');
}

void WeeksChart::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), palette().base());
    const QFontMetrics fm = fontMetrics();
    const int line = fm.height();
    // The legend at the top right, the weeks' first days under the bars,
    // each bar's count above it.
    int x = width() - 8;
    for (const auto &[colour, text] :
         {std::pair{AllColour, QStringLiteral("كل الإجابات")}, std::pair{RightColour, QStringLiteral("الصحيحة")}}) {
        p.fillRect(QRect(x - 12, 6 + (line - 12) / 2, 12, 12), colour);
        x -= 16;
        const int w = fm.horizontalAdvance(text);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRect(x - w, 6, w, line), Qt::AlignRight | Qt::AlignVCenter, text);
        x -= w + 20;
    }
    const int top = 6 + line + line + 4;
    const int bottom = height() - line - 6;
    const int slot = (width() - 16) / Weeks;
    int most = 1;
    for (const Week &w : weeks_)
        most = std::max(most, w.answers);
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(8, bottom, width() - 8, bottom);
    for (int i = 0; i < weeks_.size(); ++i) {
        const Week &w = weeks_[i];
        // The oldest week at the right.
        const int left = width() - 8 - (i + 1) * slot;
        const int barWidth = slot * 3 / 5;
        const int barLeft = left + (slot - barWidth) / 2;
        const auto heightOf = [&](int n) { return (bottom - top) * n / most; };
        p.fillRect(QRect(barLeft, bottom - heightOf(w.answers), barWidth, heightOf(w.answers)), AllColour);
        p.fillRect(QRect(barLeft, bottom - heightOf(w.right), barWidth, heightOf(w.right)), RightColour);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRect(left, bottom - heightOf(w.answers) - line - 2, slot, line), Qt::AlignCenter,
                   number(w.answers));
        p.drawText(QRect(left, bottom + 3, slot, line), Qt::AlignCenter, dayMonth(w.first));
    }
    if (hasFocus()) {
        p.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

FormProgress::FormProgress(Record &record, const QString &pupil)
    : Window("FormProgress", QStringLiteral("تقدمي"), 10800, 7410), record_(record)
{
    using app::Tw;
    Label1 = app::label(this, "Label1", QString(), {240, 120, 10320, 360});
    Label1->setFont(app::headingFont());
    Table1 = new QTableWidget(this);
    Table1->setObjectName(QStringLiteral("Table1"));
    Table1->setGeometry(app::twips(240, 600, 10320, 3300));
    Table1->setAccessibleName(QStringLiteral("تقدمك في كل نوع من التمارين"));
    Table1->setColumnCount(8);
    Table1->setHorizontalHeaderLabels({QStringLiteral("القسم"), QStringLiteral("النوع"), QStringLiteral("المحاولات"),
                                       QStringLiteral("الصحيحة"), QStringLiteral("التلميحات"),
                                       QStringLiteral("المستوى"), QStringLiteral("متقن"), QStringLiteral("آخر تمرين")});
    Table1->verticalHeader()->hide();
    Table1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table1->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table1->setSelectionMode(QAbstractItemView::SingleSelection);
    Table1->setTabKeyNavigation(false);
    // The figures' columns as wide as their texts (refresh()), the section's
    // as its names, the kinds' column taking what is left.
    Table1->horizontalHeader()->setMinimumSectionSize(24);
    Table1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table1->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    Table1->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    Label2 = app::label(this, "Label2", QStringLiteral("لم تحل أي تمرين بعد: افتح «تمارين» في أحد الأقسام"),
                        {240, 1800, 10320, 360});
    Label2->setAlignment(Qt::AlignCenter);
    auto *caption = app::label(this, "Label3", QStringLiteral("إجاباتك في الأسابيع الثمانية الأخيرة"),
                               {240, 4020, 10320, 300});
    Picture1 = new WeeksChart(this);
    Picture1->setGeometry(app::twips(240, 4350, 10320, 2280));
    caption->setBuddy(Picture1);

    Command1 = app::button(this, "Command1", QStringLiteral("تصدير CSV"), {8160, 6840, 2400, 420},
                           QStringLiteral("يحفظ سجل كل التلاميذ في ملف يفتحه برنامج الجداول"));
    Command1->setAccessibleName(QStringLiteral("تصدير سجل كل التلاميذ ملف CSV"));
    Command2 = app::button(this, "Command2", QStringLiteral("حذف سجلي"), {5520, 6840, 2400, 420},
                           QStringLiteral("يحذف سجل تمارين هذا التلميذ بعد التأكيد"));
    Command2->setAccessibleName(QStringLiteral("حذف سجل تمارين هذا التلميذ"));
    Command3 = app::button(this, "Command3", QStringLiteral("إغلاق"), {240, 6840, 1500, 420},
                           QStringLiteral("إغلاق النافذة"));
    setEscapeButton(Command3);
    app::tabOrder({Table1, Picture1, Command1, Command2, Command3});

    app::on(Command1, &QPushButton::clicked, this, &FormProgress::Command1_Click);
    app::on(Command2, &QPushButton::clicked, this, &FormProgress::Command2_Click);
    app::on(Command3, &QPushButton::clicked, this, &FormProgress::Command3_Click);
    connect(&numtext::DigitChoice::instance(), &numtext::DigitChoice::changed, this, &FormProgress::refresh);
    setPupil(pupil);
    Table1->setFocus();
}

void FormProgress::setPupil(const QString &pupil)
{
    pupil_ = shownName(pupil);
    Label1->setText(QStringLiteral("تقدم التلميذ: ") + pupil_);
    refresh();
}

void FormProgress::refresh()
{
    const QList<Answer> all = record_.answers(pupil_);
    QList<QPair<QString, QString>> kinds;
    for (const Answer &a : all)
        if (!kinds.contains({a.section, a.kind}))
            kinds.append({a.section, a.kind});
    std::sort(kinds.begin(), kinds.end());
    Table1->setRowCount(static_cast<int>(kinds.size()));
    for (int row = 0; row < kinds.size(); ++row) {
        const auto &[section, kind] = kinds[row];
        const KindState s = kindState(all, section, kind);
        const QStringList cells{sectionTitle(section),
                                kindTitle(kind),
                                number(s.attempts),
                                number(s.right),
                                number(s.hints),
                                number(s.level),
                                s.mastered ? QStringLiteral("نعم") : QStringLiteral("ليس بعد"),
                                s.last.isValid() ? date(s.last.toLocalTime().date()) : QString()};
        for (int column = 0; column < cells.size(); ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setTextAlignment(column < 2 ? Qt::AlignRight | Qt::AlignVCenter : Qt::Alignment(Qt::AlignCenter));
            Table1->setItem(row, column, item);
        }
    }
    const QFontMetrics header = Table1->horizontalHeader()->fontMetrics();
    for (int column = 2; column < Table1->columnCount(); ++column) {
        int width = header.horizontalAdvance(Table1->horizontalHeaderItem(column)->text());
        for (int row = 0; row < Table1->rowCount(); ++row)
            width = std::max(width, Table1->fontMetrics().horizontalAdvance(Table1->item(row, column)->text()));
        Table1->horizontalHeader()->resizeSection(column, width + 16);
    }
    Table1->setVisible(!kinds.isEmpty());
    Label2->setVisible(kinds.isEmpty());
    Command2->setEnabled(!all.isEmpty());
    Picture1->setAnswers(all, QDate::currentDate());
}

void FormProgress::Command1_Click()
{
    const QString suggested = QDir::home().filePath(QStringLiteral("سجل التمارين.csv"));
    const QString file = chooser() ? chooser()(this, suggested)
                                   : QFileDialog::getSaveFileName(this, QStringLiteral("تصدير سجل التمارين"), suggested,
                                                                  QStringLiteral("CSV (*.csv)"));
    if (file.isEmpty())
        return;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(record_.csv()) < 0 || !out.commit()) {
        numtext::notice(QStringLiteral("تعذر حفظ الملف «%1»، فاختر مكانا آخر.").arg(QFileInfo(file).fileName()),
                        numtext::style::Exclamation | numtext::style::RightAlign, QStringLiteral("تصدير السجل"));
        return;
    }
    app::announce(this, QStringLiteral("حُفظ سجل التمارين في الملف ") + QFileInfo(file).fileName());
}

void FormProgress::Command2_Click()
{
    const int answer =
        numtext::notice(QStringLiteral("هل تريد حذف سجل تمارين «%1» كله؟ لا يمكن الرجوع عن ذلك.").arg(pupil_),
                        numtext::style::YesNo | numtext::style::Question | numtext::style::RightAlign,
                        QStringLiteral("حذف السجل"));
    if (answer != numtext::answer::Yes)
        return;
    if (!record_.remove(pupil_))
        numtext::notice(QStringLiteral("تعذر حذف السجل، فلم يتغير شيء."),
                        numtext::style::Exclamation | numtext::style::RightAlign, QStringLiteral("حذف السجل"));
    refresh();
}

void FormProgress::Command3_Click() { close(); }

void setExportChooser(ExportChooser chosen) { chooser() = std::move(chosen); }

FormProgress *progressWindow() { return openWindow(); }

FormProgress *showProgress(Record &record, const QString &pupil, QWidget *beside)
{
    QPointer<FormProgress> &window = openWindow();
    const bool made = !window;
    if (made) {
        window = new FormProgress(record, pupil);
        if (beside) {
            // It goes with the window it was opened from.
            window->setParent(beside->window(), window->windowFlags());
            // At the left of the window it was opened from, within the screen.
            const QRect from = beside->frameGeometry();
            QPoint at(from.left() - window->frameGeometry().width() - 8, from.top());
            if (const QScreen *screen = beside->screen())
                at.setX(std::max(at.x(), screen->availableGeometry().left()));
            window->move(at);
        }
    } else {
        // The pupil may have changed; the record surely has.
        window->setPupil(pupil);
    }
    window->show();
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->raise();
    window->activateWindow();
    if (const QString said = record.takeNotice(); !said.isEmpty())
        numtext::notice(said, numtext::style::Information | numtext::style::RightAlign, QStringLiteral("سجل التمارين"));
    return window;
}

} // namespace practice
