#pragma once

#include "platform/controls/form.h"
#include "common/state/dialog_frame.h"

#include <QStringList>

class TListBox;

// Lists the configurations in PROJECTS; the chosen one is Name_Conf after OK.
class TFOpenConf : public TForm, public TDialogFrame {
public:
    explicit TFOpenConf(TComponent* AOwner) : TForm(AOwner) {}

    TLabel* Label1 = nullptr;
    TListBox* ListBox1 = nullptr;
    QStringList SL;
    QString Name_Conf;

    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void ListBox1Click(TObject* Sender);
    // A double click on a configuration opens it, as OK would.
    void ListBox1DblClick(TObject* Sender);
    void Load_Existing_Configuration();
    int Search_Open_Conf(const QString& snc) const;
    void Set_Lang();

protected:
    void Loaded() override;
};

extern TFOpenConf* FOpenConf;
