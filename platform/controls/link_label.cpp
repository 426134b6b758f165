#include "platform/controls/link_label.h"

#include <QRegularExpression>

namespace {
const QRegularExpression& anchorPattern() {
    static const QRegularExpression re(R"re(<a(?:\s+href\s*=\s*"([^"]*)")?\s*>(.*?)</a>)re",
                                       QRegularExpression::CaseInsensitiveOption);
    return re;
}
}  // namespace

TLinkLabel::TLinkLabel(TComponent* AOwner) : TLabel(AOwner) { SetCursor(crHandPoint); }

QString TLinkLabel::DisplayText() const {
    QString text = Caption();
    text.replace(anchorPattern(), "\\2");
    return text;
}

QString TLinkLabel::FirstLink() const {
    const auto match = anchorPattern().match(Caption());
    if (!match.hasMatch()) return {};
    return match.captured(1).isEmpty() ? match.captured(2) : match.captured(1);
}

void TLinkLabel::Click() {
    TLabel::Click();
    const QString link = FirstLink();
    if (!link.isEmpty()) OnLinkClick(this, link, sltURL);
}
