#pragma once

#include "profinet/gsdml/gsdml_reading.h"

// Which modules may be plugged into which slots of an access point, and which submodules into
// which subslots of an access point or module. The targets are IDs of the module and submodule
// lists; the slot texts are value lists kept as written. Where FixedInSlots is given the
// network editor takes it and ignores the other two.

class TModulesItemRef : public TArenaObject {
public:
    bool Read_ModulesItemRef(IXMLNode node);

    GSDML_PROPERTY(QString, ModuleItemTarget);
    GSDML_PROPERTY(QString, AllowedInSlots);
    GSDML_PROPERTY(QString, UsedInSlots);
    GSDML_PROPERTY(QString, FixedInSlots);
};

class TUseableModules : public TArenaObject {
public:
    bool Read_UseableModules(IXMLNode node);

    TItemList<TModulesItemRef> ModuleItemRefList;
};

class TSubmoduleItemRef : public TArenaObject {
public:
    bool Read_SubmoduleItemRef(IXMLNode node);

    GSDML_PROPERTY(QString, SubmoduleItemTarget);
    GSDML_PROPERTY(QString, AllowedInSubslots);
    GSDML_PROPERTY(QString, UsedInSubslots);
    GSDML_PROPERTY(QString, FixedInSubslots);
};

class TUseableSubmodules : public TArenaObject {
public:
    bool Read_UseableSubmodules(IXMLNode node);

    TItemList<TSubmoduleItemRef> SubmoduleItemRefList;
};
