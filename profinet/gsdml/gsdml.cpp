#include "profinet/gsdml/gsdml.h"

#include <new>

#include "platform/system/files.h"

namespace {

// Blanks and control characters go from both ends.
QStringView trimmed(QStringView text) {
    while (!text.isEmpty() && text.front().unicode() <= u' ') text = text.sliced(1);
    while (!text.isEmpty() && text.back().unicode() <= u' ') text.chop(1);
    return text;
}

}  // namespace

bool TGSDML::Decode_GSDML(const QString& GSDML_Path, const QString& GSDML_FileName) {
    const QString fileName = GSDML_Path + GSDML_FileName;
    const auto keepNames = [&] {
        FGSDML_FileName = GSDML_FileName;
        FGSDML_Path = GSDML_Path;
    };
    const TreeArena::Use arena(FArena);
    // Lives for this call only, so nothing of the document outlasts it, even on an error.
    TXMLDocument Xml1(nullptr);
    try {
        Xml1.LoadFromFile(fileName);
    } catch (...) {
        // Whether the file is there is asked only when it could not be loaded, which spares a
        // look-up of the path per file; a file that is there passes its error on.
        if (!FileExists(fileName)) return false;
        keepNames();
        throw;
    }
    keepNames();
    const IXMLNode profile = Xml1.ChildNodes().FindNode("ISO15745Profile");
    const IXMLNode header = Child(profile, "ProfileHeader");
    if (!header || !ProfileHeader.Read_ProfileHeader(header)) return false;
    const IXMLNode body = Child(profile, "ProfileBody");
    return body && ProfileBody.Read_ProfileBody(body);
}

QString TGSDML::GetString_ExternalTextList(const QString& Str) const {
    const TExternalTextList* texts = ProfileBody.ApplicationProcess.ExternalTextList.get();
    if (!texts) return Str;
    for (const auto& item : texts->PrimaryLanguage.TextList)
        if (item->TextId() == Str) return item->Value();
    return Str;
}

bool TGSDML::GetValuesFromValueList(const QString& ValueList) {
    ArrValueList.clear();
    try {
        QStringView rest = ValueList;
        while (!rest.isEmpty()) {
            QStringView token = rest;
            rest = QStringView();
            if (const qsizetype blank = token.indexOf(u' '); blank >= 0) {
                rest = trimmed(token.sliced(blank + 1));
                token = token.first(blank);
            }
            const int value = GSDML_To_Integer(trimmed(token).toString(), -1);
            if (value >= 0) ArrValueList.push_back(value);
        }
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}
