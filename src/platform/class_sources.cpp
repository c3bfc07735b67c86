// The class path element readers: a runtime image, a jmod, a jar or zip, a directory.

#include <fstream>
#include <unordered_map>

#include "platform/ClassReflection.h"
#include "platform/class_source.h"
#include "platform/mapped_file.h"
#include "platform/runtime_image.h"
#include "platform/zip_archive.h"

namespace qv {
namespace {

constexpr std::string_view kClassSuffix = ".class";
constexpr std::string_view kJmodClassesPrefix = "classes/";
// Class files are far smaller; this bounds what a strange file can make us allocate.
constexpr std::uintmax_t kMaxClassFileSize = 256u << 20;
// How many bytes of an image's classes are read between two releases of its mapped
// pages. The kernel maps neighbouring pages along with each one touched, so releasing
// each class's own pages is not enough; releasing the whole resource area now and then
// keeps the resident size of a run over every class bounded.
constexpr std::size_t kImageReleaseInterval = 8u << 20;

[[noreturn]] void failIn(const std::string& where, const std::exception& e)
{
    throw ClassLibraryError(where + ": " + e.what());
}

bool isClassEntry(std::string_view name)
{
    return name.ends_with(kClassSuffix) && !name.ends_with("module-info.class");
}

class ImageSource : public ClassSource {
public:
    explicit ImageSource(const std::filesystem::path& file) : file_(file), mapped_(file)
    {
        try {
            image_.emplace(mapped_.bytes());
        } catch (const FormatError& e) {
            failIn(file_.string(), e);
        }
    }

    bool read(std::string_view internalName, ClassBytes& out) override
    {
        try {
            const std::size_t slash = internalName.rfind('/');
            if (slash == std::string_view::npos)
                return false;  // the image holds no class outside a package
            const auto module = moduleOf(internalName.substr(0, slash));
            if (module.empty())
                return false;
            std::string name;
            name.reserve(module.size() + internalName.size() + 8);
            ((name += '/') += module) += '/';
            (name += internalName) += kClassSuffix;
            const auto location = image_->find(name);
            if (!location)
                return false;
            out.bytes = image_->read(*location, out.buffer);
            return true;
        } catch (const FormatError& e) {
            failIn(describe(internalName), e);
        }
    }

    void release(const ClassBytes& bytes) override
    {
        readSinceRelease_ += bytes.bytes.size();
        if (readSinceRelease_ >= kImageReleaseInterval) {
            mapped_.release(image_->resources());
            readSinceRelease_ = 0;
        }
    }

    void forEachClass(const std::function<void(std::string_view)>& visit) override
    {
        try {
            std::string name;
            for (std::uint32_t slot = 0; slot < image_->slotCount(); ++slot) {
                const auto location = image_->locationAt(slot);
                const auto module = image_->string(location.module);
                if (image_->string(location.extension) != "class" || module.empty() || module == "modules" ||
                    module == "packages")
                    continue;
                const auto base = image_->string(location.base);
                if (base == "module-info")
                    continue;
                name = image_->string(location.parent);
                if (!name.empty())
                    name += '/';
                name += base;
                visit(name);
            }
        } catch (const FormatError& e) {
            failIn(file_.string(), e);
        }
    }

    std::string describe(std::string_view internalName) const override
    {
        return file_.string() + ": " + std::string(internalName) + ".class";
    }

private:
    // The module of a package (java/lang), remembered per package.
    std::string_view moduleOf(std::string_view packagePath)
    {
        std::string key(packagePath);
        if (auto found = modules_.find(key); found != modules_.end())
            return found->second;
        std::string dotted = key;
        for (char& c : dotted)
            if (c == '/')
                c = '.';
        const auto module = image_->moduleOfPackage(dotted).value_or(std::string_view());
        modules_.emplace(std::move(key), module);
        return module;
    }

    std::filesystem::path file_;
    MappedFile mapped_;
    std::optional<RuntimeImage> image_;
    std::unordered_map<std::string, std::string_view> modules_;
    std::size_t readSinceRelease_ = 0;
};

class ZipSource : public ClassSource {
public:
    ZipSource(const std::filesystem::path& file, std::string_view entryPrefix) : file_(file), prefix_(entryPrefix)
    {
        try {
            archive_.emplace(ZipArchive::openFile(file));
        } catch (const FormatError& e) {
            failIn(file_.string(), e);
        }
    }

