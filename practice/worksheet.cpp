#include "practice/worksheet.h"

#include "numtext/digits.h"
#include "practice/solutions.h"
#include "typeset/figures.h"
#include "typeset/typeset.h"

#include <QFile>
#include <QFileInfo>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace practice {

QList<Exercise> worksheetExercises(const WorksheetOptions &options)
{
    QList<Exercise> sheet;
    const qsizetype n = options.sections.size();
    if (n == 0 || options.count < 1)
        return sheet;
    // Each section walks its own exercises in order, skipping kinds not
    // chosen; a section that sets none of the chosen kinds drops out.
    std::vector<int> next(static_cast<std::size_t>(n), 0);
    std::vector<bool> sets(static_cast<std::size_t>(n), true);
    for (qsizetype s = 0; s < n; ++s) {
        const QStringList own = kinds(options.sections[s]);
        sets[static_cast<std::size_t>(s)] = options.kinds.isEmpty()
                                            || std::any_of(own.cbegin(), own.cend(),
                                                           [&](const QString &k) { return options.kinds.contains(k); });
    }
    if (std::none_of(sets.cbegin(), sets.cend(), [](bool b) { return b; }))
        return sheet;
    for (qsizetype turn = 0; sheet.size() < options.count; ++turn) {
        const auto s = static_cast<std::size_t>(turn % n);
        if (!sets[s])
            continue;
        for (;;) {
            Exercise e = makeExercise(options.sections[static_cast<qsizetype>(s)], options.level, options.seed,
                                      next[s]++, options.pi);
            if (options.kinds.isEmpty() || options.kinds.contains(e.kind)) {
                sheet.append(std::move(e));
                break;
            }
        }
    }
    return sheet;
}

namespace {

// The pages are laid out in points: the device is asked for 72 dots per
// inch where it can be, and scaled to it where it cannot.
constexpr qreal Margin = 42;     // about 15 mm
constexpr qreal Gap = 10;        // between blocks
constexpr qreal FooterRoom = 24; // the page number under the text
constexpr qreal FigureWidth = 220, FigureHeight = 150;

QFont textFont(qreal size, bool bold = false) { return reference::formulaFont(size, bold); }

// Whether an Arabic letter joins the letter after it (so that a lam after it
// takes its medial or final form).
bool joinsForward(QChar c)
{
    const char16_t u = c.unicode();
    if (u == 0x0640) // the tatweel
        return true;
    if (u < 0x0626 || u > 0x064A)
        return false;
    switch (u) {
    case 0x0627:
    case 0x0629:
    case 0x062F:
    case 0x0630:
    case 0x0631:
    case 0x0632:
    case 0x0648:
        return false;
    default:
        return true;
    }
}

// The text as it is set in the PDF, where it must read back when selected
// or searched. A lam before an alef is drawn as one glyph, their ligature,
// which the PDF cannot map back to its two letters: they are lost to a
// search. Written as the presentation form of the ligature, the same glyph
// carries its letters. A presentation form joins nothing before it: after a
// letter that joins forward, a zero-width joiner keeps that letter's form.
QString searchable(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.unicode() == 0x0644 && i + 1 < text.size()) {
            qsizetype before = i - 1;
            while (before >= 0 && (text[before].unicode() >= 0x064B && text[before].unicode() <= 0x0652))
                --before;
            const bool joined = before >= 0 && joinsForward(text[before]);
            char16_t ligature = 0;
            switch (text[i + 1].unicode()) {
            case 0x0622:
                ligature = 0xFEF5;
                break;
            case 0x0623:
                ligature = 0xFEF7;
                break;
            case 0x0625:
                ligature = 0xFEF9;
                break;
            case 0x0627:
                ligature = 0xFEFB;
                break;
            default:
                break;
            }
            if (ligature) {
                // The final form follows a zero-width joiner, which keeps
                // the letter before it joined as it was.
                if (joined)
                    out += QChar(0x200D);
                out += QChar(joined ? ligature + 1 : ligature);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

// A paragraph of text, right to left, broken into lines within a width.
class Paragraph {
public:
    Paragraph(const QString &text, const QFont &font, qreal width, Qt::Alignment align = Qt::AlignRight)
        : layout_(std::make_unique<QTextLayout>(searchable(text), font))
    {
        QTextOption option(align);
        option.setTextDirection(Qt::RightToLeft);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout_->setTextOption(option);
        layout_->beginLayout();
        qreal y = 0;
        for (QTextLine line = layout_->createLine(); line.isValid(); line = layout_->createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, y));
            y += line.height();
        }
        layout_->endLayout();
        height_ = y;
    }
    qreal height() const { return height_; }
    void draw(QPainter &painter, QPointF topLeft) const { layout_->draw(&painter, topLeft); }

private:
    std::unique_ptr<QTextLayout> layout_;
    qreal height_ = 0;
};

// A block of the page: its height, and how it paints itself with its top
// left corner at a point, the width of the text given.
struct Block {
    qreal height = 0;
    std::function<void(QPainter &, QPointF)> paint;
    bool newPage = false; // starts a page of its own (the key)
};

class Sheet {
public:
    Sheet(const WorksheetOptions &options, QSizeF page)
        : o_(options), page_(page), width_(page.width() - 2 * Margin), exercises_(worksheetExercises(options))
    {
    }

