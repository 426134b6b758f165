#pragma once

#include <QString>
#include <array>

// How an element of ParGen.xml holds its value.
enum TParGen_Value {
    pvText,         // a field's text, as the field holds it
    pvFlag_Exact,   // "1" or "0"; on only when the text is exactly "1"
    pvFlag_Number,  // "1" or "0"; on when the text is the whole number 1, off for another number
};

struct TParGen_Element {
    const char* Name;
    const char* Default;  // for flags "1" (on) or "0" (off)
    TParGen_Value Value;
};

// The root element; readers take the first node of the document whatever its name.
inline constexpr char ParGen_Root[] = "Par_Gen";
// The comment that follows the root element.
inline constexpr char ParGen_Version_Comment[] = "SW_VERSION = 1.001";

// The elements of the general parameters, in the order they are written.
extern const std::array<TParGen_Element, 22> ParGen_Elements;

// A flag's state from its element: Found false for a missing element. A missing element, or a
// text that is not a number where a number is expected, gives the element's default.
bool ParGen_Flag(const TParGen_Element& Element, bool Found, const QString& Text);
