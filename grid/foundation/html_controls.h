#pragma once

#include <QString>

// The form controls written in a formatted text as <CONTROL TYPE="..." ID="..." ...> tags, read
// and changed by the grid that lets the user operate them. A control's tag starts at
// "<CONTROL " (any case, with the space) and runs to the next ">"; controls are visited in
// the order they are written, and IDs compare with exact case.

// The attributes of one control tag. Missing attributes are empty.
struct THTMLControlTag {
    QString Type;    // upper-cased: EDIT, PASSWORD, MASK, COMBO, CHECK, RADIO or BUTTON
    QString ID;
    QString MaxLen;
    QString Prop;    // entities decoded
    QString Height;
    QString Width;
    QString Value;   // entities decoded
};

// Whether the text holds "<CONTROL" in any case.
bool HasHTMLControl(const QString& HTML);
// Each attribute from the first occurrence of its name and "=" (any case) in TagText, the text
// after "<CONTROL": the text between the next two double quotes.
THTMLControlTag ParseHTMLControlTag(const QString& TagText);
// The VALUE of the control with that ID; false, leaving Value as it was, when there is none.
bool GetHTMLControlValue(const QString& HTML, const QString& ID, QString& Value);
// The PROP of the control with that ID; empty when there is none.
QString GetHTMLControlProp(const QString& HTML, const QString& ID);
// The MAXLEN of the control with that ID as a number; 0 when there is none or it is no number.
int GetHTMLControlMaxLen(const QString& HTML, const QString& ID);
// The ID of the first editable control (not BUTTON, CHECK or RADIO) after the one with that ID,
// or from the start when ID is empty; empty when there is none.
QString GetNextHTMLControlID(const QString& HTML, const QString& ID);
// The text with every RADIO control's VALUE set to "FALSE".
QString ClearHTMLRadioControls(const QString& HTML);
// Writes the control with that ID anew with the value: ID, VALUE, WIDTH, TYPE (upper-cased),
// and PROP and MAXLEN when they are not empty; other attributes, HEIGHT among them, go. False,
// with the text unchanged, when no control has that ID.
bool SetHTMLControlValue(QString& HTML, const QString& ID, const QString& Value);
