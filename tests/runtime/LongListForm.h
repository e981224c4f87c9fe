#pragma once

#include <cstdio>
#include <string>

#include "runtime/ComboBox.h"
#include "runtime/Form.h"
#include "runtime/ListBox.h"
#include "runtime/ListView.h"
#include "runtime/TreeView.h"

namespace quillo::testing {

// How many entries a long list holds in the tests.
constexpr int kLongList = 10000;

// A window with one list control of each kind that holds entries added one by one.
class LongListForm : public runtime::Form {
  public:
    LongListForm() : Form("LongLists") {}
    runtime::ComboBox& Combo1 = add<runtime::ComboBox>("Combo1");
    runtime::ListBox& List1 = add<runtime::ListBox>("List1");
    runtime::ListView& LV = add<runtime::ListView>("LV");
    runtime::TreeView& TV = add<runtime::TreeView>("TV");
};

// The text of entry i, numbered so that the entries' order by text is their order by number.
inline std::string EntryText(int i) {
    char text[24];
    std::snprintf(text, sizeof text, "entry %05d", i);
    return text;
}

inline std::string EntryKey(int i) {
    return "K" + std::to_string(i);
}

}  // namespace quillo::testing
