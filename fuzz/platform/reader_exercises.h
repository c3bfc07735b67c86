#pragma once
// What the fuzz targets do with their input, shared with the regression test that replays
// the inputs that once failed. Each returns how many FormatErrors the reader reported;
// any other outcome (a crash, another exception) is a fault.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/class_file.h"
#include "platform/member_text.h"
#include "platform/runtime_image.h"
#include "platform/zip_archive.h"

namespace qv::fuzz {

// Parses a class file and writes the signature text of every public member.
inline int exerciseClassFile(Bytes bytes)
{
    StringPool pool;
    try {
        const ClassFileInfo info = parseClassFile(bytes, pool);
        for (const MethodInfo& m : info.methods)
            (void)(m.isConstructor() ? constructorText(info, m) : methodText(info, m));
    } catch (const FormatError&) {
        return 1;
    }
    return 0;
}

// Opens an image, looks up a few names, then lists, looks up and reads (inflating
// included) what every slot says, up to a bound.
inline int exerciseRuntimeImage(Bytes bytes)
{
    constexpr std::uint32_t kMaxSlots = 4096;
    int errors = 0;
    try {
        const RuntimeImage image(bytes);
        std::vector<std::uint8_t> buffer;
        for (const char* name : {"/java.base/java/lang/Object.class", "/m/p/A.class", "/packages/p"}) {
            try {
                if (const auto location = image.find(name))
                    image.read(*location, buffer);
            } catch (const FormatError&) {
                ++errors;
            }
        }
        try {
            (void)image.moduleOfPackage("p");
        } catch (const FormatError&) {
            ++errors;
        }
        for (std::uint32_t slot = 0; slot < image.slotCount() && slot < kMaxSlots; ++slot) {
            try {
                const auto location = image.locationAt(slot);
                (void)image.find(image.fullName(location));
                image.read(location, buffer);
            } catch (const FormatError&) {
                ++errors;
            }
        }
    } catch (const FormatError&) {
        ++errors;
    }
    return errors;
}

// Opens an archive (a stub in front allowed), lists it and reads its entries, up to a bound.
inline int exerciseZipArchive(Bytes bytes)
{
    constexpr std::size_t kMaxEntries = 256;
    int errors = 0;
    try {
        const auto archive = ZipArchive::openBytes(bytes);
        std::vector<std::string> names;
        archive.forEachName([&](std::string_view name) {
            if (names.size() < kMaxEntries)
                names.emplace_back(name);
        });
        std::vector<std::uint8_t> buffer;
        for (const std::string& name : names) {
            try {
                if (const auto index = archive.find(name))
                    archive.read(*index, buffer);
            } catch (const FormatError&) {
                ++errors;
            }
        }
    } catch (const FormatError&) {
        ++errors;
    }
    return errors;
}

}  // namespace qv::fuzz
