// libFuzzer target: see reader_exercises.h for what is done with each input.

#include <cstddef>
#include <cstdint>

#include "reader_exercises.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    (void)qv::fuzz::exerciseClassFile({data, size});
    return 0;
}
