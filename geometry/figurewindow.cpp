#include "geometry/figurewindow.h"

#include "app/banner.h"
#include "app/dispatch.h"
#include "numtext/notice.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

using namespace app;
using namespace numtext;

namespace geometry {

namespace {
// The columns of the option list and of the input rows (twips). Labels reach
// the right margin of the instruction line and the heading box.
constexpr int RightMargin = 4695;
constexpr Tw RightOption{2400, 0, RightMargin - 2400, 240};
constexpr Tw LeftOption{120, 0, 2175, 240};
constexpr int LabelX = 3240, CaptionDrop = 120, CaptionHeight = 255;
constexpr int BoxX = 1080, BoxWidth = 2055, RowHeight = 375;
constexpr int ClearX = 240, ClearWidth = 735;

const QColor Green(0, 128, 0);
const QColor Red(200, 0, 0);

// A caption too long for its control is written smaller rather than cut off
// or pressed against the control's edges; `margin` is the room the control
// keeps around its text.
void fit(QWidget *w, const QString &caption, int margin) { fitWidth(w, caption, w->width() - margin); }

void paint(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    w->setPalette(p);
}
} // namespace

FigureWindow::FigureWindow(const Section &section)
    : SectionWindow(section.name, QString::fromUtf8(section.caption), 4815, section.height), section_(section)
{
    Picture1 = new Banner(this, "Picture1", twips(120, 120, 4575, 1215), QString::fromUtf8(section.word));
    Text1 = headingLine(this, "Text1", {120, 1320, 4575, 375}, QStringLiteral("اختر من الخيارات التي بالأســفـل"));
    options_ = new QButtonGroup(this);
    la22 = headingLine(this, "la22", {120, section.headingTop, 4575, 375});

    resultCaption_ = label(this, section.resultCaptionName, QString::fromUtf8(section.resultCaption),
                           {section.resultCaptionX, section.resultTop + CaptionDrop,
                            RightMargin - section.resultCaptionX, CaptionHeight});
    fit(resultCaption_, resultCaption_->text(), 0);
    Label7 = clickLabel(this, "Label7", QStringLiteral("؟"), {240, section.resultTop, 240, RowHeight},
                        QString::fromUtf8(section.unitTip));
    QFont large = interfaceFont();
    large.setPointSizeF(13);
    large.setBold(true);
    Label7->setFont(large);
    Label7->setAlignment(Qt::AlignCenter);

    Command1 = button(this, "Command1", QStringLiteral("خروج"), {240, section.frameTop, 1215, RowHeight});
    Command2 = button(this, "Command2", QStringLiteral("قوانين رياضية"),
                      {section.lawsX, section.frameTop, 1335, RowHeight});
    Command3 = button(this, "Command3", QStringLiteral("القائمة الرئيسية"), {3120, section.frameTop, 1455, RowHeight});
    joinFrame(Command1, Command3, Command2, QString::fromLatin1(section.lawsWindow));
    on(Label7, &ClickLabel::clicked, this, &FigureWindow::Label7_Click);
}

QRadioButton *FigureWindow::addOption(const char *name, const QString &caption, bool rightColumn, int top)
{
    Tw at = rightColumn ? RightOption : LeftOption;
    at.y = top;
    QRadioButton *o = option(this, name, caption, at);
    // As wide as its circle and caption, from the column's right edge: a
    // click anywhere on the option chooses it.
    QRect r = o->geometry();
    r.setLeft(std::max(r.left(), r.right() + 1 - o->sizeHint().width()));
    o->setGeometry(r);
    options_->addButton(o);
    return o;
}

QRadioButton *FigureWindow::addUnavailableOption(const char *name, const QString &caption, bool rightColumn, int top)
{
    QRadioButton *o = addOption(name, caption, rightColumn, top);
    paint(o, Red);
    on(o, &QRadioButton::clicked, this, &FigureWindow::Option1_Click);
    return o;
}

QLabel *FigureWindow::rowLabel(const char *name, const QString &caption, int top, bool green)
{
    // A label ends level with the bottom of its box.
    QLabel *l = label(this, name, caption,
                      {LabelX, top + section_.labelDrop, RightMargin - LabelX, RowHeight - section_.labelDrop});
    fit(l, caption, 0);
    if (green)
        paint(l, Green);
    l->hide();
    return l;
}

QLineEdit *FigureWindow::rowBox(const char *name, int top, const QString &caption)
{
    QLineEdit *e = edit(this, name, {BoxX, top, BoxWidth, RowHeight}, caption);
    e->hide();
    return e;
}

QPushButton *FigureWindow::clearButton(const char *name, int top)
{
    QPushButton *b = button(this, name, QStringLiteral("مسح"), {ClearX, top, ClearWidth, RowHeight});
    b->hide();
    return b;
}

QPushButton *FigureWindow::calculateButton(const char *name, const QString &caption, Tw at)
{
    QPushButton *b = button(this, name, caption, at);
    fit(b, caption, 16);
    b->hide();
    return b;
}

QLineEdit *FigureWindow::resultBox(const char *name)
{
    return readOnlyEdit(this, name, {480, section_.resultTop, section_.resultWidth, RowHeight},
                        QString::fromUtf8(section_.resultCaption));
}

void FigureWindow::choose(QRadioButton *option, QPushButton *calculate, const QString &heading)
{
    chosen_ = option;
    setDefaultButton(calculate);
    la22->setText(heading);
    la22->setCursorPosition(0);
}

void FigureWindow::orderTabs(const std::vector<QWidget *> &middle)
{
    QWidget *previous = nullptr;
    auto chain = [&previous](QWidget *w) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    };
    for (QAbstractButton *o : options_->buttons())
        chain(o);
    for (QWidget *w : middle)
        chain(w);
    for (QWidget *w : {Command3, Command2, Command1})
        chain(w);
}

