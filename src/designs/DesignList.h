#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quillo {

// The saved-design list "DesignData.inf": one "name~address" line per design, each ended by
// CR LF. A name never holds "~", so everything after the first "~" is the address, which may.

struct SavedDesign {
    std::string Name;
    std::string Address;
};

// The list file in the program folder.
std::string DesignListPath();

// The entries of a list text in file order; empty lines are skipped.
std::vector<SavedDesign> ReadDesignList(const std::string& Text);

// The first entry of that name (compared exactly).
std::optional<SavedDesign> FindSavedDesign(const std::string& Text, const std::string& Name);

// The list text without the entries of that name, every remaining line ended by CR LF.
std::string RemoveSavedDesign(const std::string& Text, const std::string& Name);

// A name as it is saved: without surrounding spaces, "~" or line breaks.
std::string CleanDesignName(const std::string& Name);

}  // namespace quillo
