// The grid's cells as an HTML table: one CSS class per distinct cell look, merged cells as
// spans, decorations as JPEG files beside the page.
#include "grid/foundation/codings.h"
#include "grid/foundation/file_picture.h"
#include "grid/foundation/grid_lists.h"
#include "grid/foundation/html_entities.h"
#include "grid/foundation/html_export.h"
#include "grid/stringgrid/data/exchange_files.h"
#include "grid/stringgrid/model/cell_graphic.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"
#include "grid/stringgrid/model/exchange_settings.h"
#include "platform/controls/image.h"
#include "platform/controls/image_list.h"
#include "platform/controls/shell_execute.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/image_encoder.h"
#include "platform/system/files.h"

#include <map>

namespace {

constexpr TColor NoColor = 0x7FFFFFFF;

// The links of a cell text: the first "://" address, then a "mailto:" one.
QString linked(const QString& Text, bool Full) {
    if (Text.contains(QLatin1String("</"))) return Text;
    QString text = Text;
    for (const QString& marker : {QStringLiteral("://"), QStringLiteral("mailto:")}) {
        const qsizetype at = text.indexOf(marker);
        if (at < 0) continue;
        const QString caption = (Full && marker == QLatin1String("://")) ? text : text.mid(at + marker.size()).left(255);
        text = QStringLiteral("<a href=") + text + u'>' + caption + QStringLiteral("</a>");
    }
    return text;
}

}  // namespace

// Writes the pictures of one export and names them.
class THTMLImageWriter {
public:
    THTMLImageWriter(const QString& Dir) : dir_(Dir) {}
    int Number = 0;
    QString Write(const TGraphic& Graphic) {
        if (!made_) {
            QString reason;
            if (!DirectoryExists(dir_ + QStringLiteral("images")) && !ForceDirectories(dir_ + QStringLiteral("images"), &reason))
                throw Exception(QStringLiteral("Cannot create ") + dir_ + QStringLiteral("images: ") + reason);
            made_ = true;
        }
        const QString name = dir_ + QStringLiteral("images/img%1.jpg").arg(Number++);
        WriteExchangeFile(name, EncodeJpeg(Graphic));
        return QStringLiteral("<img src= \"file://%1\">").arg(name);
    }
    QString WriteListImage(TImageList& Images, int Index) {
        TBitmap bitmap(Images.Width, Images.Height);
        Images.Draw(bitmap.Canvas(), 0, 0, Index);
        return Write(bitmap);
    }

private:
    QString dir_;
    bool made_ = false;
};

QString TExStringGrid::htmlCellContent(int ACol, int ARow, const QString& Text, THTMLImageWriter& Images) {
    TCellGraphic* g = HTMLSettings().ExportImages ? GetCellGraphic(ACol, ARow) : nullptr;
    if (!g) return Text;
    TImageList* list = GetGridImages();
    auto validIndex = [&](int i) { return list && i >= 0 && i < list->Count(); };
    switch (g->CellType) {
    case ctBitmap:
        if (TBitmap* bmp = g->Held<TBitmap>(); bmp && !bmp->Empty()) return Text + Images.Write(*bmp);
        break;
    case ctImageList:
        if (validIndex(g->CellIndex)) return Images.WriteListImage(*list, g->CellIndex) + Text;
        break;
    case ctDataImage: {
        bool ok = false;
        const int index = Text.toInt(&ok);
        return ok && validIndex(index) ? Images.WriteListImage(*list, index) : QString();
    }
    case ctNode:
        return u'+' + Text;
    case ctImages:
        if (TIntList* indexes = g->Held<TIntList>(); indexes && list) {
            QString images;
            for (int i = 0; i < indexes->Count(); ++i)
                if (validIndex(indexes->GetInteger(i))) images += Images.WriteListImage(*list, indexes->GetInteger(i));
            return images + Text;
        }
        break;
    case ctPicture:
        if (TPicture* picture = g->Held<TPicture>(); picture && picture->Graphic() && !picture->Graphic()->Empty())
            return Text + Images.Write(*picture->Graphic());
        break;
    default: break;
    }
    return Text;
}

