#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "profinet/gsdml/profile_body.h"
#include "profinet/gsdml/profile_header.h"

// One GSDML device description, decoded once into a tree that it owns and that is only read
// afterwards. A caller that needs the file again decodes it into a new TGSDML.
class TGSDML : public TObject {
public:
    TGSDML() = default;

    // Reads GSDML_Path + GSDML_FileName (the path ends with its separator). False for a
    // missing file (the object stays as it was), a root other than "ISO15745Profile" and any
    // element that fails to read; what was read stays in the tree. A file that is not
    // well-formed XML raises the parser's Exception.
    bool Decode_GSDML(const QString& GSDML_Path, const QString& GSDML_FileName);

    // The primary-language text with id Str; Str itself when there is none.
    QString GetString_ExternalTextList(const QString& Str) const;

    // The non-negative numbers of a blank-separated list, in text order, into ArrValueList;
    // tokens that are no such number are passed over.
    bool GetValuesFromValueList(const QString& ValueList);

    const QString& GSDML_FileName() const { return FGSDML_FileName; }
    const QString& GSDML_Path() const { return FGSDML_Path; }

private:
    // The memory of the objects below the header and the body; declared before them so that it
    // goes after them.
    TreeArena FArena;

public:
    TProfileHeader ProfileHeader;
    TProfileBody ProfileBody;
    std::vector<int32_t> ArrValueList;

private:
    QString FGSDML_FileName;
    QString FGSDML_Path;
};
