// The binary cell stream: every cell of a rectangle with its text, properties and decoration,
// as records; also the payload of the grid's own clipboard format.
#include "grid/foundation/cell_properties.h"
#include "grid/foundation/file_picture.h"
#include "grid/foundation/grid_lists.h"
#include "grid/stringgrid/data/cell_records.h"
#include "grid/stringgrid/data/exchange_files.h"
#include "grid/stringgrid/data/import_limits.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "platform/controls/image.h"
#include "platform/core/exception.h"
#include "platform/core/stream.h"
#include "platform/core/string_list.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/image_encoder.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <optional>

namespace {

QString joinNumbers(const std::vector<int>& Values) {
    QStringList parts;
    for (int v : Values) parts << QString::number(v);
    return parts.join(u',');
}

TCellRecord propertiesRecord(const TCellProperties& P, bool HasGraphic) {
    TCellRecord r(GridCellPropIO);
    r.Set("IsBaseCell", P.IsBaseCell());
    r.Set("CellSpanX", P.CellSpanX());
    r.Set("CellSpanY", P.CellSpanY());
    r.Set("Alignment", static_cast<int>(P.Alignment()));
    r.Set("BorderColor", static_cast<qint64>(P.BorderColor()));
    r.Set("BorderWidth", P.BorderWidth());
    r.Set("BrushColor", static_cast<qint64>(P.BrushColor()));
    r.Set("BrushColorTo", static_cast<qint64>(P.BrushColorTo()));
    r.Set("BrushStyle", static_cast<int>(P.BrushStyle()));
    r.Set("CellObject", static_cast<qint64>(P.CellObject()));
    r.Set("FontColor", static_cast<qint64>(P.FontColor()));
    r.SetText("FontName", P.FontName());
    r.Set("FontSize", P.FontSize());
    r.Set("FontStyle", static_cast<int>(P.FontStyle()));
    r.Set("Editor", static_cast<int>(P.Editor()));
    r.Set("GradientDirection", static_cast<int>(P.GradientDirection()));
    r.Set("ReadOnly", P.ReadOnly());
    r.Set("VAlignment", static_cast<int>(P.VAlignment()));
    r.Set("WordWrap", P.WordWrap());
    r.Set("NodeLevel", P.NodeLevel());
    r.Set("HasGraphic", HasGraphic);
    return r;
}

// Properties the record does not hold keep the target's values.
void applyProperties(const TCellRecord& r, TCellProperties& P) {
    P.SetIsBaseCell(r.Bool("IsBaseCell", P.IsBaseCell()));
    P.SetCellSpanX(static_cast<int>(r.Int("CellSpanX", P.CellSpanX())));
    P.SetCellSpanY(static_cast<int>(r.Int("CellSpanY", P.CellSpanY())));
    P.SetAlignment(static_cast<TAlignment>(r.Int("Alignment", P.Alignment())));
    P.SetBorderColor(static_cast<TColor>(r.Int("BorderColor", P.BorderColor())));
    P.SetBorderWidth(static_cast<int>(r.Int("BorderWidth", P.BorderWidth())));
    P.SetBrushColor(static_cast<TColor>(r.Int("BrushColor", P.BrushColor())));
    P.SetBrushColorTo(static_cast<TColor>(r.Int("BrushColorTo", P.BrushColorTo())));
    P.SetBrushStyle(static_cast<TBrushStyle>(r.Int("BrushStyle", P.BrushStyle())));
    P.SetCellObject(static_cast<uintptr_t>(r.Int("CellObject", static_cast<qint64>(P.CellObject()))));
    P.SetFontColor(static_cast<TColor>(r.Int("FontColor", P.FontColor())));
    if (r.Has("FontName")) P.SetFontName(r.Text("FontName"));
    P.SetFontSize(static_cast<int>(r.Int("FontSize", P.FontSize())));
    P.SetFontStyle(static_cast<TFontStyles>(r.Int("FontStyle", P.FontStyle())));
    P.SetEditor(static_cast<TEditorType>(r.Int("Editor", P.Editor())));
    P.SetGradientDirection(static_cast<TCellGradientDirection>(r.Int("GradientDirection", P.GradientDirection())));
    P.SetReadOnly(r.Bool("ReadOnly", P.ReadOnly()));
    P.SetVAlignment(static_cast<TVAlignment>(r.Int("VAlignment", P.VAlignment())));
    P.SetWordWrap(r.Bool("WordWrap", P.WordWrap()));
    P.SetNodeLevel(static_cast<int>(r.Int("NodeLevel", P.NodeLevel())));
}

TCellRecord graphicRecord(const TCellGraphic& G) {
    TCellRecord r(GridGraphicIO);
    r.Set("CellType", static_cast<int>(G.CellType));
    r.Set("CellVAlign", static_cast<int>(G.CellVAlign));
    r.Set("CellHAlign", static_cast<int>(G.CellHAlign));
    r.Set("CellIndex", G.CellIndex);
    r.Set("CellTransparent", G.CellTransparent);
    r.Set("CellCreated", G.CellCreated);
    r.Set("CellBoolean", G.CellBoolean);
    r.Set("CellCheckBoxState", static_cast<int>(G.CellCheckBoxState));
    r.Set("CellAngle", G.CellAngle);
    if (G.CellValue != 0) r.Set("CellValue", G.CellValue);
    r.Set("CellErrFrom", G.CellErrFrom);
    r.Set("CellErrLen", G.CellErrLen);
    r.SetText("CellText", G.CellText);
    // The colours of the drawn kinds (progress, range, pie, shape, rating) travel with them.
    r.Set("CellColor", static_cast<qint64>(G.CellColor));
    r.Set("CellIconColor", static_cast<qint64>(G.CellIconColor));
    return r;
}

void applyGraphic(const TCellRecord& r, TCellGraphic& G) {
    G.CellType = static_cast<TCellType>(r.Int("CellType"));
    G.CellVAlign = static_cast<TCellVAlign>(r.Int("CellVAlign"));
    G.CellHAlign = static_cast<TCellHAlign>(r.Int("CellHAlign"));
    G.CellIndex = static_cast<int>(r.Int("CellIndex"));
    G.CellTransparent = r.Bool("CellTransparent");
    G.CellCreated = r.Bool("CellCreated");
    G.CellBoolean = r.Bool("CellBoolean");
    G.CellCheckBoxState = static_cast<TCheckBoxState>(r.Int("CellCheckBoxState"));
    G.CellAngle = static_cast<int>(r.Int("CellAngle"));
    G.CellValue = r.Double("CellValue");
    G.CellErrFrom = static_cast<int>(r.Int("CellErrFrom"));
    G.CellErrLen = static_cast<int>(r.Int("CellErrLen"));
    G.CellText = r.Text("CellText");
    G.CellColor = static_cast<TColor>(r.Int("CellColor", static_cast<qint64>(clNone)));
    G.CellIconColor = static_cast<TColor>(r.Int("CellIconColor", static_cast<qint64>(clNone)));
}

TCellRecord stringsRecord(const QStringList& Items) {
    TCellRecord r(GridSLIO);
    r.Set("Count", static_cast<int>(Items.size()));
    for (qsizetype i = 0; i < Items.size(); ++i) r.SetText("S" + QByteArray::number(i), Items[i]);
    return r;
}

QStringList stringsOf(const TCellRecord& r) {
    QStringList items;
    // Each item is a property of the record: a count beyond them is none the file holds.
    const qint64 count = std::min<qint64>(r.Int("Count"), static_cast<qint64>(r.Properties.size()));
    for (qint64 i = 0; i < count; ++i) items << r.Text("S" + QByteArray::number(i));
    return items;
}

// The data record of a decoration, by its kind; no record for kinds without one.
std::optional<TCellRecord> dataRecord(const TCellGraphic& G) {
    auto picture = [](const char* Class, const TGraphic* Graphic) {
        TCellRecord r(Class);
        if (Graphic && !Graphic->Empty()) r.Set("Picture", EncodePng(*Graphic));
        return r;
    };
    switch (G.CellType) {
    case ctBitmap:
    case ctBitButton: return picture(GridBMPIO, G.Held<TBitmap>());
    case ctIcon: return picture(GridIconIO, G.CellIcon);
    case ctRadio: return stringsRecord(G.Held<TStringList>() ? G.Held<TStringList>()->ToStringList() : QStringList());
    case ctImages: return stringsRecord(G.Held<TIntList>() ? G.Held<TIntList>()->StrValue().split(u',', Qt::SkipEmptyParts) : QStringList());
    case ctPicture: return picture(GridPicIO, G.Held<TPicture>() ? G.Held<TPicture>()->Graphic() : nullptr);
    case ctFilePicture: {
        TCellRecord r(GridFilePicIO);
        if (TFilePicture* fp = G.Held<TFilePicture>()) r.SetText("Filename", fp->Filename());
        return r;
    }
    default: return std::nullopt;
    }
}

bool hasDataRecord(TCellType Type) {
    switch (Type) {
    case ctBitmap: case ctBitButton: case ctIcon: case ctRadio: case ctImages: case ctPicture: case ctFilePicture: return true;
    default: return false;
    }
}

// One cell of a stream, read whole before the grid changes.
struct TStreamCell {
    TCellRecord Cell;
    std::optional<TCellRecord> Properties;
    std::optional<TCellRecord> Graphic;
    // The decoration's object, made while reading so that a bad picture fails the load early.
    std::unique_ptr<TBitmap> Bitmap;
    std::unique_ptr<TGraphic> Icon;
    std::unique_ptr<TPicture> Picture;
    std::unique_ptr<TFilePicture> FilePicture;
    QStringList Strings;
};

void readObject(TStream& Stream, TStreamCell& Cell, TCellType Type) {
    const TCellRecord r = TCellRecord::Read(Stream);
    const QByteArray png = r.Bytes("Picture");
    switch (Type) {
    case ctBitmap:
    case ctBitButton:
        Cell.Bitmap = std::make_unique<TBitmap>();
        if (!png.isEmpty()) Cell.Bitmap->LoadFromData(png);
        break;
    case ctIcon:
        if (!png.isEmpty()) Cell.Icon = LoadGraphic(png);
        break;
    case ctPicture:
        Cell.Picture = std::make_unique<TPicture>();
        if (!png.isEmpty()) Cell.Picture->LoadFromData(png);
        break;
    case ctFilePicture:
        Cell.FilePicture = std::make_unique<TFilePicture>();
        Cell.FilePicture->SetFilename(r.Text("Filename"));
        break;
    default: Cell.Strings = stringsOf(r); break;
    }
}

}  // namespace

