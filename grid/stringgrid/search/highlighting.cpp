// Highlighting and error marks: matches of a text wrapped in <hi> or <e> tags of the cells'
// markup, and the tags taken out again.
#include "grid/foundation/html_entities.h"
#include "grid/foundation/html_text.h"
#include "grid/stringgrid/model/ex_string_grid_p.h"

namespace {
const QString hiTag = QStringLiteral("hi");
const QString errorTag = QStringLiteral("e");

// A text holding tags is markup: its entities and tags stay as they are. Any other text is
// escaped, so that its "<", ">" and "&" show as written once tags are put in.
bool isMarkup(const QString& S) { return S.contains(u'<') && StripHTMLTags(S) != S; }

QString wrapMatches(bool DoCase, const QString& S, const QString& Text, const QString& Tag) {
    const QString source = isMarkup(S) ? S : EncodeHTMLEntities(S, false);
    QString result;
    HilightHTML(source, EncodeHTMLEntities(Text, false), Tag, result, DoCase);
    return result;
}

QString removeTags(const QString& S, const QString& Tag) {
    QString result;
    const QString open = QLatin1Char('<') + Tag + QLatin1Char('>');
    const QString close = QLatin1String("</") + Tag + QLatin1Char('>');
    result = S;
    result.remove(open, Qt::CaseInsensitive);
    result.remove(close, Qt::CaseInsensitive);
    return isMarkup(result) ? result : DecodeHTMLEntities(result, false);
}
}  // namespace

QString TExStringGrid::HilightText(bool DoCase, const QString& S, const QString& Text) {
    return wrapMatches(DoCase, S, Text, hiTag);
}
QString TExStringGrid::UnHilightText(const QString& S) {
    QString result;
    UnHilightHTML(S, hiTag, result);
    return result;
}
QString TExStringGrid::MarkText(bool DoCase, const QString& S, const QString& Text) {
    return wrapMatches(DoCase, S, Text, errorTag);
}
QString TExStringGrid::UnMarkText(const QString& S) {
    QString result;
    UnHilightHTML(S, errorTag, result);
    return result;
}

void TExStringGrid::tagCells(TRect Area, const QString& Tag, bool DoCase, const QString& Text, bool Remove) {
    BeginUpdate();
    for (int r = std::max(Area.Top, 0); r <= Area.Bottom && r < RowCount(); ++r)
        for (int c = std::max(Area.Left, 0); c <= Area.Right && c < TotalColCount(); ++c) {
            if (IsMergedNonBaseCell(c, r)) continue;
            const QString text = OnGetDisplText ? GetCellEx(c, r) : Cells(c, r);
            const QString tagged = Remove ? removeTags(text, Tag) : wrapMatches(DoCase, text, Text, Tag);
            if (tagged != text) SetCellEx(c, r, tagged);
        }
    EndUpdate();
}

// ---- the ranges: DoFixed takes the fixed rows and columns in
namespace {
TRect colRange(TExStringGrid& g, bool DoFixed, int Col) {
    return DoFixed ? TRect{Col, 0, Col, g.RowCount() - 1} : TRect{Col, g.FixedRows(), Col, g.RowCount() - g.FixedFooters() - 1};
}
// Hidden adds the hidden columns at the right end.
TRect rowRange(TExStringGrid& g, bool DoFixed, int Row, bool Hidden) {
    const int hidden = Hidden ? g.NumHiddenColumns() : 0;
    return DoFixed ? TRect{0, Row, g.ColCount() + hidden - 1, Row}
                   : TRect{g.FixedCols(), Row, g.ColCount() + hidden - g.FixedRightCols() - 1, Row};
}
TRect gridRange(TExStringGrid& g, bool DoFixed, bool Hidden) {
    const int hidden = Hidden ? g.NumHiddenColumns() : 0;
    return DoFixed ? TRect{0, 0, g.ColCount() + hidden - 1, g.RowCount() - 1}
                   : TRect{g.FixedCols(), g.FixedRows(), g.ColCount() + hidden - g.FixedRightCols() - 1,
                           g.RowCount() - g.FixedFooters() - 1};
}
}  // namespace

void TExStringGrid::HilightInCell(bool DoCase, int Col, int Row, const QString& HiText) {
    tagCells({Col, Row, Col, Row}, hiTag, DoCase, HiText, false);
}
void TExStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText) {
    tagCells(colRange(*this, DoFixed, Col), hiTag, DoCase, HiText, false);
}
void TExStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText) {
    tagCells(rowRange(*this, DoFixed, Row, false), hiTag, DoCase, HiText, false);
}
void TExStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText) {
    // Only the normal cells take in the hidden columns.
    tagCells(gridRange(*this, DoFixed, !DoFixed), hiTag, DoCase, HiText, false);
}
void TExStringGrid::UnHilightInCell(int Col, int Row) { tagCells({Col, Row, Col, Row}, hiTag, false, {}, true); }
void TExStringGrid::UnHilightInCol(bool DoFixed, int Col) {
    tagCells(colRange(*this, DoFixed, Col), hiTag, false, {}, true);
}
void TExStringGrid::UnHilightInRow(bool DoFixed, int Row) {
    tagCells(rowRange(*this, DoFixed, Row, true), hiTag, false, {}, true);
}
void TExStringGrid::UnHilightInGrid(bool DoFixed) { tagCells(gridRange(*this, DoFixed, true), hiTag, false, {}, true); }

void TExStringGrid::MarkInCell(bool DoCase, int Col, int Row, const QString& HiText) {
    tagCells({Col, Row, Col, Row}, errorTag, DoCase, HiText, false);
}
void TExStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText) {
    tagCells(colRange(*this, DoFixed, Col), errorTag, DoCase, HiText, false);
}
void TExStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText) {
    tagCells(rowRange(*this, DoFixed, Row, false), errorTag, DoCase, HiText, false);
}
void TExStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText) {
    tagCells(gridRange(*this, DoFixed, false), errorTag, DoCase, HiText, false);
}
void TExStringGrid::UnMarkInCell(int Col, int Row) { tagCells({Col, Row, Col, Row}, errorTag, false, {}, true); }
void TExStringGrid::UnMarkInCol(bool DoFixed, int Col) {
    tagCells(colRange(*this, DoFixed, Col), errorTag, false, {}, true);
}
void TExStringGrid::UnMarkInRow(bool DoFixed, int Row) {
    tagCells(rowRange(*this, DoFixed, Row, true), errorTag, false, {}, true);
}
void TExStringGrid::UnMarkInGrid(bool DoFixed) { tagCells(gridRange(*this, DoFixed, true), errorTag, false, {}, true); }
