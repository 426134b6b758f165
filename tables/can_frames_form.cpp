#include "tables/can_frames_form.h"

namespace {

constexpr int Client_Height = 337;
constexpr int Mnemonic_Width = 120;

std::vector<TColumn_Def> withBytes(std::vector<TColumn_Def> Columns, int Byte_Width) {
    for (int k = 0; k < CAN_Max_Dimension; ++k) Columns.push_back({Byte_Width, edComboList, {}});
    Columns.push_back({Mnemonic_Width, edNormal, {}});
    return Columns;
}

}  // namespace

TCANFramesForm::TCANFramesForm(TComponent* AOwner, const TTable_Texts& Texts, const TTable_File& File_Shape,
                               int Client_Width, const char* Grid_Name, std::vector<TColumn_Def> Leading,
                               int Byte_Width, const TCAN_Frames_Shape& Shape, int Image_Size)
    : TColumnTableForm(AOwner, Texts, File_Shape, Client_Width, Client_Height, Grid_Name,
                       withBytes(std::move(Leading), Byte_Width)),
      shape_(Shape), imageSize_(Image_Size) {}

void TCANFramesForm::Prepare_Show() {
    MAX_Byte = imageSize_;
    Fill_Positions(shape_.Byte1, shape_.Byte1 + CAN_Max_Dimension - 1, MAX_Byte, true);
}

bool TCANFramesForm::Controllo_dati() { return Report(Check_CAN_Frames(Used_Rows(), shape_, MAX_Byte)); }