    std::vector<Block> blocks() const
    {
        std::vector<Block> all;
        all.push_back(head());
        for (int i = 0; i < exercises_.size(); ++i)
            all.push_back(exercise(i));
        if (o_.key) {
            Block heading = keyHead();
            heading.newPage = true;
            all.push_back(std::move(heading));
            for (int i = 0; i < exercises_.size(); ++i)
                all.push_back(keyEntry(i));
        }
        return all;
    }

    QString shaped(const QString &text) const { return numtext::shapeDigits(text, o_.digits); }
    QString number(int n) const { return shaped(QString::number(n)); }

    // The page number and the sheet's title at the foot of a page.
    void footer(QPainter &p, int page, int pages) const
    {
        const Paragraph foot(shaped(QStringLiteral("%1 — صفحة %2 من %3").arg(o_.title).arg(page).arg(pages)),
                             textFont(9), width_, Qt::AlignHCenter);
        p.setPen(Qt::darkGray);
        foot.draw(p, QPointF(Margin, page_.height() - Margin + 6));
        p.setPen(Qt::black);
    }

private:
    Block head() const
    {
        auto title = std::make_shared<Paragraph>(o_.title, textFont(20, true), width_, Qt::AlignHCenter);
        auto school = std::make_shared<Paragraph>(o_.school, textFont(12), width_, Qt::AlignHCenter);
        const qreal fieldHeight = 28;
        const qreal fieldsTop = title->height() + (o_.school.isEmpty() ? 0 : school->height()) + 10;
        Block b;
        b.height = fieldsTop + 2 * fieldHeight + 8 + Gap;
        const int count = static_cast<int>(exercises_.size());
        b.paint = [this, title, school, fieldHeight, fieldsTop, count](QPainter &p, QPointF at) {
            title->draw(p, at);
            if (!o_.school.isEmpty())
                school->draw(p, at + QPointF(0, title->height()));
            // Two rows of boxes: the name and the class, the date and the score.
            const qreal wide = width_ * 0.6, narrow = width_ - wide - 8;
            const auto field = [&](qreal x, qreal y, qreal w, const QString &label, const QString &value) {
                const QRectF box(at.x() + x, at.y() + y, w, fieldHeight);
                p.setPen(QPen(Qt::black, 0.8));
                p.drawRect(box);
                const Paragraph text(label + QLatin1Char(' ') + value, textFont(12), w - 12);
                text.draw(p, box.topLeft() + QPointF(6, (fieldHeight - text.height()) / 2));
            };
            const qreal y1 = fieldsTop, y2 = fieldsTop + fieldHeight + 8;
            field(narrow + 8, y1, wide, QStringLiteral("الاسم:"), QString());
            field(0, y1, narrow, QStringLiteral("الصف:"), o_.className);
            field(narrow + 8, y2, wide, QStringLiteral("التاريخ:"), shaped(o_.date));
            field(0, y2, narrow, QStringLiteral("الدرجة:"), QStringLiteral("……… من %1").arg(number(count)));
        };
        return b;
    }

    // The room left to work an exercise out.
    static qreal workRoom(const Exercise &e)
    {
        if (e.words)
            return 0;
        if (e.section == u"equation")
            return 110;
        if (e.section == u"fractions" || e.section == u"areas" || e.section == u"volumes")
            return 80;
        return 60;
    }

    Block exercise(int i) const
    {
        const Exercise &e = exercises_[i];
        QString text = number(i + 1) + QStringLiteral(". ") + shaped(e.question);
        auto question = std::make_shared<Paragraph>(text, textFont(13), width_);
        std::shared_ptr<Paragraph> choice;
        if (e.words) {
            const QString choices = e.kind == u"parity" ? QStringLiteral("زوجي      فردي")
                                                        : QStringLiteral("أولي      غير أولي");
            choice = std::make_shared<Paragraph>(QStringLiteral("ضع دائرة حول الإجابة:      ") + choices, textFont(12),
                                                 width_ - 20);
        }
        // The figure of a shape, its given lengths labelled, at the left of
        // the room to work; a figure that shows the result stays for the key.
        auto figure = std::make_shared<numtext::Figure>();
        if (o_.figures) {
            if (const numtext::Figure f = solution(e).figure(); !f.showsResult())
                *figure = f;
        }
        const qreal room = figure->isEmpty() ? workRoom(e) : std::max(workRoom(e), FigureHeight);
        Block b;
        b.height = question->height() + (choice ? choice->height() + 4 : 0) + (room > 0 ? room + 4 : 0) + Gap;
        b.paint = [this, question, choice, room, figure](QPainter &p, QPointF at) {
            question->draw(p, at);
            qreal y = question->height() + 4;
            if (choice) {
                choice->draw(p, at + QPointF(0, y));
                y += choice->height();
            }
            if (room > 0) {
                p.setPen(QPen(QColor(160, 160, 160), 0.6, Qt::DashLine));
                p.drawRect(QRectF(at.x() + 20, at.y() + y, width_ - 20, room));
                p.setPen(Qt::black);
            }
            if (!figure->isEmpty())
                paintFigureIn(p, QRectF(at.x() + 24, at.y() + y + 4, FigureWidth, room - 8), *figure);
        };
        return b;
    }

