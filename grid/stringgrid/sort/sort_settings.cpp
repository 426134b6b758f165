#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/system/regional.h"

TSortSettings::TSortSettings(TExStringGrid* AOwner)
    : FOwner(AOwner), FSortUpGlyph(std::make_unique<TBitmap>()), FSortDownGlyph(std::make_unique<TBitmap>()),
      FIndexUpGlyph(std::make_unique<TBitmap>()), FIndexDownGlyph(std::make_unique<TBitmap>()) {}

TSortSettings::~TSortSettings() = default;

void TSortSettings::Assign(const TSortSettings& Source) {
    AutoSortForGrouping = Source.AutoSortForGrouping;
    AutoColumnMerge = Source.AutoColumnMerge;
    Column = Source.Column;
    Show = Source.Show;
    IndexShow = Source.IndexShow;
    IndexColor = Source.IndexColor;
    Full = Source.Full;
    SingleColumn = Source.SingleColumn;
    IgnoreBlanks = Source.IgnoreBlanks;
    BlankPos = Source.BlankPos;
    AutoFormat = Source.AutoFormat;
    Direction = Source.Direction;
    SetUpGlyph(Source.UpGlyph());
    SetDownGlyph(Source.DownGlyph());
    SetIndexUpGlyph(Source.IndexUpGlyph());
    SetIndexDownGlyph(Source.IndexDownGlyph());
    IndexSortKey = Source.IndexSortKey;
    InitSortDirection = Source.InitSortDirection;
    FixedCols = Source.FixedCols;
    NormalCellsOnly = Source.NormalCellsOnly;
    Row = Source.Row;
    UndoSort = Source.UndoSort;
    FHeaderColor = Source.FHeaderColor;
    FHeaderColorTo = Source.FHeaderColorTo;
    FHeaderMirrorColor = Source.FHeaderMirrorColor;
    FHeaderMirrorColorTo = Source.FHeaderMirrorColorTo;
}

void TSortSettings::SaveToString(QString& Value) const {
    if (IndexShow) Value = QStringLiteral("i;") + FOwner->SortIndexes().SaveToString();
    else Value = (Direction == sdDescending ? QStringLiteral("d") : QStringLiteral("u")) + QString::number(Column);
}

void TSortSettings::LoadFromString(const QString& Value) {
    if (Value.isEmpty()) return;
    Show = true;
    if (Value.size() < 2) throw Exception(QStringLiteral("Invalid sort settings specifier"));
    if (!Value.contains(QLatin1String("i;"))) {
        IndexShow = false;
        Direction = Value.contains(u'u') ? sdAscending : sdDescending;
        int column = 0;
        if (TryStrToInt(Value.mid(1), column)) {
            Column = column;
            FOwner->QSort();
        }
        return;
    }
    IndexShow = true;
    const QString indexes = Value.mid(2);
    if (indexes.isEmpty()) return;
    FOwner->SortIndexes().LoadFromString(indexes);
    FOwner->QSortIndexed();
}

void TSortSettings::Remove() {
    Column = -1;
    FOwner->SortIndexes().Clear();
    const int row = FOwner->FixedRows() - 1;
    if (row >= 0) FOwner->InvalidateGridRect({0, row, FOwner->ColCount() - 1, row});
}

void TSortSettings::ToggleDirection() { Direction = Direction == sdAscending ? sdDescending : sdAscending; }

void TSortSettings::SetShow(bool Value) {
    if (Show == Value) return;
    Show = Value;
    FOwner->Invalidate();
}

void TSortSettings::SetRow(int Value) {
    if (Value >= FOwner->FixedRows()) throw Exception(QStringLiteral("Sort row should be smaller than number of fixed rows"));
    Row = Value;
}

void TSortSettings::setHeader(TColor& Field, TColor Value) {
    if (Field == Value) return;
    Field = Value;
    const int row = FOwner->FixedRows() - 1;
    if (row >= 0) FOwner->InvalidateGridRect({0, row, FOwner->ColCount() - 1, row});
}

void TSortSettings::SetHeaderColor(TColor Value) { setHeader(FHeaderColor, Value); }
void TSortSettings::SetHeaderColorTo(TColor Value) { setHeader(FHeaderColorTo, Value); }
void TSortSettings::SetHeaderMirrorColor(TColor Value) { setHeader(FHeaderMirrorColor, Value); }
void TSortSettings::SetHeaderMirrorColorTo(TColor Value) { setHeader(FHeaderMirrorColorTo, Value); }
