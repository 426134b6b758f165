#include "grid/editors/dropdown/selector_list_keys.h"

#include "grid/editors/dropdown/item_selector.h"
#include "platform/controls/timer.h"

#include <algorithm>

TSelectorListKeys::TSelectorListKeys(TComponent* Owner, TOwnerSteps Steps) : steps_(std::move(Steps)) {
    keyTimer_ = new TTimer(Owner);
    keyTimer_->SetEnabled(false);
    keyTimer_->SetInterval(500);
    keyTimer_->OnTimer = [this](TObject*) {
        keyTimer_->SetEnabled(false);
        curSearch_.clear();
    };
}

void TSelectorListKeys::internal(const std::function<void()>& Step) {
    InternalCall = true;
    Step();
    InternalCall = false;
}

void TSelectorListKeys::SetListIndex(TExCustomItemSelector& List, int Value) {
    if (Value >= List.Items().Count()) return;
    internal([&] { List.SetItemIndex(Value); });
    List.ScrollItemInView(Value);
}

bool TSelectorListKeys::TakeHot(TExCustomItemSelector& List) {
    if (List.ItemHot() < 0) return false;
    List.SetItemIndex(List.ItemHot());
    return true;
}

bool TSelectorListKeys::KeyDown(TExCustomItemSelector& List, uint16_t Key, TShiftState Shift, bool TookHot,
                                int Columns, bool DroppedDown, bool EditorEnabled) {
    const int count = steps_.Count();
    switch (Key) {
    case VK_RETURN: return !TookHot;
    case VK_PRIOR:
    case VK_NEXT: {
        if (List.Items().Count() != count) steps_.Refill();
        const int n = List.GetVisibleItemCount();
        if (n < 1) break;
        if (Key == VK_PRIOR) SetListIndex(List, std::max(0, List.ItemIndex() - n));
        else if (const int v = std::min(List.ItemIndex() + n, count - 1); v >= 0) SetListIndex(List, v);
        break;
    }
    case VK_END:
    case VK_HOME:
        if (DroppedDown) internal([&] { Key == VK_END ? List.SelectLast() : List.SelectFirst(); });
        else steps_.SelectEnd(Key == VK_END);
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (!EditorEnabled && DroppedDown)
            internal([&] { Key == VK_LEFT ? List.SelectPrevious() : List.SelectNext(); });
        break;
    case VK_UP:
    case VK_DOWN:
        if (DroppedDown) {
            const int v = List.ItemIndex() < 0 ? 0 : List.ItemIndex() + (Key == VK_UP ? -Columns : Columns);
            if (v >= 0) SetListIndex(List, v);
        } else {
            steps_.SelectStep(Key == VK_DOWN);
        }
        break;
    default:
        if (Shift & ssCtrl) break;
        curSearch_ += QChar(Key);
        internal([&] { List.LookupItem(curSearch_); });
        keyTimer_->SetEnabled(false);
        keyTimer_->SetEnabled(true);
        break;
    }
    return false;
}

void TSelectorListKeys::Wheel(TExCustomItemSelector& List, bool Down, bool DroppedDown) {
    if (DroppedDown) Down ? List.HotNext() : List.HotPrevious();
    else internal([&] { Down ? List.SelectNext() : List.SelectPrevious(); });
}
