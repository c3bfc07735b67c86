#pragma once
// A growable vector of texts that sorts itself in place with a quicksort driven by the
// Compare it was built with. The sort is not stable: elements that compare equal end up
// in the order its exact steps give (for two equal elements A, B: B, A).

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "signatures/Compare.h"

namespace qv {

class SortVector {
public:
    explicit SortVector(std::unique_ptr<const Compare> compare);

    void add(std::string element);
    // Positions run from 0 to size() - 1; others throw std::out_of_range.
    const std::string& elementAt(std::size_t index) const;
    void setElementAt(std::string element, std::size_t index);
    std::size_t size() const { return elements_.size(); }

    // Sorts all elements in place.
    void sort();

private:
    // Sorts the elements at positions left to right (signed: a range may be empty at 0).
    void quickSort(std::ptrdiff_t left, std::ptrdiff_t right);
    void swap(std::ptrdiff_t i, std::ptrdiff_t j);

    std::vector<std::string> elements_;
    std::unique_ptr<const Compare> compare;  // set by the constructor, never changed
};

}  // namespace qv
