#include "kit/stepswindow.h"

#include "kit/dispatch.h"
#include "kit/speech.h"
#include "typeset/markup.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

using numtext::DigitShape;

namespace reference {

namespace {

constexpr qreal LinePx = 18;   // the size of the steps' text
constexpr qreal Margin = 14;   // around the lines
constexpr qreal LineGap = 0.5; // between lines, in ems
const QColor FailureColour(QStringLiteral("darkred"));
const QColor NoStepsColour(QStringLiteral("dimgray"));

constexpr char16_t RightToLeftMark = u'\u200F';

bool isSuperscriptable(const QString &s)
{
    return !s.isEmpty() && std::all_of(s.begin(), s.end(), [](QChar c) {
        return c.isDigit() || c == u'-' || c == u'+' || c == QChar(u'\u2212') || c.category() == QChar::Other_Format;
    });
}

QString superscript(const QString &s)
{
    static const char16_t digits[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    QString out;
    for (QChar c : s) {
        if (c.isDigit())
            out += QChar(digits[c.digitValue()]);
        else if (c == u'+')
            out += QChar(u'⁺');
        else if (c == u'-' || c == QChar(u'\u2212'))
            out += QChar(u'⁻');
    }
    return out;
}

QString plainRow(const markup::Row &row);

// A side of a fraction keeps its brackets when it is more than one word; a
// signed denominator too ("÷ (−2)").
QString fractionSide(const markup::Row &row, bool denominator)
{
    const QString s = plainRow(row).trimmed();
    qsizetype first = 0;
    while (first < s.size() && s[first].category() == QChar::Other_Format)
        ++first;
    const bool signedNumber = denominator && first < s.size() && (s[first] == u'-' || s[first] == QChar(u'\u2212'));
    return s.contains(u' ') || signedNumber ? u'(' + s + u')' : s;
}

QString plainNode(const markup::Node &n)
{
    using markup::Node;
    switch (n.kind) {
    case Node::Text:
        return n.text;
    case Node::Group:
        // A run of mathematics stays whole where the text is pasted.
        if (n.leftToRight)
            return QChar(u'\u2066') + plainRow(n.children) + QChar(u'\u2069');
        return plainRow(n.children);
    case Node::Raised: {
        const QString raised = plainRow(n.children);
        return isSuperscriptable(raised) ? superscript(raised) : QStringLiteral("^(%1)").arg(raised);
    }
    case Node::Fraction:
        return fractionSide(n.children[0].children, false) + QStringLiteral(" ÷ ")
               + fractionSide(n.children[1].children, true);
    case Node::Root:
        return QStringLiteral("√(%1)").arg(plainRow(n.children));
    }
    return QString();
}

QString plainRow(const markup::Row &row)
{
    QString s;
    for (const markup::Node &n : row)
        s += plainNode(n);
    return s;
}

QString spokenRow(const markup::Row &row);

QString spokenNode(const markup::Node &n)
{
    using markup::Node;
    switch (n.kind) {
    case Node::Text:
        return n.text;
    case Node::Group:
        return spokenRow(n.children);
    case Node::Raised: {
        const QString raised = spokenRow(n.children).trimmed();
        if (raised == QLatin1String("2") || raised == QStringLiteral("٢"))
            return QStringLiteral(" تربيع ");
        return QStringLiteral(" أس ") + raised + u' ';
    }
    case Node::Fraction:
        return u' ' + spokenRow(n.children[0].children) + QStringLiteral(" على ") + spokenRow(n.children[1].children)
               + u' ';
    case Node::Root:
        return QStringLiteral(" الجذر التربيعي ل") + spokenRow(n.children).trimmed() + u' ';
    }
    return QString();
}

QString spokenRow(const markup::Row &row)
{
    QString s;
    for (const markup::Node &n : row)
        s += spokenNode(n);
    return s;
}

} // namespace

QString spokenStepLine(const QString &markup, DigitShape shape)
{
    return app::spokenText(spokenRow(markup::read(numtext::shapeDigits(markup, shape))));
}

QString noStepsText() { return QStringLiteral("لم يُجرَ أي حساب بعد في هذه النافذة"); }

QString plainStepLine(const QString &markup, DigitShape shape)
{
    return plainRow(markup::read(numtext::shapeDigits(markup, shape)));
}

QString stepsText(const numtext::Steps &steps, DigitShape shape)
{
    QStringList lines;
    if (steps.isEmpty())
        lines << noStepsText();
    for (const QString &line : steps.refusal())
        lines << plainStepLine(line, shape);
    for (const QString &line : steps.lines())
        lines << plainStepLine(line, shape);
    if (steps.failed())
        lines << plainStepLine(steps.failure(), shape);
    for (QString &line : lines)
        line.prepend(QChar(RightToLeftMark));
    return lines.join(u'\n');
}

// ---------------------------------------------------------------------------

StepsView::StepsView(QWidget *parent) : QWidget(parent)
{
    // A screen reader walks the steps line by line.
    app::setSpokenLines(this, {});
    setObjectName(QStringLiteral("StepsView"));
    setAccessibleName(QStringLiteral("خطوات الحل"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    connect(&numtext::DigitChoice::instance(), &numtext::DigitChoice::changed, this, &StepsView::refresh);
    refresh();
}

void StepsView::setSteps(const numtext::Steps &steps)
{
    steps_ = steps;
    refresh();
}

// The text now, the layouts when they are next needed: steps that arrive
// while the window is hidden cost no typesetting.
void StepsView::refresh()
{
    plainText_ = stepsText(steps_, numtext::digitShape());
    QStringList heard;
    if (steps_.isEmpty())
        heard << noStepsText();
    for (const QString &line : steps_.lines())
        heard << spokenStepLine(line, numtext::digitShape());
    if (steps_.failed())
        heard << spokenStepLine(steps_.failure(), numtext::digitShape());
    for (const QString &line : steps_.refusal())
        heard << spokenStepLine(line, numtext::digitShape());
    app::setSpokenLines(this, heard);
    natural_ = Lines();
    fitted_ = Lines();
    updateGeometry();
    update();
    emit textChanged();
}

const StepsView::Lines &StepsView::linesFor(qreal room) const
{
    const bool natural = room < 0;
    Lines &lines = natural ? natural_ : fitted_;
    if (lines.room == room && (!lines.layouts.empty()))
        return lines;
    lines = Lines();
    lines.room = room;
    const QFont font = formulaFont(LinePx);
    auto add = [&](const QString &markup, const QFont &f, const QColor &colour) {
        const QString shaped = numtext::shownDigits(markup);
        if (natural || FormulaLayout(shaped, f).width() <= room) {
            lines.layouts.emplace_back(shaped, f, colour);
            lines.continued.push_back(false);
            return;
        }
        const QStringList parts = brokenMarkup(shaped, f, room - LinePx);
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const qreal width = i == 0 ? room : room - LinePx;
            lines.layouts.push_back(FormulaLayout::fitted(parts[i], f, width, 8, colour));
            lines.continued.push_back(i > 0);
        }
    };
    const QStringList &refusal = steps_.refusal();
    for (qsizetype i = 0; i < refusal.size(); ++i)
        add(refusal[i], font, i == 0 ? FailureColour : NoStepsColour);
    for (const QString &line : steps_.lines())
        add(line, font, Qt::black);
    if (steps_.failed())
        add(steps_.failure(), font, FailureColour);
    if (steps_.isEmpty())
        add(noStepsText(), formulaFont(LinePx - 2), NoStepsColour);
    return lines;
}

const std::vector<FormulaLayout> &StepsView::layouts() const { return linesFor(width() - 2 * Margin).layouts; }

QList<QPointF> StepsView::origins() const
{
    QList<QPointF> at;
    const Lines &lines = linesFor(width() - 2 * Margin);
    qreal y = Margin;
    for (std::size_t i = 0; i < lines.layouts.size(); ++i) {
        const FormulaLayout &f = lines.layouts[i];
        const qreal inset = lines.continued[i] ? LinePx : 0;
        const qreal x = steps_.isEmpty() ? (width() - f.width()) / 2 : width() - Margin - inset - f.width();
        at.append(QPointF(x, y + f.ascent()));
        y += f.ascent() + f.descent() + LinePx * LineGap;
    }
    return at;
}

QSize StepsView::sizeOf(const Lines &lines)
{
    qreal w = 0, h = 2 * Margin;
    for (std::size_t i = 0; i < lines.layouts.size(); ++i) {
        const FormulaLayout &f = lines.layouts[i];
        w = std::max(w, f.width() + (lines.continued[i] ? LinePx : 0));
        h += f.ascent() + f.descent();
    }
    if (lines.layouts.size() > 1)
        h += static_cast<qreal>(lines.layouts.size() - 1) * LinePx * LineGap;
    return QSize(qCeil(w + 2 * Margin), qCeil(h));
}

QSize StepsView::sizeHint() const { return sizeOf(linesFor(-1)); }

// Any width: the lines break to fit it.
QSize StepsView::minimumSizeHint() const { return QSize(qCeil(8 * LinePx), qCeil(2 * Margin + LinePx)); }

int StepsView::heightForWidth(int width) const { return sizeOf(linesFor(width - 2 * Margin)).height(); }

void StepsView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    update();
}

void StepsView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const auto &lines = layouts();
    const QList<QPointF> at = origins();
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i].paint(p, at[qsizetype(i)]);
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight));
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void StepsView::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier && app::moveAlongLines(this, event->key())) {
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// ---------------------------------------------------------------------------

namespace {
constexpr int FigureHeight = 230; // the figure's part of the window, in pixels
} // namespace

FigureView::FigureView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("FigureView"));
    setAccessibleName(QStringLiteral("الشكل"));
    setFocusPolicy(Qt::TabFocus);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setFixedHeight(FigureHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(&numtext::DigitChoice::instance(), &numtext::DigitChoice::changed, this, [this] {
        describe();
        update();
    });
}

