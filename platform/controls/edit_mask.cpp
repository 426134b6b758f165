#include "platform/controls/edit_mask.h"

#include <QStringList>

#include <algorithm>

namespace {

// The mask's fields, split at every ";" that no "\" escapes.
QStringList maskFields(const QString& Mask) {
    QStringList fields{QString()};
    for (qsizetype i = 0; i < Mask.size(); ++i) {
        const QChar ch = Mask.at(i);
        if (ch == QChar('\\') && i + 1 < Mask.size()) {
            fields.last() += ch;
            fields.last() += Mask.at(++i);
        } else if (ch == QChar(';')) {
            fields << QString();
        } else {
            fields.last() += ch;
        }
    }
    return fields;
}

bool isSign(QChar Ch) { return Ch == QChar('+') || Ch == QChar('-'); }

}  // namespace

TEditMask ParseEditMask(const QString& Mask) {
    TEditMask mask;
    const QStringList fields = maskFields(Mask);
    if (fields.size() > 1) mask.SaveLiterals = fields.at(1) != QStringLiteral("0");
    if (fields.size() > 2 && !fields.at(2).isEmpty()) mask.Blank = fields.at(2).at(0);
    const QString places = fields.at(0);
    TEditMask::TPlaceCase letterCase = TEditMask::pcAsTyped;
    for (qsizetype i = 0; i < places.size(); ++i) {
        const QChar ch = places.at(i);
        TEditMask::TPlace place;
        place.Case = letterCase;
        switch (ch.unicode()) {
        case '!': continue;
        case '>': letterCase = TEditMask::pcUpper; continue;
        case '<':
            if (i + 1 < places.size() && places.at(i + 1) == QChar('>')) {
                ++i;
                letterCase = TEditMask::pcAsTyped;
            } else {
                letterCase = TEditMask::pcLower;
            }
            continue;
        case '\\':
            if (i + 1 >= places.size()) continue;
            place.Literal = places.at(++i);
            break;
        case '_': place.Literal = QChar(' '); break;
        case '0': place.Kind = TEditMask::pkDigit; place.Required = true; break;
        case '9': place.Kind = TEditMask::pkDigit; break;
        case '#': place.Kind = TEditMask::pkDigitOrSign; break;
        case 'L': place.Kind = TEditMask::pkLetter; place.Required = true; break;
        case 'l': place.Kind = TEditMask::pkLetter; break;
        case 'A': place.Kind = TEditMask::pkLetterOrDigit; place.Required = true; break;
        case 'a': place.Kind = TEditMask::pkLetterOrDigit; break;
        case 'C': place.Kind = TEditMask::pkAny; place.Required = true; break;
        case 'c': place.Kind = TEditMask::pkAny; break;
        default: place.Literal = ch; break;
        }
        mask.Places << place;
    }
    return mask;
}

int TEditMask::NextInput(int Pos) const {
    for (int i = std::max(Pos, 0); i < Length(); ++i)
        if (IsInput(i)) return i;
    return Length();
}

int TEditMask::PreviousInput(int Pos) const {
    for (int i = std::min(Pos, Length() - 1); i >= 0; --i)
        if (IsInput(i)) return i;
    return -1;
}

bool TEditMask::Accepts(int Pos, QChar& Ch) const {
    if (!IsInput(Pos)) return false;
    const TPlace& place = Places.at(Pos);
    if (place.Case == pcUpper) Ch = Ch.toUpper();
    if (place.Case == pcLower) Ch = Ch.toLower();
    // Digits are the plain ones: a field for numbers takes no other script's digits.
    const bool digit = Ch >= QChar('0') && Ch <= QChar('9');
    switch (place.Kind) {
    case pkDigit: return digit;
    case pkDigitOrSign: return digit || isSign(Ch);
    case pkLetter: return Ch.isLetter();
    case pkLetterOrDigit: return Ch.isLetter() || digit;
    case pkAny: return Ch.unicode() >= 0x20;
    case pkLiteral: return false;
    }
    return false;
}

QString TEditMask::Format(const QString& Value) const {
    QString shown;
    qsizetype next = 0;
    for (int i = 0; i < Length(); ++i) {
        const TPlace& place = Places.at(i);
        if (place.Kind == pkLiteral) {
            if (next < Value.size() && Value.at(next) == place.Literal) ++next;
            shown += place.Literal;
            continue;
        }
        QChar ch = next < Value.size() ? Value.at(next++) : Blank;
        if (ch == QChar(' ') || ch == Blank || !Accepts(i, ch)) ch = Blank;
        shown += ch;
    }
    return shown;
}

QString TEditMask::ReadBack(const QString& Shown) const {
    QString value;
    bool filled = false;
    for (int i = 0; i < Length(); ++i) {
        const QChar ch = i < Shown.size() ? Shown.at(i) : Blank;
        if (!IsInput(i)) {
            if (SaveLiterals) value += Places.at(i).Literal;
            continue;
        }
        const bool empty = ch == Blank;
        filled = filled || !empty;
        value += empty ? QChar(' ') : ch;
    }
    return filled ? value : QString();
}

int TEditMask::TextEnd(const QString& Shown) const {
    int last = -1;
    for (int i = 0; i < Length() && i < Shown.size(); ++i)
        if (IsInput(i) && Shown.at(i) != Blank) last = i;
    return NextInput(last + 1);
}

bool TEditMask::Complete(const QString& Shown) const {
    for (int i = 0; i < Length(); ++i)
        if (IsInput(i) && Places.at(i).Required && (i >= Shown.size() || Shown.at(i) == Blank)) return false;
    return true;
}
