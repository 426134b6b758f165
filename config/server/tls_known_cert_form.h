#pragma once

#include "config/tables/table_form.h"

class TExStringGrid;

// The TLS certificates the server accepts (TLS_Known_Cert.xml): per row the Enable box, the
// certificate text (a PEM block of several lines) and a description. Every row is accepted.
class TFTLS_Server_Known_Cert : public TTableForm {
public:
    explicit TFTLS_Server_Known_Cert(TComponent* AOwner);

    TExStringGrid* ASG = nullptr;

    void Init_Table();
    QStringList Row_Texts(int Row) override;
    void Set_Row_Texts(int Row, const QStringList& Texts) override;

protected:
    TExStringGrid* Build_Grid(int Left, int Top, int Width, int Height) override;
    QString File_Name() const override;
    void Set_Headers(const QStringList& Headers) override;
    void Delete_Row(int Row) override;
    void Insert_Row(int Row) override;
    void Copy_Row(int Row) override;
    void Paste_Row(int Row) override;
};

extern TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert;
