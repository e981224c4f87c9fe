#pragma once

#include <string>

namespace quillo {

// Where a save keeps a skin's old folder while the new one takes its place: skins/tz3tz3temp.old.
// Beside it, tz3tz3temp.old.name holds the name of the skin folder it stands for, written before
// the folder moves, so that whatever step a save ends at, the folder can go back where it
// belongs. A folder aside is deleted only once the skin it stands for is whole in its place: its
// folder is there with its descriptor.
class SkinAside {
  public:
    // skinsFolder ends with "/".
    explicit SkinAside(std::string skinsFolder);

    // Puts the folder aside back in its place when that place is empty; otherwise it stays.
    // True when no folder is aside afterwards.
    bool putBack();
    // As putBack, and a folder aside whose skin is whole in its place goes. True when no folder
    // is aside afterwards.
    bool settle();
    // Moves the skin folder at the path (as it is on disk) aside, noting its name first; false,
    // moving nothing, when a folder is aside already or a step fails.
    bool take(const std::string& folder);

  private:
    // putBack for the skin folder of that name (empty when it cannot be told).
    bool putBack(const std::string& name);
    bool occupied() const;
    // The name of the skin folder the folder aside stands for; empty when it cannot be told.
    std::string standsFor() const;
    bool whole(const std::string& name) const;
    void forgetName() const;

    std::string skins_;
    std::string aside_;
    std::string note_;
};

}  // namespace quillo
