#pragma once

#include <map>
#include <stdexcept>
#include <string>

namespace quillo::runtime {

class Control;
class Form;

// Controls that share a name and differ by Index. Elements are created by the form; indices need
// not be contiguous.
template <class T>
class ControlArray {
  public:
    ControlArray(Form& form, std::string name, Control* container)
        : form_(&form), name_(std::move(name)), container_(container) {}

    T& operator()(int index) const {
        auto found = elements_.find(index);
        if (found == elements_.end())
            throw std::out_of_range("control array " + name_ + " has no element " +
                                    std::to_string(index));
        return *found->second;
    }
    bool contains(int index) const { return elements_.count(index) != 0; }
    int Count() const { return static_cast<int>(elements_.size()); }
    int LBound() const { return elements_.empty() ? 0 : elements_.begin()->first; }
    int UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }
    const std::string& Name() const { return name_; }

    // Creates the element with this index (Load of a control array element).
    T& Load(int index);
    // Removes the element with this index (Unload of a control array element).
    void Unload(int index);

    auto begin() const { return elements_.begin(); }
    auto end() const { return elements_.end(); }

  private:
    Form* form_;
    std::string name_;
    Control* container_;
    std::map<int, T*> elements_;
};

}  // namespace quillo::runtime
