#pragma once

class TXMLDocument;

// Builds the three bank images of the open configuration in memory, reading its project files
// through XML (the main window's document, left loaded with the last file read). A malformed
// file or a configuration too large for its bank raises Exception: nothing is then written
// and the update must not go on.
void Create_Bin(TXMLDocument& XML);
void Create_Bin_Data(TXMLDocument& XML);
