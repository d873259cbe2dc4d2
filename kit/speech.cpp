#include "kit/speech.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>

namespace app {

namespace {

constexpr char16_t Tatweel = u'\u0640';

bool isMark(QChar c)
{
    const char16_t u = c.unicode();
    return u == u'\u200E' || u == u'\u200F' || u == u'\u061C' || (u >= u'\u202A' && u <= u'\u202E')
           || (u >= u'\u2066' && u <= u'\u2069');
}

// Raised digits as the steps and the formulas write them (نق²).
int raisedDigit(QChar c)
{
    static const QString raised = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    return int(raised.indexOf(c));
}

QString digitsApart(const QString &digits)
{
    QStringList out;
    for (QChar c : digits)
        out << QString(c);
    return out.join(u' ');
}

// A number written with a decimal mark ('.', '٫' or ',' between digits) and
// perhaps an exponent (1.5E+20), as heard.
QString spokenNumber(const QRegularExpressionMatch &m)
{
    QString s = m.captured(1);
    if (!m.captured(2).isEmpty())
        s += QStringLiteral(" فاصلة ") + digitsApart(m.captured(2));
    if (!m.captured(3).isEmpty()) {
        QString exponent = m.captured(4);
        exponent.remove(u'+');
        const bool negative = exponent.startsWith(u'-');
        if (negative)
            exponent.remove(0, 1);
        while (exponent.size() > 1 && exponent.startsWith(u'0'))
            exponent.remove(0, 1);
        s += QStringLiteral(" ضرب عشرة أس ") + (negative ? QStringLiteral("ناقص ") : QString()) + exponent;
    }
    return s;
}

} // namespace

QString withoutStretching(const QString &text)
{
    // "حساب الـ جتا" is heard "حساب الجتا": the article joins its word.
    static const QRegularExpression apart(QStringLiteral("(^|\\s)ال\u0640+\\s+(?=\\S)"));
    const QString joined = text.contains(QChar(Tatweel)) ? QString(text).replace(apart, QStringLiteral("\\1ال")) : text;
    QString s;
    s.reserve(joined.size());
    for (QChar c : joined) {
        if (c != QChar(Tatweel) && !isMark(c))
            s += c;
    }
    return s;
}

QString spokenText(const QString &text)
{
    QString s = withoutStretching(text);
    // Raised digits: a square, a cube, any other power.
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (raisedDigit(s[i]) < 0) {
            out += s[i];
            continue;
        }
        QString power;
        while (i < s.size() && raisedDigit(s[i]) >= 0)
            power += QChar(u'0' + raisedDigit(s[i++]));
        --i;
        out += power == QLatin1String("2") ? QStringLiteral(" تربيع ") : QStringLiteral(" أس ") + power + u' ';
    }
    s = out;

    static const QRegularExpression number(QStringLiteral("([0-9٠-٩]+)(?:[.٫,]([0-9٠-٩]+))?(E([+-]?[0-9]+))?"));
    out.clear();
    qsizetype at = 0;
    for (auto it = number.globalMatch(s); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += s.mid(at, m.capturedStart() - at);
        out += spokenNumber(m);
        at = m.capturedEnd();
    }
    out += s.mid(at);
    s = out;

    static const std::pair<QString, QString> signs[] = {
        {QStringLiteral("√"), QStringLiteral(" الجذر التربيعي ل")},
        {QStringLiteral("−"), QStringLiteral(" ناقص ")},
        {QStringLiteral("-"), QStringLiteral(" ناقص ")},
        {QStringLiteral("+"), QStringLiteral(" زائد ")},
        {QStringLiteral("×"), QStringLiteral(" ضرب ")},
        {QStringLiteral("÷"), QStringLiteral(" على ")},
        {QStringLiteral("/"), QStringLiteral(" على ")},
        {QStringLiteral("≈"), QStringLiteral(" تقريبا ")},
        {QStringLiteral("="), QStringLiteral(" يساوي ")},
        {QStringLiteral("^"), QStringLiteral(" أس ")},
        {QStringLiteral("°"), QStringLiteral(" درجة ")},
        {QStringLiteral("("), QStringLiteral(" ")},
        {QStringLiteral(")"), QStringLiteral(" ")},
    };
    for (const auto &[sign, word] : signs)
        s.replace(sign, word);
    // "الجذر التربيعي ل" joins the word after it.
    s.replace(QRegularExpression(QStringLiteral("الجذر التربيعي ل\\s+")), QStringLiteral("الجذر التربيعي ل"));
    return s.simplified();
}