    Block keyHead() const
    {
        auto heading = std::make_shared<Paragraph>(QStringLiteral("مفتاح الإجابات: ") + o_.title, textFont(18, true),
                                                   width_, Qt::AlignHCenter);
        Block b;
        b.height = heading->height() + Gap;
        b.paint = [heading](QPainter &p, QPointF at) { heading->draw(p, at); };
        return b;
    }

    Block keyEntry(int i) const
    {
        const Exercise &e = exercises_[i];
        auto answer = std::make_shared<Paragraph>(number(i + 1) + QStringLiteral(". الإجابة: ") + shaped(e.answer),
                                                  textFont(13, true), width_);
        auto lines = std::make_shared<std::vector<reference::FormulaLayout>>();
        const numtext::Steps steps = solution(e);
        auto figure = std::make_shared<numtext::Figure>(o_.figures ? steps.figure() : numtext::Figure());
        for (const QString &line : steps.lines())
            lines->push_back(reference::FormulaLayout::fitted(searchable(shaped(line)), textFont(12), width_ - 20));
        qreal stepsHeight = 0;
        for (const auto &l : *lines)
            stepsHeight += l.ascent() + l.descent() + 4;
        const qreal figureRoom = figure->isEmpty() ? 0 : FigureHeight + 4;
        Block b;
        b.height = answer->height() + 4 + figureRoom + stepsHeight + Gap;
        b.paint = [this, answer, lines, figure, figureRoom](QPainter &p, QPointF at) {
            answer->draw(p, at);
            qreal y = at.y() + answer->height() + 4;
            if (!figure->isEmpty())
                paintFigureIn(p, QRectF(at.x() + width_ - 20 - FigureWidth, y, FigureWidth, FigureHeight), *figure);
            y += figureRoom;
            for (const auto &l : *lines) {
                y += l.ascent();
                l.paint(p, QPointF(at.x() + width_ - 20 - l.width(), y));
                y += l.descent() + 4;
            }
        };
        return b;
    }

    void paintFigureIn(QPainter &p, const QRectF &area, const numtext::Figure &figure) const
    {
        p.save();
        reference::paintFigure(p, area, figure, o_.digits);
        p.restore();
    }

    const WorksheetOptions &o_;
    QSizeF page_;
    qreal width_;
    QList<Exercise> exercises_;
};

// Which page each block stands on, and where: a block never splits; one
// taller than a page has a page of its own.
struct Placed {
    int page = 0;
    qreal y = 0;
};

std::vector<Placed> place(const std::vector<Block> &blocks, qreal pageHeight)
{
    std::vector<Placed> placed;
    const qreal top = Margin, bottom = pageHeight - Margin - FooterRoom;
    int page = 0;
    qreal y = top;
    for (const Block &b : blocks) {
        if ((b.newPage && y > top) || (y + b.height > bottom && y > top)) {
            ++page;
            y = top;
        }
        placed.push_back({page, y});
        y += b.height;
    }
    return placed;
}

} // namespace

void paintWorksheet(QPagedPaintDevice &device, const WorksheetOptions &options)
{
    device.setPageSize(QPageSize(options.paper));
    device.setPageMargins(QMarginsF(0, 0, 0, 0));
    const QSizeF page = QPageSize(options.paper).size(QPageSize::Point);
    QPainter painter(&device);
    if (!painter.isActive())
        return;
    // Points, whatever the device's resolution.
    const qreal scale = device.logicalDpiX() / 72.0;
    painter.scale(scale, scale);
    painter.setLayoutDirection(Qt::RightToLeft);
    painter.setRenderHint(QPainter::Antialiasing);

    const Sheet sheet(options, page);
    const std::vector<Block> blocks = sheet.blocks();
    const std::vector<Placed> placed = place(blocks, page.height());
    const int pages = placed.empty() ? 1 : placed.back().page + 1;
    int current = 0;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        while (current < placed[i].page) {
            sheet.footer(painter, current + 1, pages);
            device.newPage();
            ++current;
        }
        blocks[i].paint(painter, QPointF(Margin, placed[i].y));
    }
    sheet.footer(painter, current + 1, pages);
}

bool writeWorksheetPdf(const WorksheetOptions &options, const QString &fileName, QString *error)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    {
        QPdfWriter pdf(&file);
        pdf.setResolution(72);
        pdf.setTitle(options.title);
        pdf.setCreator(QStringLiteral("Nabrosa"));
        paintWorksheet(pdf, options);
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace practice