QString TExStringGrid::SaveToHTMLString(const QString& Dir) {
    const THTMLSettings& hs = HTMLSettings();
    const int fc = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
    const int fr = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
    const bool headerRow = FixedRows() > 0 && (SaveFixedCells || SaveFixedRows);
    std::map<QString, int> styles;
    QStringList styleLines;
    auto styleOf = [&](int c, int r, bool Fixed) {
        TBrush brush;
        brush.Color = NoColor;
        TFont font;
        font.SetColor(NoColor);
        font.SetStyle(0);
        TColor colorTo = clNone, mirror = clNone, mirrorTo = clNone;
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        bool ww = false;
        TCellGradientDirection gd = GradientVertical;
        TGridDrawState state = Fixed ? TGridDrawState(gdFixed) : TGridDrawState(0);
        GetVisualProperties(c, r, state, false, false, true, brush, colorTo, mirror, mirrorTo, font, ha, va, ww, gd);
        QStringList parts;
        const TColor background = Fixed ? FixedColor() : brush.Color;
        // System colours are written as the colours they stand for.
        if (background != NoColor && background != clNone && hs.SaveColor)
            parts << QStringLiteral("background-color: #") + ColorToHexRGB(ColorToRGB(background));
        if (font.Color() != NoColor && font.Color() != clNone && hs.SaveColor)
            parts << QStringLiteral("color: #") + ColorToHexRGB(ColorToRGB(font.Color()));
        parts << QStringLiteral("font-size:%1pt").arg(font.Size());
        if (font.Style() & fsItalic) parts << QStringLiteral("font-style: italic");
        if (font.Style() & fsBold) parts << QStringLiteral("font-weight: bold");
        parts << QStringLiteral("font-family: ") + font.Name();
        if (ha == taRightJustify) parts << QStringLiteral("text-align: right");
        else if (ha == taCenter) parts << QStringLiteral("text-align: center");
        parts << (va == vtaTop ? QStringLiteral("vertical-align: top")
                  : va == vtaCenter ? QStringLiteral("vertical-align: middle")
                                    : QStringLiteral("vertical-align: bottom"));
        const QString text = parts.join(u';');
        auto [it, added] = styles.emplace(text, static_cast<int>(styles.size()));
        if (added) styleLines << QStringLiteral(".c%1 {%2}").arg(it->second).arg(text);
        return std::pair{it->second, ww};
    };
    auto cellElement = [&](int c, int r, bool Fixed, const QString& Width, const QString& Content) {
        const auto [style, wrap] = styleOf(c, r, Fixed);
        QString td = QStringLiteral("<TD class=\"c%1\"").arg(style);
        const TPoint span = CellSpan(c, r);
        if (span.X > 0 || span.Y > 0)
            td += QStringLiteral(" COLSPAN=\"%1\" ROWSPAN=\"%2\"").arg(span.X + 1).arg(span.Y + 1);
        if (!wrap) td += QStringLiteral(" nowrap");
        return td + Width + u'>' + Content + QStringLiteral("</td>");
    };
    auto links = [&](const QString& Text) { return URLShow() ? linked(Text, URLFull()) : Text; };

    THTMLImageWriter images(Dir);
    QStringList table;
    QString start = QStringLiteral("<TABLE BORDER=\"%1\" CELLSPACING=\"%2\" CELLPADDING=\"%3\" ")
                        .arg(hs.BorderSize).arg(hs.CellSpacing).arg(hs.CellPadding);
    if (!hs.Summary.isEmpty()) start += QStringLiteral("SUMMARY=\"%1\" ").arg(hs.Summary);
    if (!hs.TableStyle.isEmpty()) start += u' ' + hs.TableStyle + u' ';
    table << start + QStringLiteral(" WIDTH=\"%1%\">").arg(hs.Width);
    int firstRow = fr;
    if (headerRow) {
        QString row = QStringLiteral("<TR>");
        for (int c = fc; c < ColCount(); ++c) {
            int bc = c, br = 0;
            if (!ResolveBaseCell(c, 0, bc, br)) continue;
            QString text = links(CRToBR(SaveCell(RealColIndex(c), 0)));
            if (text.isEmpty()) text = QStringLiteral("&nbsp;");
            const QString width = c < hs.ColWidths.Count() ? QStringLiteral(" WIDTH=%1").arg(hs.ColWidths.GetInteger(c)) : QString();
            row += cellElement(c, 0, true, width, htmlCellContent(RealColIndex(c), 0, text, images));
        }
        table << row + QStringLiteral("</TR>");
        firstRow = 1;
    }
    images.Number = std::max(images.Number, 1);
    ExportNotification(esExportStart, firstRow);
    for (int r = firstRow; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        QString row = QStringLiteral("<TR>");
        for (int c = fc; c < ColCount(); ++c) {
            int bc = c, br = r;
            if (!ResolveBaseCell(c, r, bc, br)) continue;
            QString text = SaveCell(RealColIndex(c), r);
            if (hs.ConvertSpecialChars) text = EncodeHTMLEntities(text, true);
            if (hs.NonBreakingText) text = SpacesToNbsp(text);
            text = links(CRToBR(text));
            if (text.trimmed().isEmpty()) text = QStringLiteral("&nbsp;");
            const bool fixed = IsFixed(c, r);
            const QString width = !headerRow && c - fc < hs.ColWidths.Count()
                                      ? QStringLiteral(" width=%1").arg(hs.ColWidths.GetInteger(c - fc))
                                      : QString();
            row += cellElement(c, r, fixed, width, htmlCellContent(RealColIndex(c), r, text, images));
        }
        table << row + QStringLiteral("</TR>");
    }
    ExportNotification(esExportDone, -1);
    table << QStringLiteral("</TABLE>");
    if (!hs.SuffixTag.isEmpty()) table << hs.SuffixTag;
    if (hs.XHTML) table << QStringLiteral("</html>");

    QString head;
    if (hs.XHTML)
        head = QStringLiteral(
            "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
            "<!DOCTYPE html PUBLIC \"-//W3C//DTD XHTML 1.0 Strict//EN\"\r\n"
            "\"http://www.w3.org/TR/xhtml1/DTD/xhtml1-strict.dtd\">\r\n"
            "<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\" lang=\"en\">\r\n");
    head += hs.PrefixTag;
    QString out = head + QStringLiteral("<style>\r\n");
    for (const QString& line : styleLines) out += line + QLatin1String("\r\n");
    out += QStringLiteral("</style>\r\n");
    for (const QString& line : table) out += line + QLatin1String("\r\n");
    return out;
}

