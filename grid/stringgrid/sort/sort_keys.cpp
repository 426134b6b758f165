#include "grid/stringgrid/sort/sort_keys.h"

#include "grid/foundation/date_routines.h"
#include "grid/foundation/number_routines.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/core/exception.h"
#include "platform/system/date_time_text.h"
#include "platform/system/regional.h"

#include <charconv>
#include <limits>

namespace {

template <class T>
int sign(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

QString foldAscii(const QString& S) {
    QString out = S;
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
    return out;
}

bool isCheckType(TCellType t) {
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox;
}

bool isDigitAt(const QString& S, qsizetype i) { return i >= 0 && i < S.size() && S.at(i).isDigit(); }

// The separator's first position counted from 1 lies at 2 or 3 and not at the end, between two
// digits.
enum class SeparatorPlace { Absent, BetweenDigits, NotBetweenDigits };
SeparatorPlace separatorPlace(const QString& S, QChar Separator) {
    const qsizetype p = S.indexOf(Separator) + 1;
    if (p <= 1 || p >= 4 || p >= S.size()) return SeparatorPlace::Absent;
    return isDigitAt(S, p - 2) && isDigitAt(S, p) ? SeparatorPlace::BetweenDigits : SeparatorPlace::NotBetweenDigits;
}

TSortKind textKind(const QString& S, const TFormatSettings& fs) {
    switch (separatorPlace(S, fs.DateSeparator)) {
    case SeparatorPlace::BetweenDigits:
        return S.contains(fs.TimeSeparator) ? TSortKind::DateTimeCandidate : TSortKind::DateCandidate;
    case SeparatorPlace::NotBetweenDigits:
        return TSortKind::Text;
    case SeparatorPlace::Absent:
        break;
    }
    return separatorPlace(S, fs.TimeSeparator) == SeparatorPlace::BetweenDigits ? TSortKind::TimeCandidate
                                                                                : TSortKind::Text;
}

// The short-date parsers raise for impossible dates; a sort never does.
template <class F>
double shortDate(const QString& S, F&& parse) {
    try {
        return parse(S);
    } catch (const Exception&) {
        return 0;
    }
}

}  // namespace

bool ParseSortNumber(const QString& S, double& Value) {
    qsizetype i = 0;
    const qsizetype n = S.size();
    while (i < n && S.at(i) == u' ') ++i;
    char buffer[64];
    size_t len = 0;
    auto put = [&](QChar c) {
        if (len + 1 >= sizeof buffer) return false;
        buffer[len++] = static_cast<char>(c.unicode());
        return true;
    };
    if (i < n && (S.at(i) == u'-' || S.at(i) == u'+')) {
        if (S.at(i) == u'-' && !put(S.at(i))) return false;
        ++i;
    }
    int digits = 0;
    auto readDigits = [&] {
        while (i < n && S.at(i) >= u'0' && S.at(i) <= u'9') {
            if (!put(S.at(i))) return false;
            ++i;
            ++digits;
        }
        return true;
    };
    if (!readDigits()) return false;
    if (i < n && S.at(i) == u'.') {
        if (!put(S.at(i))) return false;
        ++i;
        if (!readDigits()) return false;
    }
    if (digits == 0) return false;
    if (i < n && (S.at(i) == u'e' || S.at(i) == u'E')) {
        if (!put(u'e')) return false;
        ++i;
        if (i < n && (S.at(i) == u'-' || S.at(i) == u'+')) {
            if (!put(S.at(i))) return false;
            ++i;
        }
        const int before = digits;
        if (!readDigits()) return false;
        if (digits == before) return false;
    }
    if (i != n) return false;
    double v = 0;
    const auto result = std::from_chars(buffer, buffer + len, v);
    if (result.ec != std::errc()) return false;
    Value = v;
    return true;
}

TSortColumn::TSortColumn(TExStringGrid& Grid, int ACol) : grid_(Grid), col_(ACol) {
    const TSortSettings& s = Grid.SortSettings();
    style_ = s.AutoFormat ? ssAutomatic : (s.IgnoreCase ? ssAlphaNoCase : ssAlphabetic);
    Grid.GetColumnFormat(ACol, style_, prefix_, suffix_);
    needKind_ = style_ == ssAutomatic;
    needFolded_ = style_ == ssAlphaNoCase || style_ == ssAlphaNumericNoCase || (needKind_ && s.IgnoreCase);
    needNumber_ = needKind_ || style_ == ssNumeric || style_ == ssFinancial || style_ == ssAlphaNumeric ||
                  style_ == ssAlphaNumericNoCase;
    if (style_ == ssAnsiAlphaCase || style_ == ssAnsiAlphaNoCase) {
        collator_.emplace();
        collator_->setCaseSensitivity(style_ == ssAnsiAlphaCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    }
}

void TSortColumn::Read(int First, int Count) {
    keys_.clear();
    keys_.reserve(static_cast<size_t>(Count));
    for (int k = 0; k < Count; ++k) keys_.push_back(MakeKey(First + k));
}

void TSortColumn::readNumber(TSortCellKey& Key, int ARow) const {
    const TFormatSettings& fs = FormatSettings;
    const bool financial = style_ == ssFinancial;
    const bool reshape = !prefix_.isEmpty() || !suffix_.isEmpty() || financial || fs.DecimalSeparator != u'.';
    QString s = Key.Text;
    if (reshape) {
        for (const QString* affix : {&suffix_, &prefix_}) {
            if (affix->isEmpty()) continue;
            const qsizetype at = s.indexOf(*affix);
            if (at >= 0) s.remove(at, affix->size());
        }
        if (financial) s.remove(fs.ThousandSeparator);
        if (fs.DecimalSeparator != u'.') {
            const qsizetype at = s.indexOf(fs.DecimalSeparator);
            if (at >= 0) s[at] = u'.';
        }
    }
    Key.NumberBlank = s.isEmpty();
    Key.NumberValid = ParseSortNumber(s, Key.Number);
    if (!Key.NumberValid) {
        // A cell that shows nothing counts as 0.
        const bool shown = grid_.SortSettings().SortOnVirtualCells ? !Key.Text.isEmpty()
                                                                   : !grid_.GetCellEx(col_, ARow).isEmpty();
        if (!shown) {
            Key.NumberValid = true;
            Key.Number = 0;
        }
    }
}

TSortCellKey TSortColumn::MakeKey(int ARow) const {
    TSortCellKey key;
    const TFormatSettings& fs = FormatSettings;
    if (style_ == ssHTML) key.Text = grid_.StrippedCells(col_, ARow);
    else if (grid_.SortSettings().SortOnVirtualCells) key.Text = grid_.GetCellEx(col_, ARow);
    else key.Text = grid_.GetGridCell(col_, ARow);
    if (needFolded_) key.Folded = foldAscii(key.Text);
    if (needNumber_) readNumber(key, ARow);
    if (needKind_ || style_ == ssAlphaNumeric || style_ == ssAlphaNumericNoCase) key.IsNumber = NumericType(key.Text) != 2;

    auto checkState = [&] {
        bool state = false;
        grid_.GetCheckBoxState(col_, grid_.RealRowIndex(ARow), state);
        return static_cast<intptr_t>(state ? 1 : 0);
    };
    switch (style_) {
    case ssAutomatic:
        if (isCheckType(grid_.GetCellType(col_, ARow))) {
            key.Kind = TSortKind::CheckBox;
            key.State = checkState();
        } else if (key.IsNumber) {
            key.Kind = TSortKind::Number;
        } else {
            key.Kind = textKind(key.Text, fs);
        }
        key.HasDateSeparator = key.Text.contains(fs.DateSeparator);
        key.HasTimeSeparator = key.Text.contains(fs.TimeSeparator);
        if (key.HasDateSeparator && !TextToDateTime(key.Text, key.Date)) key.Date = 0;
        if (key.HasTimeSeparator && !TryStrToTime(key.Text, key.Time)) key.Time = 0;
        break;
    case ssDate:
    case ssDateTime:
        if (!key.Text.isEmpty() && !TextToDateTime(key.Text, key.Date)) key.Date = 0;
        break;
    case ssTime:
        if (!TryStrToTime(key.Text, key.Time)) key.Time = 0;
        break;
    case ssShortDateEU:
        key.Date = shortDate(key.Text, EUDateToDate);
        break;
    case ssShortDateUS:
        key.Date = shortDate(key.Text, USDateToDate);
        break;
    case ssImages:
        key.State = grid_.GetCellGraphicSortKey(col_, ARow);
        break;
    case ssCheckBox:
        key.State = checkState();
        break;
    default:
        break;
    }
    return key;
}

TSortStyle TSortColumn::styleOf(const TSortCellKey& A, const TSortCellKey& B) const {
    TSortStyle style = style_;
    if (style == ssAutomatic) {
        const TSortStyle text = grid_.SortSettings().IgnoreCase ? ssAlphaNoCase : ssAlphabetic;
        switch (A.Kind) {
        case TSortKind::CheckBox: return ssCheckBox;
        case TSortKind::Number: return ssNumeric;
        case TSortKind::DateCandidate: return B.HasDateSeparator ? ssDate : text;
        case TSortKind::DateTimeCandidate: return B.HasDateSeparator ? ssDateTime : text;
        case TSortKind::TimeCandidate: return B.HasTimeSeparator ? ssTime : text;
        case TSortKind::Text: return text;
        }
    }
    if (style == ssAlphaNumeric) return A.IsNumber && B.IsNumber ? ssNumeric : ssAlphabetic;
    if (style == ssAlphaNumericNoCase) return A.IsNumber && B.IsNumber ? ssNumeric : ssAlphaNoCase;
    return style;
}

int TSortColumn::compareByStyle(TSortStyle Style, const TSortCellKey& A, const TSortCellKey& B, int ARow1,
                                int ARow2) const {
    switch (Style) {
    case ssAlphabetic:
    case ssAlphaCase:
    case ssHTML:
        return sign(QString::compare(A.Text, B.Text, Qt::CaseSensitive));
    case ssAlphaNoCase:
        return sign(QString::compare(A.Folded, B.Folded, Qt::CaseSensitive));
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase:
        return sign(collator_->compare(A.Text, B.Text));
    case ssNumeric:
    case ssFinancial: {
        if (!A.NumberValid && !B.NumberValid) return 0;
        // A text that is no number goes after every number.
        constexpr double none = std::numeric_limits<double>::infinity();
        return sign(A.NumberValid ? A.Number : none, B.NumberValid ? B.Number : none);
    }
    case ssDate:
    case ssDateTime:
    case ssShortDateEU:
    case ssShortDateUS:
        return sign(A.Date, B.Date);
    case ssTime:
        return sign(A.Time, B.Time);
    case ssCustom: {
        int res = 0;
        grid_.OnCustomCompare(&grid_, A.Text, B.Text, res);
        return sign(res);
    }
    case ssRaw: {
        int res = 0;
        grid_.OnRawCompare(&grid_, col_, ARow1, ARow2, res);
        return sign(res);
    }
    case ssImages:
    case ssCheckBox:
        return sign(A.State, B.State);
    default:
        return 0;
    }
}

int TSortColumn::Compare(const TSortCellKey& A, const TSortCellKey& B, int ARow1, int ARow2,
                         TSortDirection Direction) const {
    const TSortStyle style = styleOf(A, B);
    int result = compareByStyle(style, A, B, ARow1, ARow2);
    const TSortSettings& s = grid_.SortSettings();
    if (!s.IgnoreBlanks) return result;
    const bool numeric = style == ssNumeric || style == ssFinancial;
    const bool blankA = numeric ? A.NumberBlank : A.Text.isEmpty();
    const bool blankB = numeric ? B.NumberBlank : B.Text.isEmpty();
    if (blankA == blankB) return result;
    // Blanks first (last) in both directions: the descending sort turns the result around.
    result = blankA ? -1 : 1;
    if (s.BlankPos == blLast) result = -result;
    if (Direction == sdDescending) result = -result;
    return result;
}