    bool read(std::string_view internalName, ClassBytes& out) override
    {
        try {
            const auto index = archive_->find(entryName(internalName));
            if (!index)
                return false;
            archive_->read(*index, out.buffer);
            out.bytes = out.buffer;
            return true;
        } catch (const FormatError& e) {
            failIn(describe(internalName), e);
        }
    }

    void forEachClass(const std::function<void(std::string_view)>& visit) override
    {
        archive_->forEachName([&](std::string_view name) {
            if (name.starts_with(prefix_) && isClassEntry(name))
                visit(name.substr(prefix_.size(), name.size() - prefix_.size() - kClassSuffix.size()));
        });
    }

    std::string describe(std::string_view internalName) const override
    {
        return file_.string() + ": " + entryName(internalName);
    }

private:
    std::string entryName(std::string_view internalName) const
    {
        std::string name = prefix_;
        (name += internalName) += kClassSuffix;
        return name;
    }

    std::filesystem::path file_;
    std::string prefix_;
    std::optional<ZipArchive> archive_;
};

class DirectorySource : public ClassSource {
public:
    explicit DirectorySource(const std::filesystem::path& directory) : directory_(directory) {}

    bool read(std::string_view internalName, ClassBytes& out) override
    {
        const auto file = fileOf(internalName);
        std::error_code error;
        const auto status = std::filesystem::status(file, error);
        if (!std::filesystem::is_regular_file(status))
            return false;
        const auto size = std::filesystem::file_size(file, error);
        if (error)
            throw ClassLibraryError(file.string() + ": cannot read: " + error.message());
        if (size > kMaxClassFileSize)
            throw ClassLibraryError(file.string() + ": class file too large (" + std::to_string(size) + " bytes)");
        std::ifstream in(file, std::ios::binary);
        out.buffer.resize(size);
        in.read(reinterpret_cast<char*>(out.buffer.data()), static_cast<std::streamsize>(size));
        if (!in || in.gcount() != static_cast<std::streamsize>(size))
            throw ClassLibraryError(file.string() + ": cannot read");
        out.bytes = out.buffer;
        return true;
    }

    void forEachClass(const std::function<void(std::string_view)>& visit) override
    {
        std::error_code error;
        for (auto it = std::filesystem::recursive_directory_iterator(directory_, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            const std::string relative = it->path().lexically_relative(directory_).generic_string();
            if (isClassEntry(relative) && it->is_regular_file())
                visit(std::string_view(relative).substr(0, relative.size() - kClassSuffix.size()));
        }
        if (error)
            throw ClassLibraryError(directory_.string() + ": cannot list: " + error.message());
    }

    std::string describe(std::string_view internalName) const override { return fileOf(internalName).string(); }

private:
    std::filesystem::path fileOf(std::string_view internalName) const
    {
        std::string relative(internalName);
        relative += kClassSuffix;
        return directory_ / relative;
    }

    std::filesystem::path directory_;
};

class FailingSource : public ClassSource {
public:
    explicit FailingSource(std::string message) : message_(std::move(message)) {}
    bool read(std::string_view, ClassBytes&) override { throw ClassLibraryError(message_); }
    void forEachClass(const std::function<void(std::string_view)>&) override { throw ClassLibraryError(message_); }
    std::string describe(std::string_view) const override { return message_; }

private:
    std::string message_;
};

}  // namespace

std::unique_ptr<ClassSource> openClassSource(const std::filesystem::path& path, SourceKind kind)
{
    switch (kind) {
    case SourceKind::RuntimeImage:
        return std::make_unique<ImageSource>(path);
    case SourceKind::Jmod:
        return std::make_unique<ZipSource>(path, kJmodClassesPrefix);
    case SourceKind::Zip:
        return std::make_unique<ZipSource>(path, "");
    case SourceKind::Directory:
        return std::make_unique<DirectorySource>(path);
    }
    return nullptr;
}

std::unique_ptr<ClassSource> failingClassSource(std::string message)
{
    return std::make_unique<FailingSource>(std::move(message));
}

}  // namespace qv