namespace {

// The header and cells of the rest of a stream. A stream cut short or garbled raises, with its
// position put back.
TCellRecord readCellStream(TStream& Stream, std::vector<TStreamCell>& Cells) {
    const qint64 start = Stream.Position();
    try {
        TCellRecord header = TCellRecord::Read(Stream);
        const qint64 cols = header.Int("ColCount"), rows = header.Int("RowCount");
        CheckImportSize(cols, rows, QStringLiteral("The cell stream"));
        // A whole grid brings a width for each of its columns and a height for each of its rows.
        if (header.Bool("FullGrid") && (header.Text("ColWidths").count(u',') + 1 < cols || header.Text("RowHeights").count(u',') + 1 < rows))
            throw Exception(QStringLiteral("Stream read error"));
        while (Stream.Size() - Stream.Position() >= 2) {
            TStreamCell& cell = Cells.emplace_back();
            cell.Cell = TCellRecord::Read(Stream);
            // Grid indexes: anything else is no stream this grid wrote.
            const qint64 col = cell.Cell.Int("Col"), row = cell.Cell.Int("Row");
            if (col < 0 || row < 0 || col > INT_MAX || row > INT_MAX) throw Exception(QStringLiteral("Invalid stream format"));
            if (!cell.Cell.Bool("HasProp")) continue;
            cell.Properties = TCellRecord::Read(Stream);
            if (!cell.Properties->Bool("HasGraphic")) continue;
            cell.Graphic = TCellRecord::Read(Stream);
            const auto type = static_cast<TCellType>(cell.Graphic->Int("CellType"));
            if (hasDataRecord(type)) readObject(Stream, cell, type);
        }
        // A stream cut at a record's end still lacks cells the header counts.
        if (static_cast<qint64>(Cells.size()) != cols * rows)
            throw Exception(QStringLiteral("Stream read error"));
        return header;
    } catch (...) {
        Stream.SetPosition(start);
        throw;
    }
}

}  // namespace

