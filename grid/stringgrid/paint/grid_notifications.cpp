// What the grid answers its child windows: the date picker's change and the balloon tool-tip's
// request for the text of the cell under the mouse.
#include "grid/foundation/codings.h"
#include "grid/foundation/html_text.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/date_time_picker.h"
#include "platform/controls/rich_edit.h"
#include "platform/controls/tool_tip_notes.h"

namespace {

constexpr int TextTypeHTML = 1, TextTypeRTF = 2, TextTypeWide = 5;
constexpr int MaxBalloonText = 2048, MaxBalloonTitle = 100, BalloonWidth = 300;
// The hint buffer holds 4096 characters with its terminating zero.
constexpr int HintBufferSize = 4095;
// 1 January of year 1: anything earlier has no year a picker could show.
constexpr TDateTime FirstDay = -693593;

QString cutWithEllipsis(const QString& S, int Max) {
    return S.size() > Max ? S.left(Max - 3) + QStringLiteral("...") : S;
}

// Tabs inside the text become blanks (a closing one stays); leading line ends and tabs go.
QString balloonLayout(QString S) {
    for (qsizetype i = 0; i + 1 < S.size(); ++i)
        if (S[i] == '\t') S[i] = ' ';
    qsizetype start = 0;
    while (start < S.size() && (S[start] == '\r' || S[start] == '\n' || S[start] == '\t')) ++start;
    return S.mid(start);
}

} // namespace

TBalloonTip TExStringGrid::CellBalloonTip(int ACol, int ARow) {
    const TPoint base = BaseCell(RealColIndex(ACol), ARow);
    QString text = GetCellEx(base.X, base.Y);
    switch (TextType(text, EnableHTML)) {
    case TextTypeHTML: text = HTMLToPlainText(text); break;
    case TextTypeRTF:
        RichEdit()->LoadRTF(text);
        text = RichEdit()->Text();
        break;
    case TextTypeWide: text = DecodeWideText(text); break;
    default: break;
    }
    TBalloonTip tip;
    tip.Text = cutWithEllipsis(balloonLayout(text), MaxBalloonText);
    tip.Title = QStringLiteral(" ");
    TBalloonIcon icon = biNone;
    if (IsBalloon(base.X, base.Y, tip.Title, tip.Text, icon)) tip.Icon = icon;
    OnCellBalloon(this, base.X, base.Y, tip.Title, tip.Text, tip.Icon);
    LastBalloonPos = base;
    return tip;
}

void TExStringGrid::WMNotify(TMessage& Message) {
    auto* hdr = reinterpret_cast<TNMHdr*>(Message.LParam);
    if (!hdr) return;
    if (hdr->code == DTN_DATETIMECHANGE) {
        if (!OnDateTimeChange) return;
        const auto& change = *reinterpret_cast<const TNMDateTimeChange*>(hdr);
        // No value, or one before the first year, reports the date 0.
        const bool noDate = change.dwFlags == GDT_NONE || change.st < FirstDay;
        OnDateTimeChange(this, Col(), Row(), noDate ? TDateTime(0) : change.st);
    } else if (hdr->code == TTN_GETDISPINFO && Balloon().Enable()) {
        auto& info = *reinterpret_cast<TNMTTDispInfo*>(hdr);
        int col = -1, row = -1;
        MouseToCell(info.Cursor.X, info.Cursor.Y, col, row);
        if (col < 0 || row < 0) return;  // no cell under the mouse: the tool-tip keeps quiet
        const TBalloonTip tip = CellBalloonTip(col, row);
        p->FHintBuffer = tip.Text.left(HintBufferSize);
        info.Text = p->FHintBuffer;
        info.Title = cutWithEllipsis(tip.Title, MaxBalloonTitle);
        info.Icon = tip.Icon;
        info.MaxWidth = BalloonWidth;
        if (Balloon().TextColor != clNone) info.TextColor = Balloon().TextColor;
        if (Balloon().BackgroundColor != clNone) info.BkColor = Balloon().BackgroundColor;
    }
}
