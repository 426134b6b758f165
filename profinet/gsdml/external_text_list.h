#pragma once

#include "profinet/gsdml/gsdml_reading.h"

// One text of a language: its id and the text itself.
class TTextItem : public TArenaObject {
public:
    bool Read_TextItem(IXMLNode node);

    GSDML_PROPERTY(QString, TextId);
    GSDML_PROPERTY(QString, Value);
};

// The texts looked up by id; the only language the program shows.
class TPrimaryLanguage : public TArenaObject {
public:
    bool Read_PrimaryLanguage(IXMLNode node);

    TItemList<TTextItem> TextList;
};

// A further language of the file; kept, never looked up.
class TLanguage : public TArenaObject {
public:
    bool Read_Language(IXMLNode node);

    TItemList<TTextItem> TextList;

    GSDML_PROPERTY(QString, Lang);
};

class TExternalTextList : public TArenaObject {
public:
    bool Read_ExternalTextList(IXMLNode node);

    TPrimaryLanguage PrimaryLanguage;
    TItemList<TLanguage> LanguageList;
};
