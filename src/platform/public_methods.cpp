#include "platform/public_methods.h"

#include <functional>
#include <unordered_map>

namespace qv {
namespace {

struct Key {
    const char* name;
    const char* parameters;
    bool operator==(const Key&) const = default;
};

struct KeyHash {
    std::size_t operator()(const Key& k) const
    {
        return std::hash<const void*>()(k.name) * 31 ^ std::hash<const void*>()(k.parameters);
    }
};

// The keyed list of pub(C). The names and parameter lists are interned, so a key is the
// pair of their addresses; entries of one key are chained in insertion order.
class MethodMerger {
public:
    void merge(MemberRef m)
    {
        const Key key{m.method->name.data(), m.method->parameters.data()};
        auto [head, isNew] = heads_.try_emplace(key, static_cast<int>(entries_.size()));
        int last = -1;
        if (!isNew) {
            for (int i = head->second; i >= 0; last = i, i = entries_[i].next) {
                Entry& x = entries_[i];
                if (!x.alive || x.ref.method->returnType.data() != m.method->returnType.data())
                    continue;
                const ClassNode& d = *m.owner;
                const ClassNode& xd = *x.ref.owner;
                if (d.isInterface() == xd.isInterface()) {
                    if (isSameOrSupertype(d, xd))
                        return;  // x is the same method or overrides m
                    if (isSameOrSupertype(xd, d))
                        x.alive = false;  // m overrides x
                } else if (d.isInterface()) {
                    return;  // a class's method beats an interface's
                } else {
                    x.alive = false;
                }
            }
        }
        entries_.push_back(Entry{m, -1, true});
        if (last >= 0)
            entries_[last].next = static_cast<int>(entries_.size() - 1);
    }

    std::vector<MemberRef> result() const
    {
        std::vector<MemberRef> out;
        out.reserve(entries_.size());
        for (const Entry& e : entries_)
            if (e.alive)
                out.push_back(e.ref);
        return out;
    }

private:
    struct Entry {
        MemberRef ref;
        int next;
        bool alive;
    };
    std::vector<Entry> entries_;
    std::unordered_map<Key, int, KeyHash> heads_;
};

bool reaches(const ClassNode& type, const ClassNode& from, std::vector<const ClassNode*>& seen)
{
    if (&type == &from)
        return true;
    for (const ClassNode* s : seen)
        if (s == &from)
            return false;
    seen.push_back(&from);
    if (from.superclass && reaches(type, *from.superclass, seen))
        return true;
    for (const ClassNode* i : from.interfaces)
        if (reaches(type, *i, seen))
            return true;
    return false;
}

}  // namespace

bool isSameOrSupertype(const ClassNode& type, const ClassNode& of)
{
    std::vector<const ClassNode*> seen;
    return reaches(type, of, seen);
}

const std::vector<MemberRef>& publicMethods(const ClassNode& c)
{
    if (c.publicMethods)
        return *c.publicMethods;
    MethodMerger merger;
    for (const MethodInfo& m : c.info.methods)
        if (!m.isConstructor())
            merger.merge({&c, &m});
    if (!c.isInterface() && c.superclass)
        for (const MemberRef& m : publicMethods(*c.superclass))
            merger.merge(m);
    for (const ClassNode* i : c.interfaces)
        for (const MemberRef& m : publicMethods(*i))
            if ((m.method->flags & access::kStatic) == 0)
                merger.merge(m);
    c.publicMethods = merger.result();
    return *c.publicMethods;
}

}  // namespace qv
