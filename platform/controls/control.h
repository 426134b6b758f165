#pragma once

#include "platform/core/component.h"
#include "platform/core/events.h"
#include "platform/graphics/graphics_objects.h"
#include "platform/messages/messages.h"

#include <QString>
#include <vector>

class TCanvas;
class TWinControl;
class TForm;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind : uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = uint8_t;
enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };
// dmAutomatic: a left press that moves on past the drag threshold drags the control.
enum TDragMode { dmManual, dmAutomatic };
// What a drag of the control does; docking has no dock sites here, so only dkDrag drags.
enum TDragKind { dkDrag, dkDock };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout { tlTop, tlCenter, tlBottom };

using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crHourGlass = -11;
// Sizing a column (row) by its line.
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crHandPoint = -21;
// Over a target that accepts a drag, and over one that does not.
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;

enum TControlStyleFlag : unsigned {
    csClickEvents = 0x1,
    csCaptureMouse = 0x2,
    csOpaque = 0x4,
    csDoubleClicks = 0x8,
    csAcceptsControls = 0x10,
};

using TMouseEvent = TEvent<void(TObject*, TMouseButton, TShiftState, int, int)>;
using TMouseMoveEvent = TEvent<void(TObject*, TShiftState, int, int)>;
using TKeyEvent = TEvent<void(TObject*, uint16_t&, TShiftState)>;
using TKeyPressEvent = TEvent<void(TObject*, QChar&)>;
// Shift state, wheel delta (120 a notch, positive away from the user), pointer in screen
// coordinates, Handled.
using TMouseWheelEvent = TEvent<void(TObject*, TShiftState, int, TPoint, bool&)>;
// Sender is the target, Source what is dragged (the control, or the object OnStartDrag gave).
using TDragDropEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TDragOverEvent = TEvent<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
// Sender is the dragged control; Target is where it was dropped, nullptr when nowhere.
using TEndDragEvent = TEvent<void(TObject* Sender, TObject* Target, int X, int Y)>;
// May give another object to drag in the control's place.
using TStartDragEvent = TEvent<void(TObject* Sender, TObject*& DragObject)>;

// A visual element with bounds, caption, font and colour. A plain TControl has no window of its
// own: its parent paints it and hands it the mouse messages that fall on it.
class TControl : public TComponent, public TMessageTarget {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* AParent);
    virtual bool IsWindowed() const { return false; }

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    // The area inside the control that its contents use: the whole control, less what a window
    // keeps for itself (its scroll bars).
    virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
    int ClientWidth() const { return ClientRect().Right; }
    int ClientHeight() const { return ClientRect().Bottom; }
    void SetClientWidth(int v) { SetWidth(v + width_ - ClientWidth()); }
    void SetClientHeight(int v) { SetHeight(v + height_ - ClientHeight()); }

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and every parent visible.
    bool Showing() const;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& v);
    QString Hint() const { return hint_; }
    void SetHint(const QString& v);
    bool ShowHint = false;
    // With ParentShowHint the control shows hints when its parent does, whatever ShowHint
    // says; SetShowHint sets ShowHint and clears ParentShowHint.
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool v) { parentShowHint_ = v; }
    void SetShowHint(bool v);
    // Whether the control's hint is shown, after ParentShowHint.
    bool HintShown() const;

    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);

    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor v);
    TAlign Align = alNone;
    // The sides of the parent whose distance the control keeps when the parent is resized.
    TAnchors Anchors = akLeft | akTop;
    unsigned ControlStyle = csClickEvents | csCaptureMouse | csDoubleClicks;
    // The menu of the control's right click; not owned.
    TPopupMenu* PopupMenu = nullptr;

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TMouseWheelEvent OnMouseWheel;

    intptr_t Perform(uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);
    void WndProc(TMessage& Message) override;
    // Set: the window procedure is replaced (the control is subclassed). Perform hands every
    // message to it, and it passes on to WndProc what it does not answer itself.
    std::function<void(TMessage&)> WindowProc;

    virtual void Invalidate();
    void Repaint() { Invalidate(); }

    // The form this control stands on, or nullptr.
    TForm* ParentForm() const;
    // A point of this control's client area in the coordinates of ancestor.
    TPoint ClientToParent(TPoint p, const TWinControl* ancestor) const;
    // Where the client area's top-left corner lies on the screen.
    TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    bool MouseInControl() const { return mouseInControl_; }
    // The control holds the mouse capture (the left button went down on it and is held).
    bool MouseCapture() const;
    // Takes the mouse for this control (or gives it back) whatever button is held.
    void SetMouseCapture(bool Value);

    // Told while something dragged from Source enters, moves over or leaves the control at
    // (X, Y); Accept says whether it may be dropped here. By default it is accepted when
    // OnDragOver is assigned, which may change that.
    virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
    // Source was dropped at (X, Y) after DragOver accepted it; fires OnDragDrop.
    virtual void DragDrop(TObject* Source, int X, int Y);

    // Dragging this control onto others (or itself): the pointer moves with the button held,
    // each control under it is asked through DragOver, and the release drops on the last one
    // that accepted. The pointer shows DragCursor over such a control and crNoDrop elsewhere.
    TDragMode DragMode = dmManual;
    TDragKind DragKind = dkDrag;
    TCursor DragCursor = crDrag;
    // Starts a drag while the left button is held: at once, or once the pointer has moved
    // Threshold pixels (-1: the system's threshold); until then a release is a plain click.
    void BeginDrag(bool Immediate, int Threshold = -1);
    bool Dragging() const;
    // Ends the drag: dropped where the pointer is when Drop, else cancelled.
    void EndDrag(bool Drop);

    TDragDropEvent OnDragDrop;
    TDragOverEvent OnDragOver;
    TEndDragEvent OnEndDrag;
    TStartDragEvent OnStartDrag;

