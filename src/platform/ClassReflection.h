#pragma once
// The class reflection seam: find a class of a Java class library by name and list its
// public members as the platform's reflection would (Class.forName, getMethods,
// getConstructors, Method.toString). The class-file reader implements it for real class
// libraries; tests use a table-driven double (tests/support/FakeClassReflection.h).

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qv {

// No class of that name exists in the library.
class ClassNotFoundError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The library, or a class file the look-up needed, is missing, unreadable or broken.
// The message is one line naming the file and the problem.
class ClassLibraryError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A public method or constructor of a class.
class ReflectedMember {
public:
    explicit ReflectedMember(std::string signature) : signature_(std::move(signature)) {}
    // The member's signature text, as Method.toString() or Constructor.toString() writes it.
    const std::string& toString() const { return signature_; }

private:
    std::string signature_;
};

class ReflectedClass {
public:
    virtual ~ReflectedClass() = default;
    // The binary name (java.util.Map$Entry).
    virtual std::string getName() const = 0;
    // Public methods, inherited ones included, each once. May throw ClassLibraryError.
    virtual std::vector<ReflectedMember> getMethods() const = 0;
    // The class's own public constructors. May throw ClassLibraryError.
    virtual std::vector<ReflectedMember> getConstructors() const = 0;
};

class ClassReflection {
public:
    virtual ~ClassReflection() = default;
    // Finds a class by its binary name or the dotted form of a nested class
    // (java.util.Map.Entry). Throws ClassNotFoundError when there is none and
    // ClassLibraryError when the library is broken.
    virtual std::shared_ptr<const ReflectedClass> forName(std::string_view name) = 0;
};

// The signature texts of a class's public constructors, then of its public methods, in
// the order the library lists them.
std::vector<std::string> signatureTexts(const ReflectedClass& cls);
std::vector<std::string> signatureTexts(const std::vector<ReflectedMember>& constructors,
                                        const std::vector<ReflectedMember>& methods);

// Whether a library holds a class; Unknown when asking failed for another reason.
enum class ClassPresence { Present, Absent, Unknown };

ClassPresence classPresence(ClassReflection& library, std::string_view name);

}  // namespace qv
