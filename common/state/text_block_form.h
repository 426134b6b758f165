#pragma once

#include "platform/controls/form.h"
#include "common/state/dialog_frame.h"

#include <QStringList>

// A dialog that stands in its place in the program before its own controls are built: it has
// the common frame, owns its block of text ids and applies them in Set_Lang.
class TTextBlockForm : public TForm, public TDialogFrame {
public:
    TTextBlockForm(TComponent* AOwner, int firstTextId, int lastTextId, const char* fontName = "Verdana");

    virtual void Set_Lang();
    // The texts of the block as last applied.
    const QStringList& Block_Texts() const { return blockTexts_; }

protected:
    void Loaded() override;
    virtual void FormCreate(TObject* Sender);

private:
    int firstId_;
    int lastId_;
    const char* fontName_;
    QStringList blockTexts_;
};
