#pragma once

#include "shell/common/text_block_form.h"

// The TLS certificates the server accepts (TLS_Known_Cert.xml).
class TFTLS_Server_Known_Cert : public TTextBlockForm {
public:
    explicit TFTLS_Server_Known_Cert(TComponent* AOwner) : TTextBlockForm(AOwner, 2500, 2521) {}
};

extern TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert;
