#pragma once

#include "platform/core/exception.h"

#include <QString>
#include <gtest/gtest.h>

// Runs f, expecting an Exception, and returns its message.
template <typename F>
QString messageOf(F f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.Message;
    }
    ADD_FAILURE() << "no exception";
    return QString();
}
