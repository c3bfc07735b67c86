#pragma once
// One element of a class path: something that holds class files by internal name
// (java/lang/String). Each kind of holder has its own reader behind this interface.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/byte_reader.h"

namespace qv {

// The bytes of one class file: a view into a mapped image, or into `buffer`.
struct ClassBytes {
    Bytes bytes;
    std::vector<std::uint8_t> buffer;
};

class ClassSource {
public:
    virtual ~ClassSource() = default;
    // Reads the class file of `internalName` into `out`; false when this source has no
    // such class. Throws ClassLibraryError naming the file and the problem.
    virtual bool read(std::string_view internalName, ClassBytes& out) = 0;
    // Tells the source that the bytes last read are no longer needed.
    virtual void release(const ClassBytes&) {}
    // Calls `visit` with the internal name of every class the source holds.
    virtual void forEachClass(const std::function<void(std::string_view)>& visit) = 0;
    // Where a class of this source comes from, for messages: the file, and the entry in it.
    virtual std::string describe(std::string_view internalName) const = 0;
};

enum class SourceKind { RuntimeImage, Jmod, Zip, Directory };

// Opens a class path element of the given kind. Throws ClassLibraryError.
std::unique_ptr<ClassSource> openClassSource(const std::filesystem::path& path, SourceKind kind);

// A source whose every use throws ClassLibraryError with `message` (a library that could
// not be found or opened).
std::unique_ptr<ClassSource> failingClassSource(std::string message);

}  // namespace qv