qint64 TExStringGrid::cellStreamID() const { return static_cast<qint64>(reinterpret_cast<uintptr_t>(this) & 0x7FFFFFFF); }

TCellRecord TExStringGrid::checkedCellStream(TStream& Stream) {
    std::vector<TStreamCell> cells;
    const qint64 start = Stream.Position();
    TCellRecord header = readCellStream(Stream, cells);
    Stream.SetPosition(start);
    return header;
}

void TExStringGrid::SaveToBinFile(const QString& FileName) {
    TMemoryStream stream;
    SaveToBinStream(stream);
    WriteExchangeFile(FileName, stream.Memory());
}

void TExStringGrid::SaveToBinStream(TStream& Stream) {
    SaveRectToBinStream(TRect{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, Stream);
}

void TExStringGrid::SaveRectToBinStream(TRect Rect, TStream& Stream) {
    const int rows = Rect.Bottom - Rect.Top + 1, cols = Rect.Right - Rect.Left + 1;
    TCellRecord header(GridPropIO);
    header.Set("ColCount", cols);
    header.Set("RowCount", rows);
    std::vector<int> widths, heights;
    for (int c = Rect.Left; c <= Rect.Right; ++c) widths.push_back(ColWidths(c));
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) heights.push_back(RowHeights(r));
    header.SetText("ColWidths", joinNumbers(widths));
    header.SetText("RowHeights", joinNumbers(heights));
    header.Set("FullGrid", SaveFixedCells ? rows == RowCount() && cols == ColCount()
                                          : rows == RowCount() - FixedRows() && cols == ColCount() - FixedCols());
    header.Set("ID", cellStreamID());
    header.Write(Stream);
    TExchangeProgress progress(*this);
    ExportNotification(esExportStart, Rect.Top);
    for (int r = Rect.Top; r <= Rect.Bottom; ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = Rect.Left; c <= Rect.Right; ++c) {
            TCellRecord cell(GridCellIO);
            const bool hasProp = HasCellProperties(c, r);
            // Indexes are stored in full: a grid may have more than 65535 rows.
            cell.Set("Col", c);
            cell.Set("Row", r);
            // A cell covered by a merged range carries no copy of the range's text.
            cell.SetText("Cell", IsMergedNonBaseCell(c, r) ? QString() : GetCellEx(c, r));
            cell.Set("HasProp", hasProp);
            cell.Write(Stream);
            if (!hasProp) continue;
            TCellGraphic* g = GetCellGraphic(c, r);
            bool hasGraphic = g && g->CellType != ctEmpty;
            // An interfaced object is the program's own and cannot travel.
            if (hasGraphic && (hasDataRecord(g->CellType))) hasGraphic = g->CellCreated || g->CellType == ctImages;
            if (hasGraphic && g->CellType == ctInterface) hasGraphic = false;
            propertiesRecord(*GetCellProperties(c, r), hasGraphic).Write(Stream);
            if (!hasGraphic) continue;
            graphicRecord(*g).Write(Stream);
            if (auto data = dataRecord(*g)) data->Write(Stream);
        }
        progress.Report(r, std::max(1, Rect.Bottom - Rect.Top));
    }
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::LoadFromBinFile(const QString& FileName) {
    TMemoryStream stream(ReadExchangeBytes(FileName));
    LoadFromBinStream(stream);
}

