#include "platform/controls/keyboard.h"

#include "platform/controls/control.h"
#include "platform/messages/message_ids.h"

#include <map>

namespace {

// The top-level window of a control: only compared, never used after the key is released.
const TControl* windowOf(const TControl& control) {
    const TControl* top = &control;
    while (top->Parent()) top = top->Parent();
    return top;
}

// Held keys and the window each was pressed in.
std::map<uint16_t, const TControl*>& heldKeys() {
    static std::map<uint16_t, const TControl*> keys;
    return keys;
}

// True when the press (or repeat) may reach control.
bool admitPress(const TControl& control, uint16_t key, bool autoRepeat) {
    auto& held = heldKeys();
    const TControl* window = windowOf(control);
    if (!autoRepeat) held.erase(key);
    const auto it = held.find(key);
    if (it != held.end()) return it->second == window;
    if (autoRepeat) return false;  // the press went to a window this layer never saw
    held[key] = window;
    return true;
}

// True when the release may reach control; the key is no longer held either way.
bool admitRelease(const TControl& control, uint16_t key) {
    auto& held = heldKeys();
    const auto it = held.find(key);
    if (it == held.end()) return false;
    const bool same = it->second == windowOf(control);
    held.erase(it);
    return same;
}

// The shift state of the key being delivered.
TShiftState delivering = 0;

class DeliveringShift {
public:
    explicit DeliveringShift(TShiftState shift) : saved_(delivering) { delivering = shift; }
    ~DeliveringShift() { delivering = saved_; }

private:
    TShiftState saved_;
};

bool typedChar(QChar ch) { return ch.unicode() >= 0x20 || ch == QChar('\r') || ch == QChar('\b'); }

}  // namespace

bool DeliverKeyDown(TWinControl& control, uint16_t key, TShiftState shift, const QString& text, bool autoRepeat) {
    if (key && !admitPress(control, key, autoRepeat)) return true;
    const DeliveringShift state(shift);
    if (key && DeliverMessage(control, WM_KEYDOWN, key, shift) != 0) return true;
    const bool alt = (shift & ssAlt) && !(shift & ssCtrl);
    for (QChar ch : text) {
        if (!typedChar(ch)) continue;
        // The key data carries the scan code where it tells keys apart: the keypad's decimal key.
        const intptr_t keyData = key == VK_DECIMAL ? intptr_t(0x53) << 16 : 0;
        if (DeliverMessage(control, alt ? WM_SYSCHAR : WM_CHAR, ch.unicode(), keyData) != 0) return true;
    }
    return false;
}

bool DeliverKeyUp(TWinControl& control, uint16_t key, TShiftState shift) {
    if (!key) return false;
    if (!admitRelease(control, key)) return true;
    const DeliveringShift state(shift);
    DeliverMessage(control, WM_KEYUP, key, shift);
    return false;
}

void ResetKeyboard() { heldKeys().clear(); }

int16_t GetKeyState(int vKey) {
    TShiftState flag = 0;
    switch (vKey) {
    case VK_SHIFT: flag = ssShift; break;
    case VK_CONTROL: flag = ssCtrl; break;
    case VK_MENU: flag = ssAlt; break;
    default: break;
    }
    const bool held = (delivering & flag) || heldKeys().count(static_cast<uint16_t>(vKey));
    return held ? static_cast<int16_t>(0x8000) : 0;
}

bool IsAccel(QChar key, const QString& caption) {
    for (int i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper() == key.toUpper();
    }
    return false;
}
