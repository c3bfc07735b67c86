#pragma once
// Builds small runtime images (the lib/modules format) in memory, with the image's own
// perfect hash, stored or compressed resources and the /packages directory, so that the
// image reader can be tested on images that show one thing each.

#include <cstdint>
#include <string>
#include <vector>

namespace qv::test {

class ImageBuilder {
public:
    // How a resource is stored: as it is, deflated by the "zip" decompressor, or behind a
    // header naming another decompressor.
    enum class Storage { Stored, Zip, Named };

    // Adds /module/internalName.class and records its package in /packages.
    void addClass(const std::string& module, const std::string& internalName, const std::string& bytes,
                  Storage storage = Storage::Stored, const std::string& decompressor = "zip");
    // Adds a resource by its parts (any may be empty).
    void addResource(const std::string& module, const std::string& parent, const std::string& base,
                     const std::string& extension, const std::string& bytes, Storage storage = Storage::Stored,
                     const std::string& decompressor = "zip");

    std::string build() const;

private:
    struct Resource {
        std::string module, parent, base, extension, bytes;
        Storage storage;
        std::string decompressor;
    };
    std::vector<Resource> resources_;
    std::vector<std::pair<std::string, std::string>> packages_;  // dotted package, module
};

}  // namespace qv::test
