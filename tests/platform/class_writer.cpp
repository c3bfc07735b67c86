#include "class_writer.h"

#include <map>

namespace qv::test {
namespace {

void u1(std::string& out, unsigned v) { out += static_cast<char>(v & 0xFF); }
void u2(std::string& out, unsigned v)
{
    u1(out, v >> 8);
    u1(out, v);
}
void u4(std::string& out, std::uint32_t v)
{
    u2(out, v >> 16);
    u2(out, v & 0xFFFF);
}

class Pool {
public:
    std::uint16_t utf8(const std::string& s)
    {
        if (auto it = utf8_.find(s); it != utf8_.end())
            return it->second;
        u1(bytes_, 1);
        u2(bytes_, static_cast<unsigned>(s.size()));
        bytes_ += s;
        return utf8_[s] = next_++;
    }
    std::uint16_t cls(const std::string& name)
    {
        if (auto it = classes_.find(name); it != classes_.end())
            return it->second;
        const std::uint16_t nameIndex = utf8(name);
        u1(bytes_, 7);
        u2(bytes_, nameIndex);
        return classes_[name] = next_++;
    }
    std::uint16_t count() const { return next_; }
    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::map<std::string, std::uint16_t> utf8_, classes_;
    std::uint16_t next_ = 1;
};

}  // namespace

std::string writeClass(const ClassDraft& draft)
{
    Pool pool;
    std::string body;
    u2(body, draft.flags);
    u2(body, pool.cls(draft.name));
    u2(body, draft.superName.empty() ? 0 : pool.cls(draft.superName));
    u2(body, static_cast<unsigned>(draft.interfaces.size()));
    for (const auto& i : draft.interfaces)
        u2(body, pool.cls(i));
    u2(body, 0);  // fields
    u2(body, static_cast<unsigned>(draft.methods.size()));
    for (const auto& m : draft.methods) {
        u2(body, m.flags);
        u2(body, pool.utf8(m.name));
        u2(body, pool.utf8(m.descriptor));
        if (m.exceptions.empty()) {
            u2(body, 0);
            continue;
        }
        u2(body, 1);
        u2(body, pool.utf8("Exceptions"));
        u4(body, static_cast<std::uint32_t>(2 + 2 * m.exceptions.size()));
        u2(body, static_cast<unsigned>(m.exceptions.size()));
        for (const auto& e : m.exceptions)
            u2(body, pool.cls(e));
    }
    u2(body, 0);  // class attributes

    std::string out;
    u4(out, 0xCAFEBABE);
    u2(out, 0);
    u2(out, 52);
    u2(out, pool.count());
    return out + pool.bytes() + body;
}

}  // namespace qv::test