void TExStringGrid::writeHTML(const QString& FileName, bool Show, bool Unicode, bool Append) {
    const THTMLSettings& hs = HTMLSettings();
    QString text;
    if (Append) {
        // An old file that cannot be read counts as empty.
        try {
            text = ReadExchangeText(FileName);
        } catch (const Exception&) {
        }
        if (!text.isEmpty() && !text.endsWith(u'\n')) text += QLatin1String("\r\n");
    }
    auto addFile = [&](const QString& Name) {
        if (Name.isEmpty()) return;
        const QString part = ReadExchangeText(Name);
        text += part;
        if (!part.isEmpty() && !part.endsWith(u'\n')) text += QLatin1String("\r\n");
    };
    addFile(hs.HeaderFile);
    text += SaveToHTMLString(ExtractFilePath(FileName).replace(u'\\', u'/'));
    addFile(hs.FooterFile);
    QByteArray bytes;
    if (Unicode) bytes = EncodeText(text, TTextEncoding::Utf16LE, true);
    else {
        for (QChar& c : text)
            if (c.unicode() > 0x7F) c = u'?';
        bytes = text.toLatin1();
    }
    WriteExchangeFile(FileName, bytes);
    if (Show || hs.AutoPreview) ShellOpenUrl(QStringLiteral("file://") + FileName);
}

void TExStringGrid::SaveToHTML(const QString& FileName, bool Show, bool Unicode) { writeHTML(FileName, Show, Unicode, false); }

void TExStringGrid::AppendToHTML(const QString& FileName, bool Show, bool Unicode) { writeHTML(FileName, Show, Unicode, true); }