QString spokenResult(const QLineEdit *box)
{
    return withoutStretching(box->accessibleName()).simplified() + u' ' + spokenText(box->text());
}

// ---------------------------------------------------------------------------

namespace {

// The status line of a window: a screen reader speaks a notification inside
// it without naming its kind. It takes no room and draws nothing.
class StatusLine : public QWidget {
    Q_OBJECT
public:
    explicit StatusLine(QWidget *window) : QWidget(window)
    {
        setObjectName(QStringLiteral("StatusLine"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        note_ = new QLabel(this);
        note_->setObjectName(QStringLiteral("Announcement"));
        note_->setGeometry(0, 0, 0, 0);
        note_->hide();
        show();
    }
    QLabel *note() const { return note_; }

private:
    QLabel *note_;
};

class StatusLineAccessible : public QAccessibleWidget {
public:
    explicit StatusLineAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::StatusBar) {}
};

// The notification: its name is what is said.
class AnnouncementAccessible : public QAccessibleWidget {
public:
    explicit AnnouncementAccessible(QLabel *l) : QAccessibleWidget(l, QAccessible::Notification) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return static_cast<QLabel *>(widget())->text();
        return QString();
    }
};

// A text box as Qt's own, except that the attributes of the text span the
// whole text: the empty ranges that Qt reports make screen readers stop one
// character short ("19.6349" for "19.63495", nothing for "2"). Names are
// heard without the stretching character.
class TextBoxAccessible : public QAccessibleWidget,
                          public QAccessibleTextInterface,
                          public QAccessibleEditableTextInterface {
public:
    explicit TextBoxAccessible(QLineEdit *box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    QLineEdit *box() const { return static_cast<QLineEdit *>(widget()); }
    // A read-only box (a heading, an instruction line, a result) is heard
    // without the stretching character; what is typed is read as typed.
    QString heard() const { return box()->isReadOnly() ? withoutStretching(box()->text()) : box()->text(); }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (t == QAccessible::EditableTextInterface && !box()->isReadOnly())
            return static_cast<QAccessibleEditableTextInterface *>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (box()->isReadOnly())
            s.readOnly = true;
        else
            s.editable = true;
        s.selectableText = true;
        return s;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return heard();
        if (t == QAccessible::Name || t == QAccessible::Description)
            return withoutStretching(QAccessibleWidget::text(t));
        return QAccessibleWidget::text(t);
    }
    void setText(QAccessible::Text t, const QString &text) override
    {
        if (t == QAccessible::Value && !box()->isReadOnly())
            box()->setText(text);
        else
            QAccessibleWidget::setText(t, text);
    }

    // QAccessibleTextInterface
    void selection(int index, int *start, int *end) const override
    {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = box()->selectionEnd();
        }
    }
    int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override { box()->deselect(); }
    void setSelection(int, int start, int end) override { box()->setSelection(start, end - start); }
    int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    QString text(int start, int end) const override { return heard().mid(start, end - start); }
    int characterCount() const override { return int(heard().size()); }
    QRect characterRect(int offset) const override
    {
        const QString t = heard();
        if (offset < 0 || offset >= t.size())
            return QRect();
        const QFontMetrics m = box()->fontMetrics();
        const QRect inner = box()->contentsRect();
        const int left = inner.center().x() - m.horizontalAdvance(t) / 2 + m.horizontalAdvance(t.left(offset));
        const QRect r(left, inner.center().y() - m.height() / 2, m.horizontalAdvance(t.at(offset)), m.height());
        return QRect(box()->mapToGlobal(r.topLeft()), r.size());
    }
    int offsetAtPoint(const QPoint &point) const override
    {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }
    void scrollToSubstring(int start, int) override { box()->setCursorPosition(start); }
    QString attributes(int offset, int *start, int *end) const override
    {
        if (offset < 0 || offset > characterCount()) {
            *start = *end = -1;
            return QString();
        }
        *start = 0;
        *end = characterCount();
        return QString();
    }

    // QAccessibleEditableTextInterface
    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString &text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString &text) override
    {
        if (box()->isReadOnly())
            return;
        QString t = box()->text();
        t.replace(start, end - start, text);
        box()->setText(t);
    }
};