void TExStringGrid::LoadFromBinStream(TStream& Stream) {
    LoadAtPointFromBinStream(TPoint{0, 0}, Stream);
    int nodes = 0;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (GetCellType(0, r) == ctNode) ++nodes;
    p->FNumNodes = nodes;
    if (nodes > 0) Invalidate();
}

void TExStringGrid::LoadAtPointFromBinStream(TPoint Point, TStream& Stream) {
    // The whole stream is read first: one that is cut short or garbled leaves the grid as it was.
    std::vector<TStreamCell> cells;
    const TCellRecord header = readCellStream(Stream, cells);
    const bool full = header.Bool("FullGrid");
    if (full) {
        Clear();
        SetRowCount(static_cast<int>(header.Int("RowCount", RowCount())));
        SetColCount(static_cast<int>(header.Int("ColCount", ColCount())));
        const QStringList widths = header.Text("ColWidths").split(u',', Qt::SkipEmptyParts);
        const QStringList heights = header.Text("RowHeights").split(u',', Qt::SkipEmptyParts);
        for (int c = 0; c < ColCount() && c < widths.size(); ++c) SetColWidths(c, ImportedPixels(widths[c].toInt()));
        for (int r = 0; r < RowCount() && r < heights.size(); ++r) SetRowHeights(r, ImportedPixels(heights[r].toInt()));
    }
    const qint64 ox = full || cells.empty() ? 0 : cells.front().Cell.Int("Col");
    const qint64 oy = full || cells.empty() ? 0 : cells.front().Cell.Int("Row");
    TExchangeProgress progress(*this);
    qint64 lastRow = -1;
    for (TStreamCell& cell : cells) {
        const qint64 tc = cell.Cell.Int("Col") + Point.X - ox;
        const qint64 tr = cell.Cell.Int("Row") + Point.Y - oy;
        // Cells that would land outside the grid are left out.
        if (tc < 0 || tr < 0 || tc >= TotalColCount() || tr >= RowCount()) continue;
        const int c = static_cast<int>(tc), r = static_cast<int>(tr);
        if (cell.Properties && !cell.Properties->Bool("IsBaseCell", true)) SetGridCell(c, r, QString());
        else SetCellEx(c, r, cell.Cell.Text("Cell"));
        if (tr != lastRow) progress.Report(r, std::max(1, RowCount()));
        lastRow = tr;
        if (!cell.Properties) continue;
        TCellProperties* props = GetCellProperties(c, r);
        applyProperties(*cell.Properties, *props);
        props->SetOwnerCol(c);
        props->SetOwnerRow(r);
        if (!cell.Graphic) continue;
        TCellGraphic* g = CreateCellGraphic(c, r);
        if (!g) continue;
        applyGraphic(*cell.Graphic, *g);
        // The cell owns what was made for it.
        switch (g->CellType) {
        case ctBitmap:
        case ctBitButton: g->CellBitmap = cell.Bitmap.release(); g->CellCreated = true; break;
        case ctIcon: g->CellIcon = cell.Icon.release(); g->CellCreated = true; break;
        case ctPicture: g->CellBitmap = cell.Picture.release(); g->CellCreated = true; break;
        case ctFilePicture: g->CellBitmap = cell.FilePicture.release(); g->CellCreated = true; break;
        case ctRadio: {
            auto* list = new TStringList;
            list->Assign(cell.Strings);
            g->CellBitmap = list;
            g->CellCreated = true;
            break;
        }
        case ctImages: {
            auto* list = new TIntList(c, r);
            list->SetStrValue(cell.Strings.join(u','));
            g->CellBitmap = list;
            break;
        }
        default: break;
        }
    }
    CellsChanged(TRect{0, 0, ColCount(), RowCount()});
    AllCellsChanged();
}
