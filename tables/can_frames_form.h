#pragma once

#include "config/tables/column_table_form.h"
#include "tables/can_frames_check.h"

// What the two CAN frames windows share: 512 rows keyed by the COB-ID, the frame format list,
// the eight byte columns whose drop-downs offer "None" and the data image's positions (filled
// afresh at every showing), a description column last, and the frame checks.
// The data rows of both frames tables.
inline constexpr int CAN_Frames_Rows = 512;

class TCANFramesForm : public TColumnTableForm {
public:
    // Leading: the definitions of columns 0 .. the last before the byte columns.
    TCANFramesForm(TComponent* AOwner, const TTable_Texts& Texts, const TTable_File& File_Shape, int Client_Width,
                   const char* Grid_Name, std::vector<TColumn_Def> Leading, int Byte_Width,
                   const TCAN_Frames_Shape& Shape, int Image_Size);

    // The size of the data image the byte positions point into.
    int MAX_Byte = 0;

    bool Controllo_dati() override;

protected:
    void Prepare_Show() override;

private:
    const TCAN_Frames_Shape& shape_;
    int imageSize_;
};

// The frame formats the Type column offers.
inline const QStringList CAN_Types{QStringLiteral("2.0A (11 bits)"), QStringLiteral("2.0B (29 bits)")};
