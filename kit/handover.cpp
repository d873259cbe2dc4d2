#include "kit/handover.h"

#include "kit/windows.h"

#include <QWidget>

namespace app {

void handOver(const char *taker, const QString &first, const QString &second, QWidget *from)
{
    const QString name = QString::fromLatin1(taker);
    auto *to = dynamic_cast<OperandTaker *>(Windows::get(name));
    Q_ASSERT_X(to, "handOver", "the window takes no operands");
    if (!to)
        return;
    to->setOperands(first, second, from);
    from->showMinimized();
    Windows::show(name);
}

} // namespace app
