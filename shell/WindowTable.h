// A window's table together with where each of its rows lands in the window's struct of typed
// controls, so that handlers reach their controls by member and a misspelt name does not compile.
#pragma once

#include <QWidget>
#include <array>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "shell/Layout.h"

namespace tubewise {

// The elements First..Last of a control array, by the index the table gives them (txtn(1..5)).
// An index outside the array, or one the table has no row for, is a programming error and
// throws std::out_of_range rather than handing out a null control.
template <class W, int First, int Last>
class ControlArray {
    static_assert(First <= Last);

  public:
    static constexpr int kFirst = First;
    static constexpr int kLast = Last;

    W* operator[](int index) const {
        W* w = items_[Slot(index)];
        if (!w) throw std::out_of_range("no control at index " + std::to_string(index));
        return w;
    }
    void set(int index, W* w) { items_[Slot(index)] = w; }

  private:
    static std::size_t Slot(int index) {
        if (index < First || index > Last)
            throw std::out_of_range("control array index " + std::to_string(index) + " outside " +
                                    std::to_string(First) + ".." + std::to_string(Last));
        return static_cast<std::size_t>(index - First);
    }
    std::array<W*, Last - First + 1> items_{};
};

// C is the window's struct of typed controls. Rows are listed front to back, as the builder
// stacks them; a row added without a member is one no handler reaches (pictures, rules, fixed
// captions).
template <class C>
class WindowTable {
  public:
    explicit WindowTable(WindowSpec window) : spec_(std::move(window)) {}

    template <class W>
    WindowTable& add(W* C::*member, ControlSpec row) {
        binders_.push_back([member, row](C& controls, QWidget* widget) {
            controls.*member = Cast<W>(widget, row);
        });
        spec_.controls.push_back(std::move(row));
        return *this;
    }
    // An element of a control array, at the row's own index.
    template <class W, int First, int Last>
    WindowTable& add(ControlArray<W, First, Last> C::*member, ControlSpec row) {
        binders_.push_back([member, row](C& controls, QWidget* widget) {
            (controls.*member).set(row.index, Cast<W>(widget, row));
        });
        spec_.controls.push_back(std::move(row));
        return *this;
    }
    WindowTable& add(ControlSpec row) {
        binders_.emplace_back();
        spec_.controls.push_back(std::move(row));
        return *this;
    }

    const WindowSpec& spec() const { return spec_; }

    // The typed controls of a window built from spec(): `built` holds the widget of each row
    // (nullptr for rows that make none). A row whose widget is not of its member's kind throws
    // std::logic_error, which is a programming error in the table.
    C Bind(const std::vector<QWidget*>& built) const {
        if (built.size() != binders_.size())
            throw std::logic_error("window " + spec_.name + " was not built from its table");
        C controls{};
        for (std::size_t i = 0; i < binders_.size(); ++i)
            if (binders_[i]) binders_[i](controls, built[i]);
        return controls;
    }

  private:
    template <class W>
    static W* Cast(QWidget* widget, const ControlSpec& row) {
        if (auto* w = qobject_cast<W*>(widget)) return w;
        throw std::logic_error(
            "control " + row.name +
            (row.index < 0 ? std::string() : "(" + std::to_string(row.index) + ")") +
            " is not of the kind its member holds");
    }

    WindowSpec spec_;
    std::vector<std::function<void(C&, QWidget*)>> binders_;  // one per row, empty if unbound
};

}  // namespace tubewise
