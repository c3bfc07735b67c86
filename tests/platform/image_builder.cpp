#include "image_builder.h"

#include <algorithm>
#include <map>
#include <stdexcept>

#include <zlib.h>

#include "platform/runtime_image.h"

namespace qv::test {
namespace {

void putU4(std::string& out, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out += static_cast<char>(v >> (8 * i));
}

void putU8(std::string& out, std::uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        out += static_cast<char>(v >> (8 * i));
}

class Strings {
public:
    Strings() { add(""); }
    std::uint32_t add(const std::string& s)
    {
        if (auto it = offsets_.find(s); it != offsets_.end())
            return it->second;
        const auto offset = static_cast<std::uint32_t>(bytes_.size());
        bytes_ += s;
        bytes_ += '\0';
        offsets_[s] = offset;
        return offset;
    }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::map<std::string, std::uint32_t> offsets_;
};

void putAttribute(std::string& out, int kind, std::uint64_t value)
{
    if (value == 0)
        return;
    int length = 1;
    while (length < 8 && (value >> (8 * length)) != 0)
        ++length;
    out += static_cast<char>(kind << 3 | (length - 1));
    for (int i = length - 1; i >= 0; --i)
        out += static_cast<char>(value >> (8 * i));
}

std::string compressedForm(const std::string& bytes, bool deflate, std::uint32_t decompressorName)
{
    std::string payload = bytes;
    if (deflate) {
        uLongf size = compressBound(bytes.size());
        payload.resize(size);
        compress2(reinterpret_cast<Bytef*>(payload.data()), &size, reinterpret_cast<const Bytef*>(bytes.data()),
                  bytes.size(), 9);
        payload.resize(size);
    }
    std::string out;
    putU4(out, 0xCAFEFAFA);
    putU8(out, payload.size());
    putU8(out, bytes.size());
    putU4(out, decompressorName);
    putU4(out, 0);
    out += '\1';
    return out + payload;
}

std::string fullName(const std::string& module, const std::string& parent, const std::string& base,
                     const std::string& extension)
{
    std::string name;
    if (!module.empty())
        name += "/" + module + "/";
    if (!parent.empty())
        name += parent + "/";
    name += base;
    if (!extension.empty())
        name += "." + extension;
    return name;
}

// Places every name in a table of `length` slots; false when some bucket finds no seed.
bool placeAll(const std::vector<std::string>& names, std::uint32_t length, std::vector<std::int32_t>& redirect,
              std::vector<std::int64_t>& slotOf)
{
    constexpr std::int32_t kMaxSeed = 100000;
    redirect.assign(length, 0);
    slotOf.assign(length, -1);
    std::map<std::uint32_t, std::vector<std::size_t>> buckets;
    for (std::size_t i = 0; i < names.size(); ++i)
        buckets[imageHash(names[i]) % length].push_back(i);
    std::vector<std::pair<std::uint32_t, std::vector<std::size_t>>> ordered(buckets.begin(), buckets.end());
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.second.size() > b.second.size(); });
    for (const auto& [bucket, members] : ordered) {
        if (members.size() == 1) {
            const auto free = std::find(slotOf.begin(), slotOf.end(), -1) - slotOf.begin();
            slotOf[free] = static_cast<std::int64_t>(members[0]);
            redirect[bucket] = static_cast<std::int32_t>(-1 - free);
            continue;
        }
        std::int32_t seed = 1;
        for (; seed <= kMaxSeed; ++seed) {
            std::vector<std::uint32_t> slots;
            for (const std::size_t i : members)
                slots.push_back(imageHash(names[i], static_cast<std::uint32_t>(seed)) % length);
            std::vector<std::uint32_t> unique = slots;
            std::sort(unique.begin(), unique.end());
            if (std::adjacent_find(unique.begin(), unique.end()) != unique.end() ||
                std::any_of(slots.begin(), slots.end(), [&](std::uint32_t s) { return slotOf[s] != -1; }))
                continue;
            for (std::size_t k = 0; k < members.size(); ++k)
                slotOf[slots[k]] = static_cast<std::int64_t>(members[k]);
            redirect[bucket] = seed;
            break;
        }
        if (seed > kMaxSeed)
            return false;
    }
    return true;
}

}  // namespace

