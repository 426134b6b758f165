#include "grid/editors/dropdown/typed_completion.h"

#include "grid/editors/dropdown/ex_custom_dropdown.h"

int CompleteTypedStart(TExCustomDropDown& Edit, int Count, const std::function<QString(int)>& Entry,
                       const std::function<QString(int)>& Upper, bool MatchCase, int& Typed) {
    const QString text = Edit.EditText();
    Typed = std::min(Edit.SelStart(), static_cast<int>(text.size()));
    // A text written whole has nothing typed before the caret: it is no start to complete.
    if (Typed == 0) return -1;
    const QString key = (MatchCase ? text : text.toUpper()).left(Typed);
    for (int i = 0; i < Count; ++i) {
        if (!(MatchCase ? Entry(i) : Upper(i)).startsWith(key)) continue;
        // The typed start keeps its letters; the entry completes it.
        const QString completed = text.left(key.size()) + Entry(i).mid(key.size(), 255);
        Edit.SetTextDirect(completed);
        Typed = static_cast<int>(key.size());
        Edit.SetSelStart(Typed);
        Edit.SetSelLength(static_cast<int>(completed.size()) - Typed);
        return i;
    }
    Edit.SetTextDirect(text.left(Typed));
    Edit.SetSelStart(Typed);
    return -1;
}
