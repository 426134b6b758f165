#pragma once

// The one catalog of PROFINET device descriptions, filled by the loader thread at start.
class TPROFINET_Catalog {
public:
    TPROFINET_Catalog() = default;
    TPROFINET_Catalog(const TPROFINET_Catalog&) = delete;
    TPROFINET_Catalog& operator=(const TPROFINET_Catalog&) = delete;
};

extern TPROFINET_Catalog* PROFINET_Catalog_Obj;