void ImageBuilder::addClass(const std::string& module, const std::string& internalName, const std::string& bytes,
                            Storage storage, const std::string& decompressor)
{
    const auto slash = internalName.rfind('/');
    const std::string parent = slash == std::string::npos ? "" : internalName.substr(0, slash);
    const std::string base = slash == std::string::npos ? internalName : internalName.substr(slash + 1);
    addResource(module, parent, base, "class", bytes, storage, decompressor);
    std::string dotted = parent;
    std::replace(dotted.begin(), dotted.end(), '/', '.');
    if (std::find(packages_.begin(), packages_.end(), std::make_pair(dotted, module)) == packages_.end())
        packages_.emplace_back(dotted, module);
}

void ImageBuilder::addResource(const std::string& module, const std::string& parent, const std::string& base,
                               const std::string& extension, const std::string& bytes, Storage storage,
                               const std::string& decompressor)
{
    resources_.push_back({module, parent, base, extension, bytes, storage, decompressor});
}

std::string ImageBuilder::build() const
{
    std::vector<Resource> all = resources_;
    Strings strings;
    // One /packages entry per package, a pair (is empty, module) for each module that has it.
    std::map<std::string, std::string> pairsOf;
    for (const auto& [package, module] : packages_) {
        putU4(pairsOf[package], 0);
        putU4(pairsOf[package], strings.add(module));
    }
    for (const auto& [package, pairs] : pairsOf)
        all.push_back({"packages", "", package, "", pairs, Storage::Stored, ""});

    std::string locations(1, '\0');  // offset 0 is never a real location
    std::string data;
    std::vector<std::uint32_t> locationOf;
    std::vector<std::string> names;
    for (const Resource& r : all) {
        std::string stored = r.bytes;
        std::uint64_t compressed = 0;
        if (r.storage != Storage::Stored) {
            stored = compressedForm(r.bytes, r.storage == Storage::Zip, strings.add(r.decompressor));
            compressed = stored.size();
        }
        locationOf.push_back(static_cast<std::uint32_t>(locations.size()));
        putAttribute(locations, 1, strings.add(r.module));
        putAttribute(locations, 2, strings.add(r.parent));
        putAttribute(locations, 3, strings.add(r.base));
        putAttribute(locations, 4, strings.add(r.extension));
        putAttribute(locations, 5, data.size());
        putAttribute(locations, 6, compressed);
        putAttribute(locations, 7, r.bytes.size());
        locations += '\0';
        data += stored;
        names.push_back(fullName(r.module, r.parent, r.base, r.extension));
    }

    // The perfect hash: buckets of several names get a seed that sends each to a free
    // slot; single names get their slot directly (-1 - slot). The table may be longer
    // than the number of names; when no seed separates a bucket, it grows.
    std::uint32_t length = static_cast<std::uint32_t>(names.size()) | 1;
    std::vector<std::int32_t> redirect;
    std::vector<std::int64_t> slotOf;  // slot -> name index, -1 for a free slot
    while (!placeAll(names, length, redirect, slotOf))
        length += 2;
    std::string image;
    putU4(image, 0xCAFEDADA);
    putU4(image, 1u << 16);
    putU4(image, 0);
    putU4(image, static_cast<std::uint32_t>(names.size()));
    putU4(image, length);
    putU4(image, static_cast<std::uint32_t>(locations.size()));
    putU4(image, static_cast<std::uint32_t>(strings.bytes().size()));
    for (const std::int32_t r : redirect)
        putU4(image, static_cast<std::uint32_t>(r));
    for (const std::int64_t name : slotOf)
        putU4(image, name < 0 ? 0 : locationOf[static_cast<std::size_t>(name)]);  // 0: the empty location
    return image + locations + strings.bytes() + data;
}

}  // namespace qv::test
