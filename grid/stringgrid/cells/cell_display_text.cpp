// The display text of a cell: addresses in the text become links, group headers show their size.
#include "grid/foundation/decoration_painters.h"
#include "grid/foundation/link_routines.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::GetDisplText(int ACol, int ARow, QString& Value) {
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    if (URLShowInText()) {
        // Only the first kind of address found, in this order, is linked.
        static const char* const prefixes[] = {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://"};
        for (const char* prefix : prefixes) {
            QString linked;
            if (URLToAnchor(Value, QLatin1String(prefix), linked)) {
                Value = linked;
                break;
            }
        }
    }
    // A group header shows how many rows it holds, its sub-group headers left out.
    const TGrouping& grouping = *p->Grouping;
    if (grouping.ShowGroupCount && ACol == 1 && IsNode(ARow)) {
        const int count = GetNodeSpan(ARow) - GetSubNodeCount(ARow) - 1;
        Value += grouping.GroupCountFormat.isEmpty() ? QStringLiteral(" (%1)").arg(count)
                                                     : FormatProgressValue(grouping.GroupCountFormat, count);
    }
}

// Mirrors GetCellEx and GetDisplText above: keep the two in step.
const QString* TExStringGrid::storedDisplayText(int ACol, int ARow) const {
    // A cell with a record may be merged into another; hooks and links change texts, group
    // counts the headers' texts, and a descendant may change any of them.
    if (ACol < 0 || ARow < 0 || !isOwnClass() || OnGetDisplText || OnGetDisplWideText || URLShowInText()) return nullptr;
    if (p->Grouping->ShowGroupCount && ACol == 1) return nullptr;
    const TGridCellStore& store = CellStore();
    return store.Object(ACol, ARow) ? nullptr : &store.Text(ACol, ARow);
}
