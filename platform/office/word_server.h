#pragma once

#include "platform/automation/ole_variant.h"

// The word processor server of this platform, writing .docx documents. Members:
//   application: Documents (Open, Add, Count, Item), ActiveDocument, Selection, Quit, Visible
//   selection:   TypeText, TypeParaGraph, Goto (What, Which, Count, Name), Start, End
//   document:    ShowSpellingErrors, Bookmarks (Exists), Goto, Paragraphs (Add), Range (start,
//                end), Tables (Add (range, rows, columns)), Save, SaveAs, Close,
//                Name, FullName
//   range:       Start, End, Text, InsertAfter, ParagraphFormat (Alignment)
//   table:       Cell (row, column) with Range
// Goto knows the bookmark (What -1, Name) and the last line (What 3, Which -1).
std::shared_ptr<IAutoDispatch> CreateWordApplication();
