// Runtime-image reader: any bytes give an image or a FormatError; look-ups, listing and
// reading (inflating included) of whatever the index says never read out of bounds.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/runtime_image.h"

namespace {

// Enough to reach every slot of the small images the corpus holds, bounded for big ones.
constexpr std::uint32_t kMaxSlots = 4096;

void tryEverything(const qv::RuntimeImage& image)
{
    std::vector<std::uint8_t> buffer;
    for (const char* name : {"/java.base/java/lang/Object.class", "/m/p/A.class", "/packages/p"}) {
        try {
            if (const auto location = image.find(name))
                image.read(*location, buffer);
        } catch (const qv::FormatError&) {
        }
    }
    try {
        (void)image.moduleOfPackage("p");
    } catch (const qv::FormatError&) {
    }
    for (std::uint32_t slot = 0; slot < image.slotCount() && slot < kMaxSlots; ++slot) {
        try {
            const auto location = image.locationAt(slot);
            const std::string name = image.fullName(location);
            (void)image.find(name);
            image.read(location, buffer);
        } catch (const qv::FormatError&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    try {
        const qv::RuntimeImage image({data, size});
        tryEverything(image);
    } catch (const qv::FormatError&) {
    }
    return 0;
}
