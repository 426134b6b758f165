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

bool IsEditButtonKind(TEditorType Kind) {
    return Kind == edEditBtn || Kind == edNumericEditBtn || Kind == edFloatEditBtn || Kind == edMaskEditBtn;
}

bool IsUnitKind(TEditorType Kind) {
    return Kind == edUnitEditBtn || Kind == edNumericUnitEditBtn || Kind == edFloatUnitEditBtn;
}

bool IsDateKind(TEditorType Kind) { return Kind == edDateEdit || Kind == edDateEditUpDown || Kind == edTimeEdit; }

TEditorType AvailableEditorKind(TEditorType Kind) { return Kind; }
