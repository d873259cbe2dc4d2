#include "kit/noticebox.h"

#include "kit/speech.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace app {

using namespace numtext;

NoticeBox::NoticeBox(const Notice &notice, QWidget *parent)
    : QMessageBox(parent), yesNo_((notice.style & style::ButtonMask) == style::YesNo)
{
    setObjectName(QStringLiteral("NoticeBox"));
    setWindowTitle(notice.title);
    QString text = notice.text;
    text.replace(crlf(), QStringLiteral("\n"));
    setText(text);
    setTextFormat(Qt::PlainText);
    setLayoutDirection(Qt::RightToLeft);
    switch (notice.style & style::IconMask) {
    case style::Question:
        setIcon(QMessageBox::Question);
        break;
    case style::Exclamation:
        setIcon(QMessageBox::Warning);
        break;
    case style::Information:
        setIcon(QMessageBox::Information);
        break;
    default:
        setIcon(QMessageBox::NoIcon);
    }
    if (yesNo_) {
        auto *yes = addButton(QStringLiteral("نعم"), QMessageBox::YesRole);
        auto *no = addButton(QStringLiteral("لا"), QMessageBox::NoRole);
        yes->setObjectName(QStringLiteral("Yes"));
        no->setObjectName(QStringLiteral("No"));
        setDefaultButton(yes);
        // The close box does not answer a Yes/No box; Escape answers No.
        setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) & ~Qt::WindowCloseButtonHint);
    } else {
        auto *ok = addButton(QStringLiteral("موافق"), QMessageBox::AcceptRole);
        ok->setObjectName(QStringLiteral("Ok"));
        setDefaultButton(ok);
        setEscapeButton(ok);
    }
    Qt::Alignment align = Qt::AlignAbsolute | Qt::AlignVCenter;
    align |= (notice.style & (style::RightAlign | style::RtlReading)) ? Qt::AlignRight : Qt::AlignLeft;
    if (QLabel *label = textLabel()) {
        label->setAlignment(align);
        label->setLayoutDirection((notice.style & style::RtlReading) || text.isRightToLeft() ? Qt::RightToLeft
                                                                                             : Qt::LeftToRight);
        // Heard without the stretching character.
        if (withoutStretching(text) != text)
            label->setAccessibleName(withoutStretching(text));
    }
}

void NoticeBox::showEvent(QShowEvent *event)
{
    // The box sizes itself to its text; it is never narrower than its title,
    // with room for the title bar's icon and close button.
    QMessageBox::showEvent(event);
    const QFontMetrics bar(QApplication::font("QWorkspaceTitleBar"));
    const int room = bar.horizontalAdvance(windowTitle()) + 6 * bar.height() + 24;
    if (width() < room)
        setFixedSize(room, height());
}

QLabel *NoticeBox::textLabel() const
{
    // Found by what it shows: the message box gives it no public name.
    const auto labels = findChildren<QLabel *>();
    for (QLabel *label : labels) {
        if (label->text() == text())
            return label;
    }
    return nullptr;
}

int NoticeBox::answer() const
{
    auto *pressed = clickedButton();
    if (!yesNo_)
        return answer::Ok;
    return pressed && pressed->objectName() == QLatin1String("Yes") ? answer::Yes : answer::No;
}

void NoticeBox::keyPressEvent(QKeyEvent *event)
{
    // Escape answers a question "لا", as a question's close box does on
    // every desktop.
    if (yesNo_ && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        if (auto *no = findChild<QAbstractButton *>(QStringLiteral("No")))
            no->click();
        return;
    }
    QMessageBox::keyPressEvent(event);
}

void NoticeBox::closeEvent(QCloseEvent *event)
{
    if (yesNo_ && !clickedButton()) {
        event->ignore();
        return;
    }
    QMessageBox::closeEvent(event);
}

int MessageBoxPresenter::present(const Notice &notice)
{
    NoticeBox box(notice, QApplication::activeWindow());
    box.exec();
    return box.answer();
}

} // namespace app
