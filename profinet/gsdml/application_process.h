#pragma once

#include <memory>

#include "profinet/gsdml/external_text_list.h"
#include "profinet/gsdml/gsdml_reading.h"

// The device's access points, modules, submodules and the lists they refer to. Each list
// exists only when the file has its element; readers of a decoded tree test for that.
class TApplicationProcess : public TObject {
public:
    bool Read_ApplicationProcess(IXMLNode node);

    std::unique_ptr<TExternalTextList> ExternalTextList;
};
