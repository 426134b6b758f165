// The display text of a cell: addresses in the text become links.
#include "grid/foundation/link_routines.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

void TExStringGrid::GetDisplText(int ACol, int ARow, QString& Value) {
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    if (!URLShowInText) return;
    // Only the first kind of address found, in this order, is linked.
    static const char* const prefixes[] = {"HTTP://", "WWW.", "MAILTO:", "HTTPS://", "NNTP://", "FILE://", "FTP://"};
    for (const char* prefix : prefixes) {
        QString linked;
        if (URLToAnchor(Value, QLatin1String(prefix), linked)) {
            Value = linked;
            return;
        }
    }
}
