#pragma once
// Where the page of a class lies under the documentation root.

#include <string>
#include <string_view>

namespace qv {

// The page of `className` under `root`, the root used unchanged with "/" after it:
//  1. the flat page, root/java.lang.String.html, when anything exists there;
//  2. otherwise the nested page, root/java/lang/String.html, when it exists;
//  3. otherwise, when the root is not empty, the layouts of later javadoc (module
//     directories, pages of nested classes), the first existing file among them;
//  4. otherwise the nested page all the same, which then fails to open.
std::string choosePagePath(std::string_view root, std::string_view className);

// The page of a class in a tree made by later javadoc, or "" when there is none:
// <root>/<module>/<package path>/<Class>.html, and for nested classes (named with "$" or
// ".") <package path>/<Outer>.<Inner>.html, with and without a module directory.
// Longer package paths are tried first.
std::string laterJavadocPagePath(std::string_view root, std::string_view className);

}  // namespace qv
