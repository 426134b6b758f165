#pragma once

#include "config/tables/table_form.h"

class TExColumnGrid;

// The PROFINET slaves of the gateway (PROFINET_Master.xml): per row the Enable box, the
// slave's address, the gateway's input and output areas for it, its poll time, its name of
// station, its input and output byte counts and a description. No step of this build opens it.
class TFPROFINET_Master_Access : public TTableForm {
public:
    explicit TFPROFINET_Master_Access(TComponent* AOwner);

    enum TColumn {
        mcNumber, mcEnable, mcIPAddress, mcStartInput, mcNumInput, mcStartOutput, mcNumOutput, mcTimePoll,
        mcNameOfStation, mcProfinetNumInput, mcProfinetNumOutput, mcMnemonic, mcCount
    };

    TExColumnGrid* ACG = nullptr;
    // Limits of the sums of the Num Input and Num Output columns, set on every showing.
    int Num_Byte_In = 0;
    int Num_Byte_Out = 0;

    bool Controllo_dati() override;
    QStringList Row_Texts(int Row) override;
    void Set_Row_Texts(int Row, const QStringList& Texts) override;

protected:
    TExStringGrid* Build_Grid(int Left, int Top, int Width, int Height) override;
    void Init_Table() override;
    QString File_Name() const override;
    void Set_Headers(const QStringList& Headers) override;
    void Prepare_Show() override;
    void Paste_Row(int Row) override;
};

// PROFINET_Master.xml: the root, the attributes in column order and their defaults.
extern const TTable_File PROFINET_Master_File;

extern TFPROFINET_Master_Access* FPROFINET_Master_Access;
