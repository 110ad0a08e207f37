// A 1-based dynamic array as the calculation state uses them: no elements until re-created,
// and re-creating with a new upper bound discards the old contents and zeroes every element.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <vector>

namespace tubewise {

template <typename T>
class OneBasedArray {
  public:
    // Discards the contents; afterwards indices 1..upper exist and hold T{} (zero).
    void Redim(int upper) { values_.assign(upper > 0 ? static_cast<std::size_t>(upper) : 0, T{}); }

    // Discards the contents; afterwards indices 1..(last - first) hold first[0], first[1] ...
    void Assign(const T* first, const T* last) { values_.assign(first, last); }

    int UpperBound() const { return static_cast<int>(values_.size()); }
    bool IsEmpty() const { return values_.empty(); }

    // Index outside 1..UpperBound() throws std::out_of_range ("subscript out of range").
    T& operator()(int i) { return values_.at(Slot(i)); }
    const T& operator()(int i) const { return values_.at(Slot(i)); }

    // Unchecked access for hot loops that have validated their bounds; data()[0] is element 1.
    T* data() { return values_.data(); }
    const T* data() const { return values_.data(); }

  private:
    static std::size_t Slot(int i) {
        if (i < 1) throw std::out_of_range("subscript out of range");
        return static_cast<std::size_t>(i - 1);
    }
    std::vector<T> values_;
};

}  // namespace tubewise
