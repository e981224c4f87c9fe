#pragma once

#include <string>
#include <vector>

namespace quillo {

// The skin list text: names each ended by Chr(2); a written list ends with CR LF.
constexpr char kSkinEntryEnd = '\x02';

// Text without its CR LF pairs; a lone CR or LF stays.
std::string WithoutLineBreaks(const std::string& text);
// The entries of a skin list text, in order, empty ones included.
std::vector<std::string> SkinListEntries(const std::string& text);
// A name is listed when one whole entry is that name, letter case aside: "Sea" is not listed in
// "DeepSea".
bool SkinListed(const std::string& listText, const std::string& name);
// The list with every entry equal to oldName (letter case aside) replaced by newName, or dropped
// when newName is empty. Whole entries only, so a name that ends another one leaves it alone.
std::string ReplaceSkinEntries(const std::string& listText, const std::string& oldName,
                               const std::string& newName);
// A name that can be a folder of the skins folder and an entry of the lists: not empty, not "."
// or "..", no separator, no control character (Chr(2) and CR LF end entries) and no "<" or ">"
// (they close the descriptor's and rn418.ini's brackets).
bool IsSafeSkinName(const std::string& name);

}  // namespace quillo
