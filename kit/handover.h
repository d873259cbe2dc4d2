#pragma once
// Handing numbers from one section's window to another's without either
// knowing the other's type: the fractions window gives its result to the
// conventional calculator for the division.

#include <QString>

class QWidget;

namespace app {

// A window that takes two numbers handed over to it. The window that handed
// them over waits minimized; the taker's back button restores it.
class OperandTaker {
public:
    virtual void setOperands(const QString &first, const QString &second, QWidget *returnTo) = 0;

protected:
    OperandTaker() = default;
    ~OperandTaker() = default;
    OperandTaker(const OperandTaker &) = default;
    OperandTaker &operator=(const OperandTaker &) = default;
};

// Gives the two numbers to the window of that name (an OperandTaker), minimizes
// the giving window and shows the taker.
void handOver(const char *taker, const QString &first, const QString &second, QWidget *from);

} // namespace app
