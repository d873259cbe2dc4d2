#pragma once
// Notice boxes: a modal message with a text (CR LF line breaks), a style made
// of the flags below and an optional title. How a box is presented is
// replaceable, and the number rules stay free of widgets: the application
// context (kit/context.h) installs its message-box presenter here, and
// tests a scripted one through the context.

#include <QString>

#include <cstdint>

namespace numtext {

namespace style {
constexpr std::uint32_t OkOnly = 0;
constexpr std::uint32_t YesNo = 4;
constexpr std::uint32_t Question = 0x20;
constexpr std::uint32_t Exclamation = 0x30;
constexpr std::uint32_t Information = 0x40;
constexpr std::uint32_t RightAlign = 0x80000;
constexpr std::uint32_t RtlReading = 0x100000;
constexpr std::uint32_t ButtonMask = 0x7;
constexpr std::uint32_t IconMask = 0x70;
} // namespace style

namespace answer {
constexpr int Ok = 1;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace answer

// The application title, shown by a box that has no title of its own.
QString applicationTitle();

// CR LF, the line break inside notice texts.
inline QString crlf() { return QStringLiteral("\r\n"); }

struct Notice {
    QString text;
    std::uint32_t style = 0;
    QString title; // always resolved: the application title when none was given
    bool operator==(const Notice &) const = default;
};

class NoticePresenter {
public:
    virtual ~NoticePresenter() = default;
    // Shows the notice and returns the button pressed: 1, 6 or 7.
    virtual int present(const Notice &notice) = 0;
};

// Installs the presenter used from now on (not owned); nullptr restores none,
// in which case notices answer OK (or No to a Yes/No box) without showing.
// The application context is the one caller.
void setNoticePresenter(NoticePresenter *presenter);
NoticePresenter *noticePresenter();

// Shows a notice box and returns 1, 6 or 7. A null title means the
// application title.
int notice(const QString &text, std::uint32_t style, const QString &title = QString());

// The notice for a required box found empty: title "فارغ".
void emptyFieldNotice(const QString &text, std::uint32_t style);

} // namespace numtext
