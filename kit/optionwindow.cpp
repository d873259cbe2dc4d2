#include "kit/optionwindow.h"

#include "kit/dispatch.h"
#include "kit/notice.h"
#include "kit/speech.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace app {

using namespace numtext;

namespace {
// A caption too long for its button is written smaller rather than cut off
// or pressed against the button's edges.
constexpr int ButtonMargin = 16;

void paintRed(QWidget *w) { textColour(w, QColor(200, 0, 0)); }

template <class Sender, class Signal> void join(Sender *sender, Signal signal, OptionWindow *window, Handler handler)
{
    if (handler)
        QObject::connect(sender, signal, window, [window, handler] { run([&] { handler(*window); }); });
}
} // namespace

QLineEdit *OptionWindow::headingBox(int top)
{
    heading_ = headingLine(this, "la22", {120, top, 4575, 375});
    return heading_;
}

void OptionWindow::buildChoices(std::span<const Choice> choices, Tw actionAt)
{
    if (!group_)
        group_ = new QButtonGroup(this);
    for (const Choice &c : choices) {
        Option *o = option(this, c.option.name, QString::fromUtf8(c.option.caption), c.option.at);
        // As wide as its circle and caption, from the right edge: a click
        // anywhere on the option chooses it.
        QRect r = o->geometry();
        r.setLeft(std::max(r.left(), r.right() + 1 - o->sizeHint().width()));
        o->setGeometry(r);
        group_->addButton(o);
        options_.push_back(o);
        join(o, &Option::chosen, this, c.chosen);
        if (!c.available) {
            paintRed(o);
            continue;
        }

        Panel panel{QString::fromUtf8(c.heading), o, nullptr, {}, {}};
        for (const Control &l : c.labels) {
            QLabel *own = label(this, l.name, QString::fromUtf8(l.caption), l.at);
            own->hide();
            panel.controls.push_back(own);
        }
        if (c.action.name) {
            const QString caption = QString::fromUtf8(c.action.caption);
            panel.action = button(this, c.action.name, caption, actionAt);
            fitWidth(panel.action, caption, panel.action->width() - ButtonMargin);
            panel.action->hide();
            join(panel.action, &QPushButton::clicked, this, c.action.clicked);
            panel.controls.push_back(panel.action);
        }
        for (const char *name : c.shows)
            panel.controls.push_back(namedWidget(name));
        for (const char *name : c.rowLabels) {
            panel.rowLabels.push_back(named<QLabel>(name));
            panel.controls.push_back(panel.rowLabels.back());
        }
        panels_.push_back(std::move(panel));
    }
    if (listHeading_)
        setListHeading(group_->buttons(), listHeading_);
}

void OptionWindow::headList(QWidget *heading)
{
    listHeading_ = heading;
    if (group_)
        setListHeading(group_->buttons(), heading);
}

void OptionWindow::setSharedPanel(std::initializer_list<QWidget *> controls)
{
    for (QWidget *w : controls) {
        w->hide();
        shared_.push_back(w);
    }
}

void OptionWindow::setSharedRows(std::vector<QLineEdit *> boxes, std::vector<QPushButton *> clears)
{
    rowBoxes_ = std::move(boxes);
    rowClears_ = std::move(clears);
    for (std::size_t i = 0; i < rowBoxes_.size(); ++i) {
        rowBoxes_[i]->hide();
        rowClears_[i]->hide();
    }
}

Option *OptionWindow::chosenOption() const { return shown_ < 0 ? nullptr : panels_[std::size_t(shown_)].option; }

void OptionWindow::showPanel(const char *option)
{
    const Panel &chosen = panelOf(option);
    shown_ = int(&chosen - panels_.data());
    setDefaultButton(chosen.action);
    for (QWidget *w : shared_)
        w->show();
    for (std::size_t i = 0; i < rowBoxes_.size(); ++i) {
        const bool used = i < chosen.rowLabels.size();
        rowBoxes_[i]->show();
        rowClears_[i]->show();
        rowBoxes_[i]->setEnabled(used);
        rowClears_[i]->setEnabled(used);
        // A screen reader names a row by the label beside it.
        rowBoxes_[i]->setAccessibleName(used ? chosen.rowLabels[i]->text() : QStringLiteral("الخانة %1").arg(i + 1));
    }
    for (const Panel &p : panels_) {
        for (QWidget *w : p.controls) {
            if (std::find(chosen.controls.begin(), chosen.controls.end(), w) == chosen.controls.end())
                w->hide();
        }
    }
    for (QWidget *w : chosen.controls)
        w->show();
    heading_->setText(chosen.heading);
    heading_->setCursorPosition(0);
}

void OptionWindow::notAvailable()
{
    if (Option *earlier = chosenOption()) {
        earlier->setMarked(true);
    } else {
        group_->setExclusive(false);
        for (Option *o : options_) {
            o->setMarked(false);
            // Tab enters the list at its first option again.
            o->setFocusPolicy(Qt::StrongFocus);
        }
        group_->setExclusive(true);
    }
    notice(QStringLiteral("هذه الخاصية غير متوفرة حاليا في هذا الإصدار") + crlf()
               + QStringLiteral("ربما يتم إضافتها في إصدار أحدث"),
           style::RightAlign, QStringLiteral("غير متوفر"));
}

void OptionWindow::orderTabs(std::initializer_list<QWidget *> first, const std::vector<QWidget *> &middle,
                             std::initializer_list<QWidget *> frame)
{
    std::vector<QWidget *> chain(first);
    chain.insert(chain.end(), options_.begin(), options_.end());
    chain.insert(chain.end(), middle.begin(), middle.end());
    chain.insert(chain.end(), frame);
    for (std::size_t i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void OptionWindow::onClick(QPushButton *button, const Handler &handler)
{
    join(button, &QPushButton::clicked, this, handler);
}

QWidget *OptionWindow::namedWidget(const char *name) const
{
    auto *w = findChild<QWidget *>(QString::fromLatin1(name), Qt::FindDirectChildrenOnly);
    if (!w)
        qFatal("%s has no control %s", qPrintable(objectName()), name);
    return w;
}

const OptionWindow::Panel &OptionWindow::panelOf(const char *option) const
{
    for (const Panel &p : panels_) {
        if (p.option->objectName() == QLatin1String(option))
            return p;
    }
    qFatal("%s has no option %s with a panel", qPrintable(objectName()), option);
}

} // namespace app
