#pragma once

#include "common/state/text_block_form.h"

// The SNMP trap tables (SNMP_Trap.xml).
class TFSNMP_Trap_Access : public TTextBlockForm {
public:
    explicit TFSNMP_Trap_Access(TComponent* AOwner) : TTextBlockForm(AOwner, 1400, 1486) {}
};

extern TFSNMP_Trap_Access* FSNMP_Trap_Access;
