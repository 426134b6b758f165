#pragma once

#include "platform/core/exception.h"

// The error the string grid raises for typed access and bad indexes.
class VEriRodiVizev : public Exception {
public:
    using Exception::Exception;
};
