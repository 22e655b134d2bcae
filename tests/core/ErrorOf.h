#pragma once
// The German text a data-model call throws, or "(no error)", so a test
// compares the exact message the user would be shown.
#include <string>

#include "core/CFehler.h"

template <class F>
std::string ErrorOf(F&& f)
{
    try {
        f();
    } catch (const CFehler& e) {
        return e.what();
    }
    return "(no error)";
}