void FigureView::setFigure(const numtext::Figure &figure)
{
    figure_ = figure;
    laidFor_ = QSizeF();
    describe();
    update();
}

const FigureLayout &FigureView::figureLayout() const
{
    const quint64 serial = numtext::DigitChoice::instance().serial() + 1;
    if (laidFor_ != QSizeF(size()) || laidInShape_ != serial) {
        layout_ = layOutFigure(QRectF(rect()).adjusted(6, 4, -6, -4), figure_, numtext::digitShape());
        laidFor_ = size();
        laidInShape_ = serial;
    }
    return layout_;
}

QSize FigureView::sizeHint() const { return QSize(360, FigureHeight); }

// The description does not depend on the size: it is made at any.
void FigureView::describe()
{
    const FigureLayout described = layOutFigure(QRectF(0, 0, 360, FigureHeight), figure_, numtext::digitShape());
    setAccessibleDescription(described.description());
}

void FigureView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintFigure(p, figureLayout());
    if (hasFocus()) {
        QPen pen(palette().color(QPalette::Highlight));
        pen.setStyle(Qt::DotLine);
        p.setPen(pen);
        p.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

// ---------------------------------------------------------------------------

namespace {
QPushButton *windowButton(QWidget *parent, const char *name, const QString &text, const QString &accessible)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(accessible);
    b->setAutoDefault(false);
    return b;
}

QRadioButton *digitOption(QWidget *parent, const char *name, const QString &text, const QString &accessible)
{
    auto *o = new QRadioButton(text, parent);
    o->setObjectName(QString::fromLatin1(name));
    o->setAccessibleName(accessible);
    return o;
}
} // namespace

