#pragma once
// The public methods of a class as Class.getMethods() computes them on JDK 9 and later.
//
// pub(C) is a list keyed by (name, parameter types). Into it go C's own public methods
// (not constructors), then, for a class, every method of pub(superclass), then every
// non-static method of pub(I) for each direct superinterface I in class-file order.
// Interfaces do not inherit Object's methods. Merging a method m declared by d into the
// list looks at each entry x of the same key and the same return type:
//   d and x's class both classes or both interfaces:
//     d is x's class or a supertype of it   -> m is dropped
//     x's class is a supertype of d         -> x is removed
//     otherwise both stay
//   d an interface, x's class a class       -> m is dropped
//   d a class, x's class an interface       -> x is removed
// and m is appended unless dropped. Different return types are kept side by side.

#include <vector>

#include "platform/class_node.h"

namespace qv {

// pub(C) for a linked class; worked out once and kept in the node.
const std::vector<MemberRef>& publicMethods(const ClassNode& c);

// True when `type` is `of` or one of its superclasses or superinterfaces.
bool isSameOrSupertype(const ClassNode& type, const ClassNode& of);

}  // namespace qv
