#pragma once

#include <QString>

// The text table Lang_List: built-in English texts, overlaid by the chosen language file.

// Rebuilds the table for Language_Name: the built-in texts, then the file Language_Name +
// ".lng" of Language_Dir. Without that file Language_Name becomes "English" and English.lng is
// loaded when there is one. Files are found whatever the case of their names.
void Load_Language();

// Empties Lang_List and appends the built-in texts of ids 0..1999, then those of
// Load_Default_Texts_2; sets Lang_Count to 2600.
void Load_Default_Texts();
// Appends the built-in texts of ids 2000..2599.
void Load_Default_Texts_2();

// Overlays Lang_List with the lines of one language file, in file order:
//   "STR" + id + separator + "=" + text
// after trimming the line. The separator is one blank or tab: a line whose id runs right into
// "=" ("STR12=Hello") is ignored, so its last digit is never taken for the separator. Ids
// outside 0..Lang_Count - 1 and empty texts are ignored; "/#/" starts a comment; a leading
// pilcrow is dropped and the next one ends the text, which keeps the blanks between them.
// A file that cannot be read leaves the table as it is.
void Load_Lang_File(const QString& FileName);

// The language file of a language name in Language_Dir, found whatever the case of its name;
// "" when there is none.
QString Language_File(const QString& Name);
// The flag picture of a language name in Language_Dir (Name + ".bmp", else "DefaultFlag.bmp"),
// found whatever the case of the names; "" when there is neither.
QString Language_Flag_File(const QString& Name);
