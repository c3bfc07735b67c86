#pragma once
// Everything the toolkit calls into runs through guardEvent, so that no exception reaches
// Qt's event loop: a failure abandons the one operation with a line on standard error and
// the window goes on answering.

#include <exception>
#include <iostream>
#include <string_view>

namespace qv {

template <typename Operation>
void guardEvent(std::string_view what, Operation&& operation) noexcept
{
    try {
        operation();
    } catch (const std::exception& e) {
        std::cerr << "Quorvane: " << what << " abandoned: " << e.what() << std::endl;
    } catch (...) {
        std::cerr << "Quorvane: " << what << " abandoned" << std::endl;
    }
}

}  // namespace qv
