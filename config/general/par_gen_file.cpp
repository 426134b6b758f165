#include "config/general/par_gen_file.h"

#include "platform/system/regional.h"

const std::array<TParGen_Element, 22> ParGen_Elements{{
    {"PROFINET_Master_IP1", "192", pvText},
    {"PROFINET_Master_IP2", "168", pvText},
    {"PROFINET_Master_IP3", "0", pvText},
    {"PROFINET_Master_IP4", "10", pvText},
    {"PROFINET_Master_SM1", "255", pvText},
    {"PROFINET_Master_SM2", "255", pvText},
    {"PROFINET_Master_SM3", "255", pvText},
    {"PROFINET_Master_SM4", "0", pvText},
    {"PROFINET_Master_GAT1", "192", pvText},
    {"PROFINET_Master_GAT2", "168", pvText},
    {"PROFINET_Master_GAT3", "0", pvText},
    {"PROFINET_Master_GAT4", "1", pvText},
    {"PROFINET_Master_EN_GAT", "0", pvFlag_Exact},
    {"PROFINET_Master_NAME_STA", "devicename1", pvText},
    {"IEC61850_Server_Port", "102", pvText},
    {"IEC61850_Server_Password", "", pvText},
    {"TLS_Server_Enable", "0", pvFlag_Number},
    {"TLS_Server_Key", "", pvText},
    {"TLS_Server_Key_Password", "", pvText},
    {"TLS_Server_Server_Certificate", "", pvText},
    {"TLS_Server_Root_Certificate", "", pvText},
    {"TLS_Server_Enable_Known_Cert", "0", pvFlag_Number},
}};

bool ParGen_Flag(const TParGen_Element& Element, bool Found, const QString& Text) {
    const bool fallback = QLatin1String(Element.Default) == QLatin1String("1");
    if (!Found) return fallback;
    if (Element.Value == pvFlag_Exact) return Text == QLatin1String("1");
    int value = 0;
    return TryStrToInt(Text, value) ? value == 1 : fallback;
}
