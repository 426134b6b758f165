#include "config/server/tls_known_cert_form.h"

#include "config/tables/row_operations.h"
#include "grid/stringgrid/model/ex_string_grid.h"
#include "common/state/program_state.h"

TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;

namespace {

constexpr int Row_Height = 60;  // several lines of a certificate show

struct TColumnLook {
    int Width;
    TColor Color;
};
constexpr TColumnLook Column_Looks[] = {{40, clNone}, {50, TColor(11589887)}, {500, TColor(16710368)}, {160, TColor(16777215)}};

const TTable_Texts Texts{2500, 0, 2521, {2514, 2515, 2516, 2517}, {2518, 2519, 2520}, 2522};

}  // namespace

TFTLS_Server_Known_Cert::TFTLS_Server_Known_Cert(TComponent* AOwner)
    : TTableForm(AOwner, Texts, TLS_Known_Cert_File, 800, 337) {}

TExStringGrid* TFTLS_Server_Known_Cert::Build_Grid(int Left, int Top, int Width, int Height) {
    ASG = new TExStringGrid(this);
    ASG->Name = "ASG";
    ASG->SetBounds(Left, Top, Width, Height);
    ASG->SetParent(this);
    Set_Grid_Fonts(*ASG);
    return ASG;
}

void TFTLS_Server_Known_Cert::Init_Table() {
    ASG->SetColCount(4);
    ASG->SetRowCount(TLS_Known_Cert_File.Rows + 1);
    ASG->SetOptions(ASG->Options() | goEditing | goColSizing | goRowSizing);
    for (int c = 0; c < 4; ++c) {
        ASG->SetCellEx(c, 0, Lang(2514 + c));
        ASG->SetColWidths(c, Column_Looks[c].Width);
    }
    ASG->AddCheckBoxColumn(1, true, false);
    for (int r = 1; r <= TLS_Known_Cert_File.Rows; ++r) {
        ASG->SetRowHeights(r, Row_Height);
        ASG->SetCellEx(0, r, QString::number(r));
        for (int c = 1; c < 4; ++c) ASG->SetColors(c, r, Column_Looks[c].Color);
        ASG->SetAlignments(1, r, taCenter);
    }
}

QString TFTLS_Server_Known_Cert::File_Name() const { return File_TLS_Known_Cert; }

void TFTLS_Server_Known_Cert::Set_Headers(const QStringList& Headers) {
    for (int c = 0; c < Headers.size(); ++c) ASG->SetCellEx(c, 0, Headers[c]);
}

QStringList TFTLS_Server_Known_Cert::Row_Texts(int Row) {
    bool checked = false;
    const bool hasBox = ASG->GetCheckBoxState(1, Row, checked);
    return {hasBox && checked ? QStringLiteral("Y") : QStringLiteral("N"), ASG->GetCellEx(2, Row), ASG->GetCellEx(3, Row)};
}

void TFTLS_Server_Known_Cert::Set_Row_Texts(int Row, const QStringList& Texts) {
    // Only "N" unchecks: a missing attribute and any other text leave the row enabled.
    ASG->SetCheckBoxState(1, Row, Texts.value(0) != QLatin1String("N"));
    ASG->SetCellEx(2, Row, Texts.value(1));
    ASG->SetCellEx(3, Row, Texts.value(2));
}

void TFTLS_Server_Known_Cert::Delete_Row(int Row) { Grid_Delete_Row_Check(Row, *ASG, true); }
void TFTLS_Server_Known_Cert::Insert_Row(int Row) { Grid_Insert_Row_Check(Row, *ASG, true); }
void TFTLS_Server_Known_Cert::Copy_Row(int Row) { Grid_Copy_Row_Check(*ASG, Row); }
void TFTLS_Server_Known_Cert::Paste_Row(int Row) { Grid_Paste_Row_Check(*ASG, Row, Do_Copy); }
