#include "grid/stringgrid/navigation/refusal_balloon.h"

#include "platform/controls/tool_tip_content.h"
#include "platform/graphics/canvas.h"
#include "platform/messages/message_ids.h"


namespace {
constexpr int MaxTextWidth = 300;
// Title, text and icon stand a little away from the frame.
constexpr int Padding = 4;

bool isModifierKey(uintptr_t Key) { return Key == VK_SHIFT || Key == VK_CONTROL || Key == VK_MENU; }

// Enter and Tab end the edit: the validation that follows decides whether the balloon shows
// again, and the editor's hiding takes it away otherwise.
bool hidesTheBalloon(const TMessage& m) {
    switch (m.Msg) {
    case WM_KEYDOWN: return !isModifierKey(m.WParam) && m.WParam != VK_RETURN && m.WParam != VK_TAB;
    case WM_CHAR: return m.WParam >= 32;
    case WM_KILLFOCUS: return true;
    case CM_VISIBLECHANGED: return m.WParam == 0;
    default: return false;
    }
}
}  // namespace

// Sits in the editor's window procedure while the balloon shows, in front of whatever was there.
struct TRefusalBalloon::EditorWatch {
    TRefusalBalloon* balloon;
    TWinControl* editor;
    std::function<void(TMessage&)> previous;

    void operator()(TMessage& m) const {
        // Copies: withdrawing puts the previous procedure back, which destroys this one.
        auto* const target = editor;
        const auto next = previous;
        if (hidesTheBalloon(m)) balloon->Withdraw();
        if (next) next(m);
        else target->WndProc(m);
    }
};

TRefusalBalloon::TRefusalBalloon(TComponent* AOwner) : THintWindow(AOwner) {
    OnPaintText = [this](TCanvas& Canvas, const TRect& Area, const QString&) { paintContent(Canvas, Area); };
}

TRefusalBalloon::~TRefusalBalloon() { unwatch(); }

void TRefusalBalloon::ShowUnder(TWinControl& Editor, const QString& Title, const QString& Text, int Icon) {
    unwatch();
    title_ = Title;
    text_ = Text;
    icon_ = Icon;
    const TRect size = contentSize();
    const TPoint at = Editor.ClientToScreen({0, Editor.Height()});
    ActivateHint(Rect(at.X, at.Y, at.X + size.Width(), at.Y + size.Height()), Title + '\n' + Text);
    watch(Editor);
}

void TRefusalBalloon::Withdraw() {
    unwatch();
    HideHint();
}

void TRefusalBalloon::watch(TWinControl& Editor) {
    editor_ = &Editor;
    Editor.FreeNotification(this);
    Editor.WindowProc = EditorWatch{this, &Editor, Editor.WindowProc};
}

void TRefusalBalloon::unwatch() {
    TWinControl* const editor = editor_;
    if (!editor) return;
    editor_ = nullptr;
    editor->RemoveFreeNotification(this);
    // Someone who replaced the procedure since owns it now.
    if (auto* mine = editor->WindowProc.target<EditorWatch>(); mine && mine->balloon == this) {
        auto previous = mine->previous;
        editor->WindowProc = std::move(previous);
    }
}

void TRefusalBalloon::Notification(TComponent* AComponent, TOperation Operation) {
    THintWindow::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == editor_) {
        editor_ = nullptr;
        HideHint();
    }
}

// The icon and the bold title on the first line, the text broken at MaxTextWidth below.
TRect TRefusalBalloon::contentSize() {
    TCanvas& canvas = Canvas();
    canvas.Font.Assign(Font());
    const TSize size = TToolTipContent{title_, icon_, text_}.Measure(canvas, MaxTextWidth);
    return Rect(0, 0, size.cx + 2 * (MarginX + Padding), size.cy + 2 * (MarginY + Padding));
}

void TRefusalBalloon::paintContent(TCanvas& Canvas, const TRect& Area) {
    const TRect inner = Rect(Area.Left + Padding, Area.Top + Padding, Area.Right - Padding, Area.Bottom - Padding);
    TToolTipContent{title_, icon_, text_}.Paint(Canvas, inner);
}

TRefusalBalloon* FindRefusalBalloon(const TComponent& Owner) {
    for (int i = 0; i < Owner.ComponentCount(); ++i)
        if (auto* balloon = dynamic_cast<TRefusalBalloon*>(Owner.Components(i))) return balloon;
    return nullptr;
}

TRefusalBalloon& RefusalBalloonOf(TComponent& Owner) {
    if (TRefusalBalloon* balloon = FindRefusalBalloon(Owner)) return *balloon;
    return *new TRefusalBalloon(&Owner);
}
