#include "grid/stringgrid/sort/sort_keys.h"

#include "grid/foundation/date_routines.h"
#include "grid/foundation/number_routines.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "grid/stringgrid/model/owned_settings.h"
#include "platform/core/exception.h"
#include "platform/system/date_time_text.h"
#include "platform/system/regional.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

// A text that is no number goes after every number.
constexpr double noNumber = std::numeric_limits<double>::infinity();

QString foldAscii(const QString& S) {
    QString out = S;
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
    return out;
}

bool isCheckType(TCellType t) {
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox;
}

// NumericType's verdict, without its per-character work for the usual decimal numbers: an
// optional "-", digits, and a fraction after the decimal point when that is ".".
bool isNumber(const QString& S) {
    const qsizetype n = S.size();
    qsizetype i = n > 0 && S.at(0) == u'-' ? 1 : 0;
    const qsizetype digitsFrom = i;
    while (i < n && S.at(i) >= u'0' && S.at(i) <= u'9') ++i;
    if (i > digitsFrom && FormatSettings.DecimalSeparator == u'.' && i < n && S.at(i) == u'.') {
        const qsizetype fractionFrom = ++i;
        while (i < n && S.at(i) >= u'0' && S.at(i) <= u'9') ++i;
        if (i == n && i > fractionFrom) return true;
    } else if (i == n && i > digitsFrom) {
        return true;
    }
    return NumericType(S) != 2;
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
    bool negative = false;
    if (i < n && (S.at(i) == u'-' || S.at(i) == u'+')) {
        negative = S.at(i) == u'-';
        if (negative && !put(S.at(i))) return false;
        ++i;
    }
    int digits = 0;
    // The digits as an integer while it stays exact, and the count of them after the point.
    uint64_t mantissa = 0;
    int fraction = 0;
    bool exact = true;
    auto readDigits = [&](bool afterPoint) {
        while (i < n && S.at(i) >= u'0' && S.at(i) <= u'9') {
            if (!put(S.at(i))) return false;
            mantissa = mantissa * 10 + (S.at(i).unicode() - u'0');
            exact = exact && mantissa < (uint64_t(1) << 53) / 10;
            fraction += afterPoint;
            ++i;
            ++digits;
        }
        return true;
    };
    if (!readDigits(false)) return false;
    if (i < n && S.at(i) == u'.') {
        if (!put(S.at(i))) return false;
        ++i;
        if (!readDigits(true)) return false;
    }
    if (digits == 0) return false;
    bool exponent = false;
    if (i < n && (S.at(i) == u'e' || S.at(i) == u'E')) {
        exponent = true;
        if (!put(u'e')) return false;
        ++i;
        if (i < n && (S.at(i) == u'-' || S.at(i) == u'+')) {
            if (!put(S.at(i))) return false;
            ++i;
        }
        const int before = digits;
        if (!readDigits(false)) return false;
        if (digits == before) return false;
    }
    if (i != n) return false;
    // Both operands exact, so the one division rounds correctly.
    static constexpr double powers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (exact && !exponent && fraction <= 22) {
        const double v = static_cast<double>(mantissa) / powers[fraction];
        Value = negative ? -v : v;
        return true;
    }
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

void TSortColumn::Prepare(int First, int Count) {
    first_ = First;
    keys_.clear();
    made_.clear();
    slots_.assign(static_cast<size_t>(Count), -1);
}

const TSortCellKey& TSortColumn::key(int Offset) {
    if (slots_.empty()) return keys_[static_cast<size_t>(Offset)];
    int& slot = slots_[static_cast<size_t>(Offset)];
    if (slot < 0) {
        slot = static_cast<int>(made_.size());
        made_.push_back(MakeKey(first_ + Offset));
    }
    return made_[static_cast<size_t>(slot)];
}

void TSortColumn::ReadAhead(const std::vector<int>& Offsets, const TFetch& Fetch) {
    // Rows far apart: each is fetched some rows before its turn, as the hardware cannot guess them.
    const size_t n = Offsets.size();
    for (size_t k = 0; k < n; ++k) {
        if (Fetch && k + 8 < n) Fetch(col_, first_ + Offsets[std::min(k + 16, n - 1)], first_ + Offsets[k + 8]);
        key(Offsets[k]);
    }
}

void TSortColumn::Read(int First, int Count, const TFetch& Fetch) {
    first_ = First;
    keys_.clear();
    keys_.reserve(static_cast<size_t>(Count));
    for (int k = 0; k < Count; ++k) {
        if (Fetch) Fetch(col_, First + k + 32, First + k + 16);
        keys_.push_back(lightKey(First + k));
    }
    makeUniform();
    if (uniform_ == Uniform::None && needKind_)
        for (int k = 0; k < Count; ++k) completeKey(keys_[static_cast<size_t>(k)], First + k);
}

void TSortColumn::makeUniform() {
    // Blanks placed apart need the whole key.
    if (grid_.SortSettings().IgnoreBlanks || keys_.empty()) return;
    const TSortCellKey& first = keys_.front();
    // The style every pair compares in, when there is one.
    TSortStyle style = style_;
    if (style_ == ssAutomatic) {
        for (const TSortCellKey& k : keys_)
            if (k.Kind != first.Kind) return;
        switch (first.Kind) {
        case TSortKind::CheckBox: style = ssCheckBox; break;
        case TSortKind::Number: style = ssNumeric; break;
        case TSortKind::Text: style = grid_.SortSettings().IgnoreCase ? ssAlphaNoCase : ssAlphabetic; break;
        default: return;
        }
    } else if (style_ == ssAlphaNumeric || style_ == ssAlphaNumericNoCase) {
        for (const TSortCellKey& k : keys_)
            if (k.IsNumber != first.IsNumber) return;
        style = first.IsNumber ? ssNumeric : (style_ == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase);
    }

    auto values = [&](auto&& value) {
        values_.reserve(keys_.size());
        for (const TSortCellKey& k : keys_) values_.push_back(value(k));
        uniform_ = Uniform::Values;
    };
    auto texts = [&](bool folded) {
        texts_.reserve(keys_.size());
        prefixes_.reserve(keys_.size());
        for (const TSortCellKey& k : keys_) {
            const QString& t = folded ? k.Folded : k.Text;
            uint64_t prefix = 0;
            for (qsizetype i = 0; i < 4; ++i) prefix = (prefix << 16) | (i < t.size() ? t.at(i).unicode() : 0u);
            texts_.push_back(t);
            prefixes_.push_back(prefix);
        }
        uniform_ = Uniform::Texts;
    };
    switch (style) {
    case ssNumeric:
    case ssFinancial: values([](const TSortCellKey& k) { return k.NumberValid ? k.Number : noNumber; }); break;
    case ssDate:
    case ssDateTime:
    case ssShortDateEU:
    case ssShortDateUS: values([](const TSortCellKey& k) { return k.Date; }); break;
    case ssTime: values([](const TSortCellKey& k) { return k.Time; }); break;
    case ssImages:
    case ssCheckBox: values([](const TSortCellKey& k) { return static_cast<double>(k.State); }); break;
    case ssAlphabetic:
    case ssAlphaCase:
    case ssHTML: texts(false); break;
    case ssAlphaNoCase: texts(true); break;
    default: return;
    }
    keys_.clear();
    keys_.shrink_to_fit();
}

void TSortColumn::readNumber(TSortCellKey& Key, int ARow) const {
    const TFormatSettings& fs = FormatSettings;
    const bool financial = style_ == ssFinancial;
    const bool reshape = !prefix_.isEmpty() || !suffix_.isEmpty() || financial || fs.DecimalSeparator != u'.';
    QString reshaped;
    if (reshape) {
        reshaped = Key.Text;
        for (const QString* affix : {&suffix_, &prefix_}) {
            if (affix->isEmpty()) continue;
            const qsizetype at = reshaped.indexOf(*affix);
            if (at >= 0) reshaped.remove(at, affix->size());
        }
        if (financial) reshaped.remove(fs.ThousandSeparator);
        if (fs.DecimalSeparator != u'.') {
            const qsizetype at = reshaped.indexOf(fs.DecimalSeparator);
            if (at >= 0) reshaped[at] = u'.';
        }
    }
    const QString& s = reshape ? reshaped : Key.Text;
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
    TSortCellKey key = lightKey(ARow);
    if (needKind_) completeKey(key, ARow);
    return key;
}

TSortCellKey TSortColumn::lightKey(int ARow) const {
    TSortCellKey key;
    if (style_ == ssHTML) key.Text = grid_.StrippedCells(col_, ARow);
    else if (grid_.SortSettings().SortOnVirtualCells) key.Text = grid_.GetCellEx(col_, ARow);
    else key.Text = grid_.GetGridCell(col_, ARow);
    if (needFolded_) key.Folded = foldAscii(key.Text);
    if (needKind_ || style_ == ssAlphaNumeric || style_ == ssAlphaNumericNoCase) key.IsNumber = isNumber(key.Text);
    // Automatic detection reads a number only of a number until the column proves mixed.
    if (needNumber_ && (!needKind_ || key.IsNumber)) readNumber(key, ARow);

    switch (style_) {
    case ssAutomatic:
        if (isCheckType(grid_.GetCellType(col_, ARow))) {
            key.Kind = TSortKind::CheckBox;
            key.State = checkState(ARow);
        } else if (key.IsNumber) {
            key.Kind = TSortKind::Number;
        } else {
            key.Kind = textKind(key.Text, FormatSettings);
        }
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
        key.State = checkState(ARow);
        break;
    default:
        break;
    }
    return key;
}

// What automatic detection needs of a cell when it is the second of a comparison.
void TSortColumn::completeKey(TSortCellKey& Key, int ARow) const {
    const TFormatSettings& fs = FormatSettings;
    if (!Key.IsNumber) readNumber(Key, ARow);
    Key.HasDateSeparator = Key.Text.contains(fs.DateSeparator);
    Key.HasTimeSeparator = Key.Text.contains(fs.TimeSeparator);
    if (Key.HasDateSeparator && !TextToDateTime(Key.Text, Key.Date)) Key.Date = 0;
    if (Key.HasTimeSeparator && !TryStrToTime(Key.Text, Key.Time)) Key.Time = 0;
}

intptr_t TSortColumn::checkState(int ARow) const {
    bool state = false;
    grid_.GetCheckBoxState(col_, grid_.RealRowIndex(ARow), state);
    return state ? 1 : 0;
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
        return sign(A.NumberValid ? A.Number : noNumber, B.NumberValid ? B.Number : noNumber);
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
