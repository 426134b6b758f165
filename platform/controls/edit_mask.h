#pragma once

#include <QString>
#include <QVector>

// An edit mask: what each place of a masked field takes, and how its text is read back.
//
// The mask text has up to three fields split by ";": the places, the save-literals flag and
// the blank character ("000-000;0;_").
// - Places: "0" a required digit, "9" an optional digit, "#" an optional digit or sign,
//   "L" a required letter, "l" an optional letter, "A" a required letter or digit, "a" an
//   optional one, "C" any required character, "c" any optional one; ">" turns the letters of
//   the places after it to upper case, "<" to lower case, "<>" ends the conversion; "\" makes
//   the next character a literal; "_" is a literal blank; "!" marks optional places as
//   leading and takes no place; every other character is a literal shown as it is.
// - Save-literals: "0" leaves the literals out of the text read back; anything else, or no
//   field, keeps them.
// - Blank: the character an empty place shows; "_" when the field is missing or empty.
struct TEditMask {
    enum TPlaceKind { pkLiteral, pkDigit, pkDigitOrSign, pkLetter, pkLetterOrDigit, pkAny };
    enum TPlaceCase { pcAsTyped, pcUpper, pcLower };
    struct TPlace {
        TPlaceKind Kind = pkLiteral;
        bool Required = false;
        TPlaceCase Case = pcAsTyped;
        // The character a literal place shows.
        QChar Literal;
    };

    QVector<TPlace> Places;
    bool SaveLiterals = true;
    QChar Blank = QChar('_');

    bool IsEmpty() const { return Places.isEmpty(); }
    int Length() const { return static_cast<int>(Places.size()); }
    bool IsInput(int Pos) const { return Pos >= 0 && Pos < Length() && Places[Pos].Kind != pkLiteral; }
    // The first place at or after Pos that takes input; Length() when there is none.
    int NextInput(int Pos) const;
    // The last place at or before Pos that takes input; -1 when there is none.
    int PreviousInput(int Pos) const;
    // Whether Ch may stand at the input place Pos; Ch is turned to the place's case first.
    bool Accepts(int Pos, QChar& Ch) const;

    // The text the field shows for a value: the value's characters fill the input places in
    // order (a character equal to the literal of the place it meets stands for that literal),
    // a blank or a character the place does not take leaves it empty.
    QString Format(const QString& Value) const;
    // The value of a shown text: empty places read as blanks (spaces), the literals kept or
    // left out by the save-literals flag. A text with no place filled reads back empty.
    QString ReadBack(const QString& Shown) const;
    // Where typing goes on in a shown text: the input place after the last filled one (the
    // end when that was the last), or the first input place when none is filled.
    int TextEnd(const QString& Shown) const;
    // Every required place of the shown text is filled.
    bool Complete(const QString& Shown) const;
};

TEditMask ParseEditMask(const QString& Mask);
