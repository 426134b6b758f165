#pragma once

#include "grid/stringgrid/inplace/typing_filter.h"

// The groups of editor kinds the editing life cycle tells apart.

// Kinds edited in the grid's own text editor: IsTextEditorKind of the typing filter.
// Text kinds whose editor text follows into the cell while typing (edValidChars does not).
bool IsLiveTextKind(TEditorType Kind);
bool IsSpinKind(TEditorType Kind);
bool IsComboKind(TEditorType Kind);
bool IsEditButtonKind(TEditorType Kind);
bool IsUnitKind(TEditorType Kind);
// The kinds of the date picker: edDateEdit, edDateEditUpDown and edTimeEdit.
bool IsDateKind(TEditorType Kind);
// Kinds whose editor controls this build does not have: the kind the edit opens with instead.
// Rich-text kinds open without a control (nothing is written).
TEditorType AvailableEditorKind(TEditorType Kind);
