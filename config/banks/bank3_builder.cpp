#include "config/banks/bank3_builder.h"

TIEC61850 IEC61850_Data;

void Clear_IEC61850() {
    IEC61850_Data = TIEC61850();
    IEC61850_Data.port = 102;
}

namespace {

// Sizes come from the texts themselves, so that every address names what is written there.
uint32_t utf8Size(const QString& Text) { return uint32_t(Text.toUtf8().size()); }

bool knownCertTablePresent() {
    return IEC61850_Data.TLS_Enable == 1 && IEC61850_Data.TLS_Data.Known_Cert_En == 1;
}

// Addresses of every text; C runs from the start of the bank.
void layoutBank3(uint32_t Base) {
    TIEC61850& d = IEC61850_Data;
    TTLS_Bank& tls = d.TLS_Data;
    const bool table = knownCertTablePresent();
    d.Var_Number = uint32_t(d.Variables.size());
    tls.Known_Cert_Num = uint32_t(tls.Known_Cert.size());

    tls.Known_Cert_Add = Base + Bank3_Head_Size;
    uint32_t c = Bank3_Head_Size + (table ? 8 * tls.Known_Cert_Num : 0);
    d.Var_Add = Base + c;
    const uint32_t zero = c + 32 * d.Var_Number;  // the zero byte after the variable table
    c = zero + 1;

    // Key and certificates point at the zero byte when empty.
    const auto placeLong = [&](const QString& text, uint32_t& address) {
        address = Base + (text.isEmpty() ? zero : c);
        if (!text.isEmpty()) c += utf8Size(text) + 1;
    };
    // Passwords have no address when empty.
    const auto placeShort = [&](const QString& text, uint32_t size, uint32_t& address) {
        address = text.isEmpty() ? 0 : Base + c;
        if (!text.isEmpty()) c += size + 1;
    };
    placeLong(tls.key, tls.key_add);
    placeShort(tls.Key_Password, utf8Size(tls.Key_Password), tls.Key_Password_Add);
    placeLong(tls.Server_Cert.Certificate, tls.Server_Cert.Certificate_Add);
    placeLong(tls.Root_Cert.Certificate, tls.Root_Cert.Certificate_Add);
    placeShort(d.Password, uint32_t(d.Password.size()), d.Password_Add);
    if (table)
        for (TTLS_Certificate& cert : tls.Known_Cert) {
            cert.Certificate_Add = Base + c;
            if (!cert.Certificate.isEmpty()) c += utf8Size(cert.Certificate) + 1;
        }
    for (TIEC61850_Var& v : d.Variables) {
        v.Name_Add = Base + c;
        if (!v.Name.isEmpty()) c += uint32_t(v.Name.size()) + 1;
    }
}

}  // namespace

int Write_UTF8_String(const QString& Text, int Position, TBank_Buffer& Buffer) {
    if (Text.isEmpty()) return Position;
    return Write_U8(Buffer, Write_Bytes(Buffer, Position, Text.toUtf8()), 0);
}

int Write_Byte_String(const QString& Text, int Position, TBank_Buffer& Buffer) {
    if (Text.isEmpty()) return Position;
    QByteArray bytes(Text.size(), '\0');
    for (qsizetype i = 0; i < Text.size(); ++i) bytes[i] = char(Text[i].unicode() & 0xFF);
    return Write_U8(Buffer, Write_Bytes(Buffer, Position, bytes), 0);
}

int Write_Bank3(uint32_t Base, int Position, TBank_Buffer& Buffer) {
    layoutBank3(Base);
    const TIEC61850& d = IEC61850_Data;
    const TTLS_Bank& tls = d.TLS_Data;
    const bool table = knownCertTablePresent();
    int p = Position;
    p = Write_U16_LE(Buffer, p, d.port);
    p = Write_U32_LE(Buffer, p, d.TLS_Enable);
    p = Write_U32_LE(Buffer, p, tls.key_add);
    p = Write_U32_LE(Buffer, p, utf8Size(tls.key));
    p = Write_U32_LE(Buffer, p, tls.Key_Password_Add);
    p = Write_U32_LE(Buffer, p, tls.Server_Cert.Certificate_Add);
    p = Write_U32_LE(Buffer, p, utf8Size(tls.Server_Cert.Certificate));
    p = Write_U32_LE(Buffer, p, tls.Root_Cert.Certificate_Add);
    p = Write_U32_LE(Buffer, p, utf8Size(tls.Root_Cert.Certificate));
    p = Write_U32_LE(Buffer, p, table ? tls.Known_Cert_Num : 0);
    p = Write_U32_LE(Buffer, p, tls.Known_Cert_Add);
    p = Write_U32_LE(Buffer, p, d.Password_Add);
    p = Write_U32_LE(Buffer, p, d.Var_Number);
    p = Write_U32_LE(Buffer, p, d.Var_Add);
    if (table)
        for (const TTLS_Certificate& cert : tls.Known_Cert) {
            p = Write_U32_LE(Buffer, p, cert.Certificate_Add);
            p = Write_U32_LE(Buffer, p, utf8Size(cert.Certificate));
        }
    for (const TIEC61850_Var& v : d.Variables) {
        for (uint32_t field : {v.Name_Add, v.Data_Type, v.Position, v.Start_Bit, v.Length, v.Read_Only})
            p = Write_U32_LE(Buffer, p, field);
        p = Write_Float_LE(Buffer, p, v.Multiplication_Factor);
        p = Write_U16_LE(Buffer, p, v.Operation);
        p = Write_U16_LE(Buffer, p, v.Options);
    }
    p = Write_U8(Buffer, p, 0);
    p = Write_UTF8_String(tls.key, p, Buffer);
    p = Write_UTF8_String(tls.Key_Password, p, Buffer);
    p = Write_UTF8_String(tls.Server_Cert.Certificate, p, Buffer);
    p = Write_UTF8_String(tls.Root_Cert.Certificate, p, Buffer);
    p = Write_Byte_String(d.Password, p, Buffer);
    if (table)
        for (const TTLS_Certificate& cert : tls.Known_Cert) p = Write_UTF8_String(cert.Certificate, p, Buffer);
    for (const TIEC61850_Var& v : d.Variables) p = Write_Byte_String(v.Name, p, Buffer);
    return p;
}
