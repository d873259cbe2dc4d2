#include "kit/steps.h"

#include "kit/dispatch.h"
#include "kit/stepswindow.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace app {

StepsSource::StepsSource(QWidget *window) : QObject(window)
{
    setObjectName(QStringLiteral("StepsSource"));
    // A window hidden rather than closed (the calculator's way back) hides
    // its steps window too.
    window->installEventFilter(this);
}

StepsSource::~StepsSource() { delete stepsWindow_; }

QWidget *StepsSource::window() const { return static_cast<QWidget *>(parent()); }

reference::StepsWindow *StepsSource::stepsWindow() const { return stepsWindow_; }

void StepsSource::publish(numtext::Steps steps)
{
    if (steps.isEmpty())
        return;
    last_ = std::move(steps);
    if (stepsWindow_)
        stepsWindow_->setSteps(last_);
    emit changed();
}

void StepsSource::refuse(numtext::Refusal kind, const QString &noticeText)
{
    numtext::Steps steps;
    steps.refuse(kind, noticeText);
    publish(std::move(steps));
}

void StepsSource::open()
{
    if (!stepsWindow_) {
        stepsWindow_ = new reference::StepsWindow;
        stepsWindow_->setSteps(last_);
    }
    if (!stepsWindow_->isVisible()) {
        stepsWindow_->fitToSteps();
        stepsWindow_->move(besideWindow(window(), stepsWindow_));
    }
    stepsWindow_->showNormal();
    stepsWindow_->raise();
    stepsWindow_->activateWindow();
}

void StepsSource::Form_F2() { open(); }
void StepsSource::StepsButton_Click() { open(); }
void StepsSource::ShowSteps_Click() { open(); }
void StepsSource::ResultBox_DblClick() { open(); }

void StepsSource::offerOn(QLineEdit *resultBox)
{
    resultBox->installEventFilter(this);
    resultBox->setToolTip(resultBox->toolTip().isEmpty() ? QStringLiteral("انقر مرتين لعرض خطوات الحل (F2)")
                                                         : resultBox->toolTip());
    // The hint as heard names the key in words.
    resultBox->setAccessibleDescription(QStringLiteral("لعرض خطوات الحل اضغط المفتاح إف اثنين، أو انقر مرتين"));
}

// The result box's own menu (copy, select all) with the steps below it; the
// steps window hidden with the section window.
bool StepsSource::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window()) {
        if (event->type() == QEvent::Hide && !event->spontaneous() && stepsWindow_)
            stepsWindow_->hide();
        return false;
    }
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (!box)
        return false;
    if (event->type() == QEvent::MouseButtonDblClick) {
        run([this] { ResultBox_DblClick(); });
        return true;
    }
    if (event->type() == QEvent::ContextMenu) {
        QMenu *menu = box->createStandardContextMenu();
        menu->setObjectName(QStringLiteral("StepsMenu"));
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addSeparator();
        QAction *show = menu->addAction(QStringLiteral("اعرض خطوات الحل"));
        show->setObjectName(QStringLiteral("ShowSteps"));
        show->setShortcut(QKeySequence(Qt::Key_F2));
        connect(show, &QAction::triggered, this, [this] { run([this] { ShowSteps_Click(); }); });
        menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return false;
}

QRect stepsButtonPlace(const QWidget *window)
{
    constexpr int Width = 90, Height = 20, Top = 67;
    return QRect((window->width() - Width) / 2, Top, Width, Height);
}

StepsSource *offerSteps(QWidget *window, std::initializer_list<QLineEdit *> resultBoxes, QRect controlAt)
{
    auto *source = new StepsSource(window);
    for (QLineEdit *box : resultBoxes)
        source->offerOn(box);

    auto *f2 = new QShortcut(QKeySequence(Qt::Key_F2), window);
    f2->setObjectName(QStringLiteral("StepsShortcut"));
    f2->setContext(Qt::WindowShortcut);
    on(f2, &QShortcut::activated, source, &StepsSource::Form_F2);

    auto *button = new QPushButton(QStringLiteral("خطوات الحل"), window);
    button->setObjectName(QStringLiteral("StepsButton"));
    button->setToolTip(QStringLiteral("اعرض خطوات الحل (F2)"));
    button->setAccessibleName(QStringLiteral("خطوات الحل"));
    button->setAccessibleDescription(QStringLiteral("يعرض خطوات آخر حساب في هذه النافذة، ومفتاحه إف اثنين"));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    QFont f = button->font();
    f.setPointSizeF(std::max<qreal>(7, f.pointSizeF() - 0.5));
    button->setFont(f);
    button->setGeometry(controlAt.isNull() ? stepsButtonPlace(window) : controlAt);
    button->raise();
    // A window already shown shows it at once.
    button->show();
    on(button, &QPushButton::clicked, source, &StepsSource::StepsButton_Click);
    return source;
}

StepsSource *stepsOf(const QWidget *window)
{
    return window ? window->findChild<StepsSource *>(QStringLiteral("StepsSource"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

QPoint besideWindow(const QWidget *own, const QWidget *beside)
{
    const QRect frame = own->frameGeometry();
    const int width = beside->frameGeometry().width(), height = beside->frameGeometry().height();
    const QRect screen = own->screen() ? own->screen()->availableGeometry() : QRect();
    const QPoint left(frame.left() - width - 8, frame.top());
    const QPoint right(frame.right() + 8, frame.top());
    auto fits = [&](QPoint at) { return at.x() >= screen.left() && at.x() + width <= screen.right() + 1; };
    auto taken = [&](QPoint at) {
        const QRect r(at, QSize(width, height));
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w != own && w != beside && w->isVisible() && w->frameGeometry().intersects(r))
                return true;
        }
        return false;
    };
    // The laws windows' rule: the left when there is room, else the right.
    const QPoint first = left.x() >= 0 ? left : right;
    const QPoint second = first == left ? right : left;
    if (taken(first) && fits(second) && !taken(second))
        return second;
    return first;
}

} // namespace app
