#pragma once

#include <span>

// One built-in English text of the text table.
struct TDefaultText {
    int Id;
    const char* Text;  // UTF-8, blanks at either end belong to the text
};

// The built-in English texts in ascending id order, each id once. Every id of the table that is
// not listed holds a single blank.
std::span<const TDefaultText> Default_Texts();
