#pragma once

class TXMLDocument;

// The two tables of bank 3, read from the project files into IEC61850_Data through XML (left
// loaded with the file). Only rows whose Enable is exactly "Y" are taken; a missing file gives
// an empty table and a malformed one raises the parser's exception. A file whose rows its
// window cannot show (more rows than the table holds, a row with an empty key amid filled
// ones) raises Exception naming it.

// File_IEC61850_Variables: the server variables, each attribute falling back to its default
// when missing or unreadable.
void Read_IEC61850_Variables_Bin(TXMLDocument& XML);

// File_TLS_Known_Cert: the known client certificates, whatever the TLS settings; bank 3 holds
// them only when TLS and known certificates are both on.
void Read_TLS_Known_Cert_Bin(TXMLDocument& XML);
