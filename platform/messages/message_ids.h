#pragma once

#include <cstdint>

// Message numbers as the original platform numbered them, so window procedures keep their order rules.
enum : uint32_t {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_MOVE = 0x0003,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_SETFOCUS = 0x0007,
    WM_KILLFOCUS = 0x0008,
    WM_ENABLE = 0x000A,
    WM_SETREDRAW = 0x000B,
    WM_SETTEXT = 0x000C,
    WM_GETTEXT = 0x000D,
    WM_PAINT = 0x000F,
    WM_CLOSE = 0x0010,
    // The window loses the mouse to something else: a drag under way is abandoned.
    WM_CANCELMODE = 0x001F,
    WM_ERASEBKGND = 0x0014,
    WM_SHOWWINDOW = 0x0018,
    WM_SETCURSOR = 0x0020,
    WM_MOUSEACTIVATE = 0x0021,
    WM_WINDOWPOSCHANGED = 0x0047,
    WM_NOTIFY = 0x004E,
    WM_NCHITTEST = 0x0084,
    WM_NCPAINT = 0x0085,
    WM_NCACTIVATE = 0x0086,
    WM_GETDLGCODE = 0x0087,
    WM_NCLBUTTONDOWN = 0x00A1,
    EM_GETRECT = 0x00B2,
    EM_SETRECTNP = 0x00B4,
    // A balloon tip on an edit control; lParam points at the caller's tip record.
    EM_SHOWBALLOONTIP = 0x1503,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_CHAR = 0x0102,
    WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105,
    WM_SYSCHAR = 0x0106,
    WM_COMMAND = 0x0111,
    WM_TIMER = 0x0113,
    CB_GETDROPPEDWIDTH = 0x015F,
    CB_SETDROPPEDWIDTH = 0x0160,
    WM_HSCROLL = 0x0114,
    WM_VSCROLL = 0x0115,
    WM_MOUSEMOVE = 0x0200,
    WM_LBUTTONDOWN = 0x0201,
    WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203,
    WM_RBUTTONDOWN = 0x0204,
    WM_RBUTTONUP = 0x0205,
    WM_RBUTTONDBLCLK = 0x0206,
    WM_MBUTTONDOWN = 0x0207,
    WM_MBUTTONUP = 0x0208,
    WM_MOUSEWHEEL = 0x020A,
    WM_SIZING = 0x0214,
    WM_MOUSELEAVE = 0x02A3,
    WM_THEMECHANGED = 0x031A,
    WM_CUT = 0x0300,
    WM_COPY = 0x0301,
    WM_PASTE = 0x0302,
    WM_USER = 0x0400,
    DTM_GETSYSTEMTIME = 0x1001,
    DTM_SETSYSTEMTIME = 0x1002,
    WM_APP = 0x8000,

    // Control messages of the component framework.
    CM_BASE = 0xB000,
    CM_ACTIVATE = CM_BASE + 0,
    CM_ENABLEDCHANGED = CM_BASE + 12,
    CM_COLORCHANGED = CM_BASE + 13,
    CM_FONTCHANGED = CM_BASE + 14,
    // The control's Cursor changed (TControl::SetCursor sends it after the change).
    CM_CURSORCHANGED = CM_BASE + 15,
    CM_VISIBLECHANGED = CM_BASE + 16,
    CM_MOUSEENTER = CM_BASE + 19,
    CM_MOUSELEAVE = CM_BASE + 20,
    CM_TEXTCHANGED = CM_BASE + 18,
    CM_DIALOGKEY = CM_BASE + 23,
    CM_DIALOGCHAR = CM_BASE + 24,
    CM_FOCUSCHANGED = CM_BASE + 25,
    CM_SHOWINGCHANGED = CM_BASE + 27,
    // A button of a group went down: wParam the group index, lParam the button.
    CM_BUTTONPRESSED = CM_BASE + 29,
    // The focus moved into (out of) the control; WM_SETFOCUS (WM_KILLFOCUS) sends it.
    CM_ENTER = CM_BASE + 40,
    CM_EXIT = CM_BASE + 41,
    CM_CTL3DCHANGED = CM_BASE + 42,
    CM_PARENTFONTCHANGED = CM_BASE + 43,
    // A hint is about to show: lParam points at the THintInfo the control may change; a
    // result other than 0 keeps the hint from showing.
    CM_HINTSHOW = CM_BASE + 48,

    // Notifications a control sends itself where the original platform reflected them from
    // its parent: CN_COMMAND carries the code in the high word of wParam, CN_NOTIFY a
    // TNMHdr (or a record that starts with one) in lParam.
    CN_BASE = 0xBC00,
    CN_COMMAND = CN_BASE + WM_COMMAND,
    CN_NOTIFY = CN_BASE + WM_NOTIFY,
};

// WM_ACTIVATE's wParam: the window lost or gained activation; lParam is the other window.
enum : uint32_t { WA_INACTIVE = 0, WA_ACTIVE = 1 };
// WM_MOUSEACTIVATE answers: a click activates the window, or leaves the active one as it is.
enum : intptr_t { MA_ACTIVATE = 1, MA_NOACTIVATE = 3 };
// Hit-test codes of WM_NCHITTEST and WM_NCLBUTTONDOWN.
enum : int { HTNOWHERE = 0, HTBOTTOMRIGHT = 17 };
// WM_GETDLGCODE answers.
enum : uint32_t { DLGC_WANTARROWS = 0x1, DLGC_WANTTAB = 0x2, DLGC_WANTALLKEYS = 0x4, DLGC_WANTCHARS = 0x80 };

// Notification codes.
enum : uint32_t {
    CBN_SELCHANGE = 1,
    CBN_EDITCHANGE = 5,
    CBN_DROPDOWN = 7,
    CBN_CLOSEUP = 8,
    EN_CHANGE = 0x0300,
};

// The header of a CN_NOTIFY record.
struct TNMHdr {
    void* hwndFrom = nullptr;
    uintptr_t idFrom = 0;
    int code = 0;
};

constexpr uintptr_t MakeWParam(int lo, int hi) {
    return static_cast<uintptr_t>(static_cast<uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}

// Virtual keys.
enum : uint16_t {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_DECIMAL = 0x6E,
    VK_F1 = 0x70,
    VK_F2 = 0x71,
    VK_F4 = 0x73,
    VK_LBUTTON = 0x01,
    VK_RBUTTON = 0x02,
    VK_LMENU = 0xA4,
    VK_RMENU = 0xA5,
    VK_OEM_PERIOD = 0xBE,
};

// Mouse-message key state in wParam.
enum : uint32_t { MK_LBUTTON = 0x1, MK_RBUTTON = 0x2, MK_SHIFT = 0x4, MK_CONTROL = 0x8, MK_MBUTTON = 0x10 };

// Shift state of key and mouse events.
enum TShiftStateFlag : uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32, ssDouble = 64 };
using TShiftState = uint8_t;

constexpr intptr_t MakeLParam(int lo, int hi) {
    return static_cast<intptr_t>(static_cast<uint32_t>((lo & 0xFFFF) | ((hi & 0xFFFF) << 16)));
}
constexpr int LoWordSigned(intptr_t v) { return static_cast<int16_t>(v & 0xFFFF); }
constexpr int HiWordSigned(intptr_t v) { return static_cast<int16_t>((v >> 16) & 0xFFFF); }