protected:
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void Resize();
    // Fires OnMouseWheel; true when the wheel was handled here.
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual void Paint(TCanvas&) {}
    virtual void FontChanged();
    virtual void VisibleChanged();
    // Fire OnStartDrag and OnEndDrag.
    virtual void DoStartDrag(TObject*& DragObject);
    virtual void DoEndDrag(TObject* Target, int X, int Y);

    // Set while the left button went down on this control and not yet up.
    bool clicked_ = false;

private:
    friend class TWinControl;
    friend struct TControlDrag;
    void parentFontOrColorChanged();
    // Children that take their parent's colour follow a change of it.
    void colorChangedForChildren();

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    bool parentFont_ = true;
    bool parentColor_ = false;
    bool mouseInControl_ = false;
    bool parentShowHint_ = false;
    QString caption_;
    QString hint_;
    TColor color_ = clBtnFace;
    TFont font_;
    TCursor cursor_ = crDefault;
};

// The mouse wheel: WM_MOUSEWHEEL carries the delta in the high word of wParam, the mouse-key
// state in its low word and the pointer in screen coordinates in lParam. It reaches the control
// under the pointer; a control that does not handle it (DoMouseWheel false) hands it to its
// parent, up to the form. Result 1 when some control handled it.

// A control painted by its parent on the parent's canvas.
class TGraphicControl : public TControl {
public:
    using TControl::TControl;
    void WndProc(TMessage& Message) override;
};

class TWindowBackend;

// Styles of a native window, with the platform's numbers. A control without WS_POPUP gets the
// usual window of its kind (a child window, or a form's frame). WS_POPUP makes a borderless
// top-level window owned by the parent's window, placed in screen coordinates and never
// taking the focus; WS_DISABLED keeps input from it; WS_EX_TOPMOST keeps it above other windows;
// WS_EX_TRANSPARENT lets the mouse pass through a pop-up to the windows beneath (a tool tip).
enum : uint32_t { WS_POPUP = 0x80000000, WS_DISABLED = 0x08000000 };
enum : uint32_t { WS_EX_TOPMOST = 0x00000008, WS_EX_TRANSPARENT = 0x00000020, WS_EX_TOOLWINDOW = 0x00000080 };

// The class style CS_DROPSHADOW gives a pop-up the desktop's drop shadow while it shows.
enum : uint32_t { CS_DROPSHADOW = 0x00020000 };

struct TCreateParams {
    uint32_t Style = 0;
    uint32_t ExStyle = 0;
    uint32_t ClassStyle = 0;
};

// What kind of native window stands behind a windowed control in the program.
enum TNativeKind { nkCustom, nkEdit, nkListBox, nkCheckBox, nkComboBox, nkRichEdit, nkTreeView };

