#include "platform/controls/control_drag.h"

#include "platform/controls/mouse.h"
#include "platform/controls/window_backend.h"

#include <cstdlib>

namespace {

// How far the pointer moves with the button held before a drag that is not immediate starts.
constexpr int Default_Threshold = 5;

TPoint messagePoint(const TMessage& Message) { return {LoWordSigned(Message.LParam), HiWordSigned(Message.LParam)}; }

// The innermost shown control of Root's tree under the screen point P, the last-added child
// first as it lies on top.
TControl* controlAt(TControl& Root, TPoint P) {
    const TPoint inRoot = Root.ScreenToClient(P);
    if (!Root.Visible() || !Rect(0, 0, Root.Width(), Root.Height()).Contains(inRoot)) return nullptr;
    if (auto* window = dynamic_cast<TWinControl*>(&Root))
        for (int i = window->ControlCount() - 1; i >= 0; --i)
            if (TControl* inner = controlAt(*window->Controls(i), P)) return inner;
    return &Root;
}

TControl& rootOf(TControl& Control) {
    TControl* root = &Control;
    while (root->Parent()) root = root->Parent();
    return *root;
}

}  // namespace

// The drag under way; it waits for the threshold until Started.
struct TControlDrag {
    TControl* Source = nullptr;
    TObject* Object = nullptr;  // what the targets see as Source
    bool Started = false;
    int Threshold = 0;
    TPoint Start;  // screen point of the press
    TPoint Last;   // screen point the pointer was last seen at
    TControl* Target = nullptr;
    bool Accepted = false;
    TCursor SourceCursor = crDefault;

    void begin(TControl& Control, bool Immediate, int AThreshold, TPoint Screen) {
        *this = TControlDrag{};
        Source = &Control;
        Threshold = AThreshold < 0 ? Default_Threshold : AThreshold;
        Start = Last = Screen;
        if (Immediate) start(Screen);
    }

    void start(TPoint Screen) {
        Started = true;
        SourceCursor = Source->Cursor();
        // The press has become a drag: its release clicks nothing.
        Source->clicked_ = false;
        TObject* object = nullptr;
        Source->DoStartDrag(object);
        Object = object ? object : Source;
        moveTo(Screen);
    }

    void leaveTarget(TPoint Screen) {
        if (!Target) return;
        const TPoint p = Target->ScreenToClient(Screen);
        bool accept = false;
        Target->DragOver(Object, p.X, p.Y, dsDragLeave, accept);
        Target = nullptr;
        Accepted = false;
    }

    // The pointer at Screen: the control under it is asked, and the pointer shows its answer.
    void moveTo(TPoint Screen) {
        Last = Screen;
        TControl* under = controlAt(rootOf(*Source), Screen);
        if (under != Target) leaveTarget(Screen);
        if (under) {
            const TDragState state = under == Target ? dsDragMove : dsDragEnter;
            Target = under;
            const TPoint p = under->ScreenToClient(Screen);
            bool accept = false;
            under->DragOver(Object, p.X, p.Y, state, accept);
            Accepted = accept;
        }
        Source->SetCursor(Accepted ? Source->DragCursor : crNoDrop);
    }

    // Drops on the target that accepted (when Drop), then tells the source where it ended.
    void end(bool Drop, TPoint Screen) {
        TControl* source = Source;
        if (!Started) {
            *this = TControlDrag{};
            return;
        }
        TControl* target = Drop && Accepted ? Target : nullptr;
        TObject* object = Object;
        if (!target) leaveTarget(Screen);
        source->SetCursor(SourceCursor);
        *this = TControlDrag{};
        TPoint at = source->ScreenToClient(Screen);
        if (target) {
            at = target->ScreenToClient(Screen);
            target->DragDrop(object, at.X, at.Y);
        }
        source->DoEndDrag(target, at.X, at.Y);
    }
};

namespace {
TControlDrag drag;
}

bool DragMessage(TControl& Control, TMessage& Message) {
    if (Message.Msg == WM_LBUTTONDOWN && Control.DragMode == dmAutomatic && !drag.Source) {
        // The press goes on as usual; a release before the threshold is a click.
        if (Control.DragKind == dkDrag) drag.begin(Control, false, -1, Control.ClientToScreen(messagePoint(Message)));
        return false;
    }
    if (drag.Source != &Control) return false;
    switch (Message.Msg) {
    case WM_MOUSEMOVE: {
        const TPoint screen = Control.ClientToScreen(messagePoint(Message));
        if (!drag.Started) {
            if (std::abs(screen.X - drag.Start.X) < drag.Threshold && std::abs(screen.Y - drag.Start.Y) < drag.Threshold)
                return false;
            drag.start(screen);
        } else {
            drag.moveTo(screen);
        }
        return true;
    }
    case WM_LBUTTONUP:
        drag.end(true, Control.ClientToScreen(messagePoint(Message)));
        return false;
    case WM_CANCELMODE:
        drag.end(false, Control.ClientToScreen(messagePoint(Message)));
        return false;
    default:
        return false;
    }
}

void ForgetDrag(TControl& Control) {
    if (drag.Source == &Control) drag = TControlDrag{};
    else if (drag.Target == &Control) drag.Target = nullptr, drag.Accepted = false;
}

void TControl::BeginDrag(bool Immediate, int Threshold) {
    if (DragKind != dkDrag || drag.Source) return;
    drag.begin(*this, Immediate, Threshold, Mouse.CursorPos());
    SetMouseCapture(true);
}

bool TControl::Dragging() const { return drag.Source == this && drag.Started; }

void TControl::EndDrag(bool Drop) {
    if (drag.Source == this) drag.end(Drop, drag.Last);
}

void TControl::DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept) {
    Accept = static_cast<bool>(OnDragOver);
    OnDragOver(this, Source, X, Y, State, Accept);
}

void TControl::DragDrop(TObject* Source, int X, int Y) { OnDragDrop(this, Source, X, Y); }

void TControl::DoStartDrag(TObject*& DragObject) { OnStartDrag(this, DragObject); }

void TControl::DoEndDrag(TObject* Target, int X, int Y) { OnEndDrag(this, Target, X, Y); }

void TControl::SetShowHint(bool v) {
    ShowHint = v;
    parentShowHint_ = false;
}

bool TControl::HintShown() const { return parentShowHint_ && parent_ ? parent_->HintShown() : ShowHint; }
