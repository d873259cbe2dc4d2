#include "kit/practicedoor.h"

#include "kit/dispatch.h"
#include "kit/steps.h"

#include <QEvent>
#include <QPushButton>
#include <QShortcut>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace app {

namespace {
PracticeOpener opener = nullptr;
const QString ButtonText = QStringLiteral("تمرّن");
constexpr int Gap = 4;

QFont buttonFont(const QWidget *window)
{
    // The steps button's size.
    QFont f = window->font();
    f.setPointSizeF(std::max<qreal>(7, f.pointSizeF() - 0.5));
    return f;
}
} // namespace

void setPracticeOpener(PracticeOpener practice) { opener = practice; }

PracticeOpener practiceOpener() { return opener; }

PracticeDoor::PracticeDoor(QWidget *window, QString section) : QObject(window), section_(std::move(section))
{
    setObjectName(QStringLiteral("PracticeDoor"));
    window->installEventFilter(this);
}

PracticeDoor::~PracticeDoor() { delete practiceWindow_; }

QWidget *PracticeDoor::window() const { return static_cast<QWidget *>(parent()); }

void PracticeDoor::open()
{
    if (!practiceWindow_) {
        if (!opener)
            return;
        practiceWindow_ = opener(window(), section_);
        if (!practiceWindow_)
            return;
    }
    if (!practiceWindow_->isVisible())
        practiceWindow_->move(besideWindow(window(), practiceWindow_));
    practiceWindow_->showNormal();
    practiceWindow_->raise();
    practiceWindow_->activateWindow();
}

void PracticeDoor::Form_F3() { open(); }
void PracticeDoor::PracticeButton_Click() { open(); }

// A section window hidden rather than closed hides its practice window.
bool PracticeDoor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window() && event->type() == QEvent::Hide && !event->spontaneous() && practiceWindow_)
        practiceWindow_->hide();
    return false;
}

QRect practiceButtonPlace(const QWidget *window)
{
    const auto *steps = window->findChild<QWidget *>(QStringLiteral("StepsButton"), Qt::FindDirectChildrenOnly);
    const QRect beside = steps ? steps->geometry() : stepsButtonPlace(window);
    const int width = std::max(44, QFontMetrics(buttonFont(window)).horizontalAdvance(ButtonText) + 16);
    return QRect(beside.left() - Gap - width, beside.top(), width, beside.height());
}

PracticeDoor *offerPractice(QWidget *window, const QString &section)
{
    auto *door = new PracticeDoor(window, section);

    auto *f3 = new QShortcut(QKeySequence(Qt::Key_F3), window);
    f3->setObjectName(QStringLiteral("PracticeShortcut"));
    f3->setContext(Qt::WindowShortcut);
    on(f3, &QShortcut::activated, door, &PracticeDoor::Form_F3);

    auto *button = new QPushButton(ButtonText, window);
    button->setObjectName(QStringLiteral("PracticeButton"));
    button->setToolTip(QStringLiteral("تمارين على هذا القسم (F3)"));
    button->setAccessibleName(ButtonText);
    button->setAccessibleDescription(QStringLiteral("يفتح تمارين على هذا القسم، ومفتاحه إف ثلاثة"));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    button->setFont(buttonFont(window));
    button->setGeometry(practiceButtonPlace(window));
    button->raise();
    button->show();
    on(button, &QPushButton::clicked, door, &PracticeDoor::PracticeButton_Click);
    return door;
}

PracticeDoor *practiceOf(const QWidget *window)
{
    return window ? window->findChild<PracticeDoor *>(QStringLiteral("PracticeDoor"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

} // namespace app
