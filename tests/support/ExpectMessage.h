// Test support: the message of the error an action raises, so that tests assert errors by their exact text.
#pragma once

#include <functional>
#include <string>

#include "barcode/Exception.h"

namespace quillon::testing {

// The message of the error of class E that `action` raises, or "" when it raises none.
template <class E = Exception> std::string MessageOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const E& error) {
        return error.what();
    }
    return "";
}

} // namespace quillon::testing