const char *const LinesProperty = "nabrosaSpokenLines";
const char *const LineProperty = "nabrosaCurrentLine";

class LinesAccessible;

// One line of a control's lines.
class LineAccessible : public QAccessibleInterface {
public:
    LineAccessible(QWidget *control, int line) : control_(control), line_(line) {}
    bool isValid() const override { return control_ && line_ < spokenLines(control_).size(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return control_ ? control_->window()->windowHandle() : nullptr; }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(control_); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? spokenLines(control_).at(line_) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!control_)
            return QRect();
        return QRect(control_->mapToGlobal(QPoint(0, 0)), control_->size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.focusable = true;
        const bool current = control_ && currentLine(control_) == line_;
        s.selected = current;
        s.focused = current && control_->hasFocus();
        return s;
    }

private:
    QPointer<QWidget> control_;
    int line_;
};

// The control as a list of its lines.
class LinesAccessible : public QAccessibleWidget {
public:
    explicit LinesAccessible(QWidget *w) : QAccessibleWidget(w, QAccessible::List) {}
    ~LinesAccessible() override
    {
        for (QAccessible::Id id : std::as_const(ids_))
            QAccessible::deleteAccessibleInterface(id);
    }
    int childCount() const override { return int(spokenLines(widget()).size()); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (!ids_.contains(index)) {
            auto *line = new LineAccessible(widget(), index);
            ids_.insert(index, QAccessible::registerAccessibleInterface(line));
        }
        return QAccessible::accessibleInterface(ids_.value(index));
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (auto it = ids_.cbegin(); it != ids_.cend(); ++it) {
            if (QAccessible::accessibleInterface(it.value()) == child)
                return it.key();
        }
        return -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        return widget()->hasFocus() ? child(currentLine(widget())) : nullptr;
    }
    QString text(QAccessible::Text t) const override { return withoutStretching(QAccessibleWidget::text(t)); }

private:
    mutable QHash<int, QAccessible::Id> ids_;
};

// A notice box as an alert: its title is its name, its text its value, both
// heard without the stretching character.
class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QMessageBox *box) : QAccessibleWidget(box, QAccessible::AlertMessage) {}
    QMessageBox *box() const { return static_cast<QMessageBox *>(widget()); }
    QString text(QAccessible::Text t) const override
    {
        switch (t) {
        case QAccessible::Name:
            return withoutStretching(box()->accessibleName().isEmpty() ? box()->windowTitle()
                                                                       : box()->accessibleName());
        case QAccessible::Value:
            return withoutStretching(box()->text());
        case QAccessible::Help:
            return withoutStretching(box()->informativeText());
        default:
            return withoutStretching(QAccessibleWidget::text(t));
        }
    }
};

const char *const HeadingProperty = "nabrosaListHeading";
const char *const EnteredProperty = "nabrosaListEntered";

QWidget *headingOf(const QObject *option)
{
    return option ? qobject_cast<QWidget *>(option->property(HeadingProperty).value<QObject *>()) : nullptr;
}

// An option, as the toolkit's own with its state and its Toggle action,
// heard without the stretching character; the option of a headed list is
// labelled by the heading while the focus has just entered the list. (Every
// option has it from the start: an interface, once made, stays the
// object's.)
class OptionAccessible : public QAccessibleWidget {
public:
    explicit OptionAccessible(QAbstractButton *o) : QAccessibleWidget(o, QAccessible::RadioButton) {}
    QAbstractButton *option() const { return static_cast<QAbstractButton *>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        QString s = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && s.isEmpty())
            s = QString(option()->text()).remove(u'&');
        return withoutStretching(s);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = option()->isChecked();
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList names;
        if (option()->isEnabled())
            names << toggleAction();
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &action) override
    {
        if (action == toggleAction() || action == pressAction()) {
            if (option()->isEnabled())
                option()->toggle();
            return;
        }
        QAccessibleWidget::doAction(action);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
    QList<QPair<QAccessibleInterface *, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        auto found = QAccessibleWidget::relations(match);
        QWidget *heading = headingOf(option());
        if ((match & QAccessible::Label) && heading && option()->property(EnteredProperty).toBool())
            found.prepend({QAccessible::queryAccessibleInterface(heading), QAccessible::Label});
        return found;
    }
};

