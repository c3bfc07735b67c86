#pragma once
// The order of member signature texts by member name.

#include <string_view>

#include "signatures/Compare.h"

namespace qv {

// The sort key of a member signature text: the text between the last "." before the last
// "(" and that "(": the method name, or a constructor's simple class name with any outer
// class kept (DefaultEditorKit$CopyAction). For a constructor of a class outside any
// package it is the whole text before the "(" ("public Foo"). A text without "(" (never a
// signature text) is keyed as if it ended with one.
std::string_view memberSortKey(std::string_view signature);

// Keys compare as the platform compares strings (UTF-16 code units); texts with equal keys
// compare equal, so overloads and the constructors of a class are equal.
class StringCompare : public Compare {
public:
    StringCompare() = default;
    bool lessThan(const std::string& a, const std::string& b) const override;
    bool lessThanOE(const std::string& a, const std::string& b) const override;
};

}  // namespace qv
