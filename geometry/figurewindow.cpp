#include "geometry/figurewindow.h"

#include "kit/banner.h"
#include "kit/dispatch.h"
#include "kit/notice.h"
#include "kit/practicedoor.h"
#include "kit/speech.h"
#include "kit/steps.h"
#include "numtext/numtext.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

using namespace app;
using namespace numtext;

namespace geometry {

namespace {
// The columns of the input rows (twips). Labels reach the right margin of the
// instruction line and the heading box.
constexpr int RightMargin = 4695;
constexpr int LabelX = 3240, CaptionDrop = 120, CaptionHeight = 255;
constexpr int BoxX = 1080, BoxWidth = 2055, RowHeight = 375;
constexpr int ClearX = 240, ClearWidth = 735;
void paintGreen(QWidget *w)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, QColor(0, 128, 0));
    w->setPalette(p);
}
} // namespace

FigureWindow::FigureWindow(const Section &section)
    : OptionWindow(section.name, QString::fromUtf8(section.caption), 4815, section.height), section_(section)
{
    new Banner(this, "Picture1", twips(120, 120, 4575, 1215), QString::fromUtf8(section.word));
    steps_ = offerSteps(this, {});
    offerPractice(this, QString::fromLatin1(section.practice));
    headList(headingLine(this, "Text1", {120, 1320, 4575, 375}, QStringLiteral("اختر من الخيارات التي بالأســفـل")));
    headingBox(section.headingTop);

    resultCaption_ = label(this, section.resultCaptionName, QString::fromUtf8(section.resultCaption),
                           {section.resultCaptionX, section.resultTop + CaptionDrop,
                            RightMargin - section.resultCaptionX, CaptionHeight});
    fitWidth(resultCaption_, resultCaption_->text(), resultCaption_->width());
    ClickLabel *Label7 = clickLabel(this, "Label7", QStringLiteral("؟"), {240, section.resultTop, 240, RowHeight},
                                    QString::fromUtf8(section.unitTip));
    QFont large = interfaceFont();
    large.setPointSizeF(13);
    large.setBold(true);
    Label7->setFont(large);
    Label7->setAlignment(Qt::AlignCenter);
    on(Label7, &ClickLabel::clicked, this, &FigureWindow::Label7_Click);

    Command1 = button(this, "Command1", QStringLiteral("خروج"), {240, section.frameTop, 1215, RowHeight});
    Command2 = button(this, "Command2", QStringLiteral("قوانين رياضية"),
                      {section.lawsX, section.frameTop, 1335, RowHeight});
    Command3 = button(this, "Command3", QStringLiteral("القائمة الرئيسية"), {3120, section.frameTop, 1455, RowHeight});
    joinFrame(Command1, Command3, Command2, section.lawsWindow);
}

void FigureWindow::buildRows(std::span<const Row> rows)
{
    for (const Row &r : rows) {
        const QString caption = QString::fromUtf8(r.caption);
        if (r.label) {
            // A label ends level with the bottom of its box.
            QLabel *l = label(this, r.label, caption,
                              {LabelX, r.top + section_.labelDrop, RightMargin - LabelX,
                               RowHeight - section_.labelDrop});
            fitWidth(l, caption, l->width());
            if (r.green)
                paintGreen(l);
            l->hide();
        }
        if (r.box) {
            edit(this, r.box, {BoxX, r.top, BoxWidth, RowHeight}, caption)->hide();
            QPushButton *clear = button(this, r.clear, QStringLiteral("مسح"), {ClearX, r.top, ClearWidth, RowHeight});
            clear->hide();
            onClick(clear, r.cleared);
        }
    }
}

QLineEdit *FigureWindow::resultBox(const char *name)
{
    QLineEdit *box = readOnlyEdit(this, name, {480, section_.resultTop, section_.resultWidth, RowHeight},
                                  QString::fromUtf8(section_.resultCaption));
    steps_->offerOn(box);
    return box;
}

void FigureWindow::orderTabs(const std::vector<QWidget *> &middle)
{
    OptionWindow::orderTabs({}, middle, {Command3, Command2, Command1});
    options().front()->setFocus();
}

void FigureWindow::Label7_Click()
{
    notice(QString::fromUtf8(section_.unitText), style::RightAlign, QString::fromUtf8(section_.unitTitle));
}

void FigureWindow::Option1_Click() { notAvailable(); }

bool FigureWindow::notNegative(std::initializer_list<double> lengths, numtext::Steps &s) const
{
    if (std::none_of(lengths.begin(), lengths.end(), [](double length) { return length < 0; }))
        return true;
    cannotExist(Refusal::NegativeLength, QStringLiteral("الطول لا يكون سالبا .. اكتب عددا موجبا"), s);
    return false;
}

void FigureWindow::cannotExist(Refusal why, const QString &text, numtext::Steps &s) const
{
    notice(text, style::RightAlign, QStringLiteral("خطأ رياضي"));
    s.refuse(why, text);
}

void SharedRowsWindow::build(std::span<const Row> rows, std::span<const Choice> figures, Tw calculateAt)
{
    buildRows(rows);
    std::vector<QPushButton *> clears;
    for (const Row &r : rows) {
        if (r.box) {
            boxes_.push_back(named<QLineEdit>(r.box));
            // Named by its place until a figure gives the row its caption.
            boxes_.back()->setAccessibleName(QStringLiteral("الخانة %1").arg(boxes_.size()));
            clears.push_back(named<QPushButton>(r.clear));
        }
    }
    setSharedRows(boxes_, clears);
    buildChoices(figures, calculateAt);
    result_ = resultBox("Te5");

    std::vector<QWidget *> tabs;
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        tabs.insert(tabs.end(), {boxes_[i], clears[i]});
    for (const Choice &f : figures) {
        if (f.action.name)
            tabs.push_back(named(f.action.name));
    }
    tabs.push_back(result_);
    orderTabs(tabs);
}

QString SharedRowsWindow::row(int n) const { return boxes_[std::size_t(n - 1)]->text(); }

std::vector<numtext::Typed> SharedRowsWindow::lengths(int rows) const
{
    std::vector<numtext::Typed> values;
    values.reserve(static_cast<std::size_t>(std::max(rows, 0)));
    for (int i = 0; i < rows; ++i)
        values.push_back(numtext::leadingTyped(boxes_[std::size_t(i)]->text()));
    return values;
}

bool SharedRowsWindow::filled(std::span<const QString> notices, std::uint32_t style) const
{
    for (std::size_t i = 0; i < notices.size(); ++i) {
        if (isEmpty(boxes_[i]->text())) {
            emptyFieldNotice(notices[i], style);
            steps()->refuse(numtext::Refusal::EmptyBox, notices[i]);
            return false;
        }
    }
    return true;
}

void SharedRowsWindow::calculate(const std::function<std::optional<double>(numtext::Steps &)> &calculation)
{
    steps()->record([&](numtext::Steps &s) {
        if (const std::optional<double> value = calculation(s)) {
            result_->setText(format(*value));
            announce(this, spokenResult(result_));
        }
    });
}

void SharedRowsWindow::clearRow(int n) { boxes_[std::size_t(n - 1)]->clear(); }

} // namespace geometry
