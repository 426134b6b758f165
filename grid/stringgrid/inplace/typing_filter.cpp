#include "grid/stringgrid/inplace/typing_filter.h"

#include "grid/foundation/number_routines.h"
#include "grid/foundation/text_routines.h"

#include <QStringList>
#include <algorithm>

namespace {

constexpr QChar kBack(8), kTab(9), kEnter(13), kEscape(27);
constexpr int kMaxCompletion = 255;

bool isEditingKey(QChar Ch) { return Ch == kBack || Ch == kTab || Ch == kEnter || Ch == kEscape; }
bool isDigit(QChar Ch) { return Ch >= QChar('0') && Ch <= QChar('9'); }

bool selectionHas(const TTypedEdit& Edit, QChar Ch) {
    return Edit.Text.mid(Edit.SelStart, Edit.SelLength).contains(Ch);
}

TTypedAnswer filterFloat(bool Negative, QChar Ch, const TTypedEdit& Edit, const TTypingRules& Rules) {
    if (Edit.Ctrl || isEditingKey(Ch) || isDigit(Ch)) return tyType;
    if (Ch == Rules.ThousandSeparator) return tyDrop;
    if (Ch == Rules.DecimalSeparator && Edit.Text.contains(Ch) && !selectionHas(Edit, Ch)) return tyDrop;
    if (Ch == QChar(',') || Ch == QChar('.')) return tyType;
    if (Ch == QChar('-') && Negative) {
        const bool first = Edit.SelStart == 0 && !Edit.Text.contains(Ch);
        return first || selectionHas(Edit, Ch) ? tyType : tyBeep;
    }
    return tyDrop;
}

bool inCharSet(QChar Ch, const TCharSet& Set) { return std::find(Set.begin(), Set.end(), Ch) != Set.end(); }

}  // namespace

bool IsTextEditorKind(TEditorType Kind) {
    switch (Kind) {
    case edNormal: case edNumeric: case edPositiveNumeric: case edFloat: case edCapital: case edMixedCase:
    case edPassword: case edLowerCase: case edUpperCase: case edValidChars: case edPositiveFloat:
        return true;
    default:
        return false;
    }
}

TTypedAnswer FilterTypedChar(TEditorType Kind, QChar& Ch, const TTypedEdit& Edit, const TTypingRules& Rules) {
    switch (Kind) {
    case edNumeric:
        if (isEditingKey(Ch) || isDigit(Ch)) return tyType;
        if (Ch == QChar('-') && !Edit.Text.contains(Ch) && Edit.SelStart == 0) return tyType;
        return tyBeep;
    case edPositiveNumeric:
        return isEditingKey(Ch) || isDigit(Ch) ? tyType : tyBeep;
    case edFloat:
        return filterFloat(true, Ch, Edit, Rules);
    case edPositiveFloat:
        return filterFloat(false, Ch, Edit, Rules);
    case edCapital:
    case edUpperCase:
        Ch = Ch.toUpper();
        return tyType;
    case edLowerCase:
        Ch = Ch.toLower();
        return tyType;
    case edValidChars:
        if (Ch == kBack || Ch == kEnter) return tyType;
        if (!Rules.ValidChars.isEmpty()) return Rules.ValidChars.contains(Ch) ? tyType : tyBeep;
        return Ch.unicode() <= 255 && inCharSet(Ch, Rules.ValidCharSet) ? tyType : tyBeep;
    default:
        return tyType;
    }
}

bool PasteAccepted(TEditorType Kind, QString& Text, const QString& ValidChars) {
    switch (Kind) {
    case edNumeric:
        return NumericType(Text) == 0;
    case edPositiveNumeric:
        return NumericType(Text) == 0 && !Text.contains(QChar('-'));
    case edFloat:
    case edPositiveFloat: {
        const int type = NumericType(Text);
        if (type != 0 && type != 1) return false;
        return Kind == edFloat || !Text.contains(QChar('-'));
    }
    case edMixedCase:
        Text = NameCase(Text);
        return true;
    case edLowerCase:
        Text = Text.toLower();
        return true;
    case edUpperCase:
        Text = Text.toUpper();
        return true;
    case edValidChars:
        return std::all_of(Text.begin(), Text.end(), [&](QChar c) { return ValidChars.contains(c); });
    default:
        return true;
    }
}

QString StripFinalLineBreak(const QString& Text) {
    const qsizetype at = Text.indexOf(QStringLiteral("\r\n"));
    if (at >= 0 && at == Text.size() - 2) return Text.left(at);
    return Text;
}

int FindCompletion(const QStringList& Items, const QString& Prefix, bool CaseSensitive, QString& Completed) {
    const Qt::CaseSensitivity cs = CaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    for (int i = 0; i < Items.size(); ++i) {
        const QString& item = Items.at(i);
        if (!item.startsWith(Prefix, cs)) continue;
        Completed = Prefix + item.mid(Prefix.size(), kMaxCompletion);
        return i;
    }
    return -1;
}
