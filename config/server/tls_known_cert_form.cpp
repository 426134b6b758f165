#include "config/server/tls_known_cert_form.h"

TFTLS_Server_Known_Cert* FTLS_Server_Known_Cert = nullptr;
