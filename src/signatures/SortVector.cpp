#include "signatures/SortVector.h"

#include <tuple>
#include <utility>
#include <vector>

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
    // Each partition sorts its lower part first, then goes on with its upper part. The upper
    // parts wait here, latest first, in the order a recursion would take them up: the steps
    // are the same, but a long run of already sorted elements cannot exhaust the stack.
    std::vector<std::pair<std::ptrdiff_t, std::ptrdiff_t>> upperParts;
    for (;;) {
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
            upperParts.emplace_back(i + 1, right);
            right = i - 1;
        }
        if (upperParts.empty())
            return;
        std::tie(left, right) = upperParts.back();
        upperParts.pop_back();
    }
}

void SortVector::swap(std::ptrdiff_t i, std::ptrdiff_t j)
{
    std::swap(elements_.at(static_cast<std::size_t>(i)), elements_.at(static_cast<std::size_t>(j)));
}

}  // namespace qv