StepsWindow::StepsWindow()
{
    setObjectName(QStringLiteral("StepsWindow"));
    setWindowTitle(QStringLiteral("خطوات الحل"));
    setLayoutDirection(Qt::RightToLeft);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);

    view_ = new StepsView;
    area_ = new QScrollArea(this);
    area_->setObjectName(QStringLiteral("StepsArea"));
    area_->setAccessibleName(QStringLiteral("منطقة خطوات الحل"));
    area_->setWidgetResizable(true);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setWidget(view_);
    area_->setBackgroundRole(QPalette::Base);

    // The figure of the problem, above the steps, when they have one.
    figurePart_ = new QWidget(this);
    figurePart_->setObjectName(QStringLiteral("FigurePart"));
    auto *figureHeading = new QLabel(QStringLiteral("الشكل"), figurePart_);
    figureHeading->setObjectName(QStringLiteral("FigureHeading"));
    QFont bold = figureHeading->font();
    bold.setBold(true);
    figureHeading->setFont(bold);
    figure_ = new FigureView(figurePart_);
    auto *figureLayout = new QVBoxLayout(figurePart_);
    figureLayout->setContentsMargins(0, 0, 0, 0);
    figureLayout->setSpacing(2);
    figureLayout->addWidget(figureHeading);
    figureLayout->addWidget(figure_);
    figurePart_->setVisible(false);

    auto *digitsLabel = new QLabel(QStringLiteral("الأرقام:"), this);
    digitsLabel->setObjectName(QStringLiteral("DigitsLabel"));
    digitsLabel->setAccessibleName(QStringLiteral("شكل الأرقام"));
    arabicDigits_ = digitOption(this, "ArabicDigits", QStringLiteral("١٢٣"), QStringLiteral("الأرقام المشرقية ١٢٣"));
    westernDigits_ = digitOption(this, "WesternDigits", QStringLiteral("123"), QStringLiteral("الأرقام الغربية 123"));
    auto *digits = new QButtonGroup(this);
    digits->addButton(arabicDigits_);
    digits->addButton(westernDigits_);
    app::setListHeading(digits->buttons(), digitsLabel);
    copyButton_ = windowButton(this, "CopyButton", QStringLiteral("نسخ"), QStringLiteral("نسخ الخطوات"));
    copyButton_->setToolTip(QStringLiteral("ينسخ الخطوات نصا يلصق في أي مستند"));
    closeButton_ = windowButton(this, "CloseButton", QStringLiteral("إغلاق"), QStringLiteral("إغلاق"));

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(digitsLabel);
    bottom->addWidget(arabicDigits_);
    bottom->addWidget(westernDigits_);
    bottom->addStretch(1);
    bottom->addWidget(copyButton_);
    bottom->addWidget(closeButton_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(figurePart_);
    layout->addWidget(area_, 1);
    layout->addLayout(bottom);

    setTabOrder(figure_, view_);
    setTabOrder(view_, arabicDigits_);
    setTabOrder(arabicDigits_, westernDigits_);
    setTabOrder(westernDigits_, copyButton_);
    setTabOrder(copyButton_, closeButton_);

    app::on(copyButton_, &QPushButton::clicked, this, &StepsWindow::CopyButton_Click);
    app::on(closeButton_, &QPushButton::clicked, this, &StepsWindow::CloseButton_Click);
    // Toggled, not clicked: a screen reader's Toggle action toggles the
    // option without clicking it.
    connect(arabicDigits_, &QRadioButton::toggled, this,
            [this](bool checked) { app::run([&] { ArabicDigits_Toggled(checked); }); });
    connect(westernDigits_, &QRadioButton::toggled, this,
            [this](bool checked) { app::run([&] { WesternDigits_Toggled(checked); }); });
    connect(&numtext::DigitChoice::instance(), &numtext::DigitChoice::changed, this, &StepsWindow::markShape);
    markShape();
    // The window itself describes its steps to a screen reader, as the view
    // inside it does.
    // (As heard: the written signs are read badly, or in another language.)
    const auto describe = [this] { setAccessibleDescription(app::spokenLines(view_).join(u'\n')); };
    connect(view_, &StepsView::textChanged, this, describe);
    describe();
    view_->setFocus();
}

