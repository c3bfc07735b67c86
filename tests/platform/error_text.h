#pragma once
// The message of the error a call throws, for tests that check what a reader reports.

#include <string>

namespace qv::test {

// Calls `f`; returns the what() of the `Error` it throws, or "<no error>".
template <class Error, class F>
std::string errorText(F&& f)
{
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "<no error>";
}

}  // namespace qv::test