// Marks the option that the focus reaches: entered from outside its list,
// or moved to inside it.
void followListFocus(QWidget *old, QWidget *now)
{
    if (old && headingOf(old))
        old->setProperty(EnteredProperty, false);
    if (now && headingOf(now))
        now->setProperty(EnteredProperty, headingOf(old) != headingOf(now));
}

QAccessibleInterface *speechFactory(const QString &, QObject *object) { return speechAccessible(object); }

// Windows install the kit's accessible interfaces; a control built outside
// any of them (a steps window in a test) installs them itself.
void ensureFactory()
{
    static const bool installed = (QAccessible::installFactory(&speechFactory), true);
    Q_UNUSED(installed);
}

void lineReached(QWidget *control)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent focus(control, QAccessible::Focus);
    focus.setChild(currentLine(control));
    QAccessible::updateAccessibility(&focus);
}

// A control with lines that takes the focus has its current line spoken
// too, after the control itself: the pupil hears where the walk starts.
class LinesFocus : public QObject {
public:
    static LinesFocus &instance()
    {
        static LinesFocus follower;
        return follower;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusIn)
            if (auto *control = qobject_cast<QWidget *>(watched))
                QTimer::singleShot(0, control, [control] { lineReached(control); });
        return false;
    }
};

} // namespace

void setSpokenLines(QWidget *control, const QStringList &lines)
{
    ensureFactory();
    if (!control->property(LinesProperty).isValid())
        control->installEventFilter(&LinesFocus::instance());
    control->setProperty(LinesProperty, lines);
    control->setProperty(LineProperty, 0);
}

void setListHeading(const QList<QAbstractButton *> &options, QWidget *heading)
{
    ensureFactory();
    static const bool following = (QObject::connect(qApp, &QApplication::focusChanged, &followListFocus), true);
    Q_UNUSED(following);
    for (QAbstractButton *o : options)
        o->setProperty(HeadingProperty, QVariant::fromValue<QObject *>(heading));
}

QStringList spokenLines(const QWidget *control) { return control->property(LinesProperty).toStringList(); }

int currentLine(const QWidget *control) { return control->property(LineProperty).toInt(); }

bool moveAlongLines(QWidget *control, int key)
{
    const int count = int(spokenLines(control).size());
    const int now = currentLine(control);
    int next = now;
    switch (key) {
    case Qt::Key_Up:
        next = std::max(0, now - 1);
        break;
    case Qt::Key_Down:
        next = std::min(count - 1, now + 1);
        break;
    case Qt::Key_Home:
        next = 0;
        break;
    case Qt::Key_End:
        next = count - 1;
        break;
    default:
        return false;
    }
    control->setProperty(LineProperty, std::max(0, next));
    // The line is spoken again at either end, so that the pupil knows
    // where the lines stop.
    lineReached(control);
    control->update();
    return true;
}

Announcements &Announcements::instance()
{
    static Announcements announcements;
    return announcements;
}

void announce(QWidget *from, const QString &text)
{
    QWidget *window = from->window();
    auto *line = window->findChild<StatusLine *>(QStringLiteral("StatusLine"), Qt::FindDirectChildrenOnly);
    if (!line)
        line = new StatusLine(window);
    // Shown anew each time: the screen reader speaks a notification when it
    // appears, the same words twice as well.
    line->note()->hide();
    line->note()->setText(text);
    line->note()->show();
    emit Announcements::instance().announced(window, text);
}

QAccessibleInterface *speechAccessible(QObject *object)
{
    if (auto *line = qobject_cast<StatusLine *>(object))
        return new StatusLineAccessible(line);
    if (auto *label = qobject_cast<QLabel *>(object); label && qobject_cast<StatusLine *>(label->parent()))
        return new AnnouncementAccessible(label);
    if (auto *box = qobject_cast<QLineEdit *>(object))
        return new TextBoxAccessible(box);
    if (auto *w = qobject_cast<QWidget *>(object); w && w->property(LinesProperty).isValid())
        return new LinesAccessible(w);
    if (auto *o = qobject_cast<QRadioButton *>(object))
        return new OptionAccessible(o);
    if (auto *box = qobject_cast<QMessageBox *>(object))
        return new NoticeAccessible(box);
    return nullptr;
}

} // namespace app

#include "speech.moc"