void StepsWindow::setSteps(const numtext::Steps &steps)
{
    view_->setSteps(steps);
    figure_->setFigure(steps.figure());
    figurePart_->setVisible(!steps.figure().isEmpty());
}

void StepsWindow::fitToSteps()
{
    if (sizedByPupil_)
        return;
    const QSize content = view_->sizeHint();
    const int frame = 2 * area_->frameWidth() + area_->verticalScrollBar()->sizeHint().width();
    const int width = std::clamp(content.width() + frame + 24, 380, 760);
    // The lines break where the width is too small for them.
    const int height = view_->heightForWidth(width - frame - 24);
    // The figure's part above the steps adds its own height, within a
    // height that a screen of 768 pixels still shows whole.
    const int figure = figurePart_->isVisibleTo(this) ? figurePart_->sizeHint().height() + 6 : 0;
    const QSize size(width, std::clamp(height + frame + 70 + figure, 220 + figure, figure > 0 ? 680 : 560));
    fitted_ = size.expandedTo(minimumSizeHint());
    resize(fitted_);
}

void StepsWindow::resizeEvent(QResizeEvent *event)
{
    if (isVisible() && event->size() != fitted_)
        sizedByPupil_ = true;
    QWidget::resizeEvent(event);
}

void StepsWindow::markShape()
{
    const bool arabic = numtext::digitShape() == DigitShape::ArabicIndic;
    arabicDigits_->setChecked(arabic);
    westernDigits_->setChecked(!arabic);
}

void StepsWindow::CopyButton_Click() { QGuiApplication::clipboard()->setText(view_->plainText()); }

void StepsWindow::CloseButton_Click() { close(); }

void StepsWindow::ArabicDigits_Toggled(bool checked)
{
    if (checked)
        numtext::setDigitShape(DigitShape::ArabicIndic);
}

void StepsWindow::WesternDigits_Toggled(bool checked)
{
    if (checked)
        numtext::setDigitShape(DigitShape::Western);
}

void StepsWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace reference
