#include "grid/stringgrid/editing/editor_kinds.h"

bool IsLiveTextKind(TEditorType Kind) {
    switch (Kind) {
    case edNormal:
    case edNumeric:
    case edPositiveNumeric:
    case edFloat:
    case edCapital:
    case edMixedCase:
    case edPassword:
    case edLowerCase:
    case edUpperCase:
    case edPositiveFloat: return true;
    default: return false;
    }
}

bool IsSpinKind(TEditorType Kind) {
    return Kind == edSpinEdit || Kind == edFloatSpinEdit || Kind == edTimeSpinEdit || Kind == edDateSpinEdit;
}

bool IsComboKind(TEditorType Kind) { return Kind == edComboEdit || Kind == edComboList; }

TEditorType AvailableEditorKind(TEditorType Kind) {
    switch (Kind) {
    case edEditBtn:
    case edMaskEditBtn:
    case edUnitEditBtn: return edNormal;
    case edNumericEditBtn:
    case edNumericUnitEditBtn: return edNumeric;
    case edFloatEditBtn:
    case edFloatUnitEditBtn: return edFloat;
    default: return Kind;
    }
}
