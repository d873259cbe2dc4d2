#include "kit/notice.h"

namespace numtext {

namespace {
NoticePresenter *current = nullptr;
}

QString applicationTitle() { return QStringLiteral("Nabrosa"); }

void setNoticePresenter(NoticePresenter *presenter) { current = presenter; }

NoticePresenter *noticePresenter() { return current; }

int notice(const QString &text, std::uint32_t style, const QString &title)
{
    const Notice n{text, style, title.isNull() ? applicationTitle() : title};
    if (current)
        return current->present(n);
    return (style & style::ButtonMask) == style::YesNo ? answer::No : answer::Ok;
}

void emptyFieldNotice(const QString &text, std::uint32_t style) { notice(text, style, QStringLiteral("فارغ")); }

} // namespace numtext