void FigureWindow::Label7_Click()
{
    notice(QString::fromUtf8(section_.unitText), style::RightAlign, QString::fromUtf8(section_.unitTitle));
}

void FigureWindow::Option1_Click()
{
    // Only a notice: the figure shown before stays the chosen one.
    if (chosen_) {
        chosen_->setChecked(true);
    } else {
        options_->setExclusive(false);
        for (QAbstractButton *o : options_->buttons())
            o->setChecked(false);
        options_->setExclusive(true);
    }
    notice(QStringLiteral("هذه الخاصية غير متوفرة حاليا في هذا الإصدار") + crlf()
               + QStringLiteral("ربما يتم إضافتها في إصدار أحدث"),
           style::RightAlign, QStringLiteral("غير متوفر"));
}

void SharedRowsWindow::showFigure(QRadioButton *option, const QString &heading, int rows,
                                  std::initializer_list<QLabel *> labels, QPushButton *calculate)
{
    choose(option, calculate, heading);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const bool used = int(i) < rows;
        boxes_[i]->show();
        clears_[i]->show();
        boxes_[i]->setEnabled(used);
        clears_[i]->setEnabled(used);
        // The labels stand beside the rows in order, row 1 first.
        boxes_[i]->setAccessibleName(i < labels.size() ? labels.begin()[i]->text()
                                                       : QStringLiteral("الخانة %1").arg(i + 1));
    }
    for (QLabel *l : labels_)
        l->setVisible(std::find(labels.begin(), labels.end(), l) != labels.end());
    for (QPushButton *b : calculates_)
        b->setVisible(b == calculate);
}

} // namespace geometry

namespace geometry {

std::vector<Mixed> SharedRowsWindow::operands(int rows, int asText) const
{
    std::vector<Mixed> values;
    for (int i = 0; i < rows; ++i) {
        const double value = leadingNumber(boxes_[std::size_t(i)]->text());
        values.push_back(i == asText ? Mixed(format(value)) : Mixed(value));
    }
    return values;
}

bool SharedRowsWindow::filled(std::span<const QString> notices, std::uint32_t style) const
{
    for (std::size_t i = 0; i < notices.size(); ++i) {
        if (isEmpty(boxes_[i]->text())) {
            emptyFieldNotice(notices[i], style);
            return false;
        }
    }
    return true;
}

void SharedRowsWindow::showResult(const Mixed &value) { result_->setText(format(value.number())); }

} // namespace geometry
