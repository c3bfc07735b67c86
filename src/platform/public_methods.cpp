#include "platform/public_methods.h"

#include <cstdint>

namespace qv {
namespace {

// The keyed list of pub(C). Names and parameter lists are interned, so a key is the pair
// of their addresses. An open-addressing table maps a key to its first entry; entries of
// one key are chained in insertion order. One merger is reused for every class.
class MethodMerger {
public:
    void reset(std::size_t expected)
    {
        entries_.clear();
        std::size_t size = 16;
        while (size < 2 * expected)
            size *= 2;
        heads_.assign(size, -1);
    }

    void merge(MemberRef m)
    {
        const std::size_t mask = heads_.size() - 1;
        std::size_t slot = hashOf(*m.method) & mask;
        while (heads_[slot] >= 0 && !sameKey(entries_[heads_[slot]].ref, m))
            slot = (slot + 1) & mask;
        int last = -1;
        for (int i = heads_[slot]; i >= 0; last = i, i = entries_[i].next) {
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
        const int added = static_cast<int>(entries_.size());
        entries_.push_back(Entry{m, -1, true});
        if (last >= 0)
            entries_[last].next = added;
        else
            heads_[slot] = added;
    }

    std::vector<MemberRef> result() const
    {
        std::size_t alive = 0;
        for (const Entry& e : entries_)
            alive += e.alive;
        std::vector<MemberRef> out;
        out.reserve(alive);
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

    static std::size_t hashOf(const MethodInfo& m)
    {
        const auto a = reinterpret_cast<std::uintptr_t>(m.name.data());
        const auto b = reinterpret_cast<std::uintptr_t>(m.parameters.data());
        return (a * 0x9E3779B97F4A7C15ull ^ b) * 0xC2B2AE3D27D4EB4Full >> 17;
    }
    static bool sameKey(const MemberRef& x, const MemberRef& m)
    {
        return x.method->name.data() == m.method->name.data() &&
               x.method->parameters.data() == m.method->parameters.data();
    }

    std::vector<Entry> entries_;
    std::vector<int> heads_;
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
    // The supertypes' lists first: the merger below is shared and must not be re-entered.
    const std::vector<MemberRef>* inherited = !c.isInterface() && c.superclass ? &publicMethods(*c.superclass) : nullptr;
    std::vector<const std::vector<MemberRef>*> fromInterfaces;
    fromInterfaces.reserve(c.interfaces.size());
    std::size_t expected = c.info.methods.size() + (inherited ? inherited->size() : 0);
    for (const ClassNode* i : c.interfaces) {
        fromInterfaces.push_back(&publicMethods(*i));
        expected += fromInterfaces.back()->size();
    }

    static thread_local MethodMerger merger;
    merger.reset(expected);
    for (const MethodInfo& m : c.info.methods)
        if (!m.isConstructor())
            merger.merge({&c, &m});
    if (inherited)
        for (const MemberRef& m : *inherited)
            merger.merge(m);
    for (const auto* list : fromInterfaces)
        for (const MemberRef& m : *list)
            if ((m.method->flags & access::kStatic) == 0)
                merger.merge(m);
    c.publicMethods = merger.result();
    return *c.publicMethods;
}

}  // namespace qv
