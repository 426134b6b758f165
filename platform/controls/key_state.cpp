#include "platform/controls/key_state.h"

#include <set>

namespace {
std::set<int>& held() {
    static std::set<int> keys;
    return keys;
}
}  // namespace

int16_t GetAsyncKeyState(int vKey) { return held().count(vKey) ? static_cast<int16_t>(0x8000) : 0; }

void SetAsyncKeyState(int vKey, bool down) {
    if (down) held().insert(vKey);
    else held().erase(vKey);
}

void ResetAsyncKeyState() { held().clear(); }