// A control with a window: children, a native handle made on demand, keyboard and focus.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;

    bool IsWindowed() const override { return true; }
    virtual TNativeKind NativeKind() const { return nkCustom; }

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    // The visible, enabled graphic child under a client point, topmost first.
    TControl* ControlAtPos(TPoint p) const;

    bool HandleAllocated() const { return handleAllocated_; }
    void HandleNeeded();
    HWND Handle() {
        HandleNeeded();
        return this;
    }
    // A change of place or size sends WM_WINDOWPOSCHANGED to the control.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void WndProc(TMessage& Message) override;
    void Invalidate() override;
    void InvalidateRect(const TRect& r);

    // The styles the window was (or will be) made with, and the extended ones added since.
    TCreateParams WindowParams() {
        TCreateParams p;
        CreateParams(p);
        p.ExStyle |= addedExStyle_;
        return p;
    }
    // The extended style of the window; writing adds bits to those CreateParams gives, and the
    // window follows at once (WS_EX_TRANSPARENT: the mouse goes through to what lies beneath).
    uint32_t ExStyle() { return WindowParams().ExStyle; }
    void SetExStyle(uint32_t Value);
    // The window's shape: a polygon in client coordinates filled by the winding rule; an empty
    // one gives back the whole window.
    void SetWindowRegion(const std::vector<TPoint>& Polygon);
    const std::vector<TPoint>& WindowRegion() const { return region_; }

    bool TabStop = false;
    // The place among the parent's windowed children that Tab follows; a new child comes
    // last. Setting it moves the control there, the others keeping their order.
    int TabOrder() const;
    void SetTabOrder(int Value);
    // The windowed descendants in tab order: each child followed by its own children.
    std::vector<TWinControl*> TabOrderList() const;
    // The descendant after (or before) current in tab order that can take the focus, wrapping
    // around; with CheckTabStop only tab stops count. nullptr when there is none.
    TWinControl* FindNextControl(TWinControl* Current, bool GoForward, bool CheckTabStop) const;
    // Moves the focus to FindNextControl's answer, when there is one.
    void SelectNext(TWinControl* Current, bool GoForward, bool CheckTabStop);

    bool Focused() const;
    bool CanFocus() const;
    virtual void SetFocus();

    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;

    // Opaque data of the window backend (its native widget).
    void* BackendData = nullptr;

    // Paints this window and its graphic children on canvas (the WM_PAINT road). There is no
    // non-client area: the window's frame is painted last on the same canvas, as WM_NCPAINT
    // with the canvas in lParam.
    void PaintHandler(TCanvas& canvas);

protected:
    // Sets the styles of the window to be made.
    virtual void CreateParams(TCreateParams&) {}
    virtual void CreateWnd();
    virtual void DestroyWnd();
    virtual void PaintWindow(TCanvas& canvas);
    virtual void KeyDown(uint16_t& Key, TShiftState Shift);
    virtual void KeyUp(uint16_t& Key, TShiftState Shift);
    virtual void KeyPress(QChar& Key);
    virtual void DoEnter();
    virtual void DoExit();
    void DestroyHandle();

private:
    friend class TControl;
    void insertControl(TControl* c);
    void removeControl(TControl* c);
    void anchorControls(int dw, int dh);
    void dispatchMouse(TMessage& Message);

    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;  // the windowed children in tab order
    std::vector<TPoint> region_;
    uint32_t addedExStyle_ = 0;
    bool handleAllocated_ = false;
    // WM_SETREDRAW: false stops the requests for repaints.
    bool redraw_ = true;
    TControl* mouseControl_ = nullptr;
};

// A windowed control that paints itself on its own canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    ~TCustomControl() override;
    // The canvas being painted on; outside painting, a canvas for measuring text.
    TCanvas& Canvas();

protected:
    void PaintWindow(TCanvas& canvas) override;
    void Paint(TCanvas& canvas) override;
    virtual void Paint() {}

private:
    TCanvas* painting_ = nullptr;
    struct Measure;
    Measure* measure_ = nullptr;
};

// Shift state from the key state of a mouse message.
TShiftState MouseShiftState(uintptr_t wParam);
// The control that has the keyboard focus, or nullptr.
TWinControl* FocusedControl();
// The control that holds the mouse while its left button is down on it, or nullptr.
TControl* GetCaptureControl();
// Paints what lies under control on its parent (the parent's background and graphic children)
// onto canvas, in the control's coordinates: how a transparent control shows through.
void PaintParentBackground(TWinControl& control, TCanvas& canvas);

// Delivers a message the way native events arrive: exceptions that escape the window
// procedure are shown by the application instead of ending the program.
intptr_t DeliverMessage(TControl& control, uint32_t msg, uintptr_t wParam = 0, intptr_t lParam = 0);
