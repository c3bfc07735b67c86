#include "signatures/SortVector.h"

#include <utility>

namespace qv {

SortVector::SortVector(std::unique_ptr<const Compare> compare) : compare(std::move(compare)) {}

void SortVector::add(std::string element)
{
    elements_.push_back(std::move(element));
}

const std::string& SortVector::elementAt(std::size_t index) const
{
    return elements_.at(index);
}

void SortVector::setElementAt(std::string element, std::size_t index)
{
    elements_.at(index) = std::move(element);
}

void SortVector::sort()
{
    quickSort(0, static_cast<std::ptrdiff_t>(size()) - 1);
}

void SortVector::quickSort(std::ptrdiff_t left, std::ptrdiff_t right)
{
    const auto at = [this](std::ptrdiff_t k) -> const std::string& { return elementAt(static_cast<std::size_t>(k)); };
    while (left < right) {
        // The pivot is the last element of the range. It stays in place during the
        // partition: every swap there has both positions below right.
        const std::string& v = at(right);
        std::ptrdiff_t i = left - 1;
        std::ptrdiff_t j = right;
        for (;;) {
            while (compare->lessThan(at(++i), v)) {
            }
            // The scan from the right is bounded by 0, not by left: below left lie only
            // elements that are not greater than this range, so it stops at left - 1 anyway.
            while (j > 0 && !compare->lessThanOE(at(--j), v)) {
            }
            if (i >= j)
                break;
            swap(i, j);
        }
        swap(i, right);
        quickSort(left, i - 1);
        left = i + 1;
    }
}

void SortVector::swap(std::ptrdiff_t i, std::ptrdiff_t j)
{
    std::swap(elements_.at(static_cast<std::size_t>(i)), elements_.at(static_cast<std::size_t>(j)));
}

}  // namespace qv
