#pragma once

#include <string>
#include <vector>

namespace quillo::runtime {

// What a drop from another program carries: the list of dropped files, full paths.
class DataObject {
  public:
    explicit DataObject(std::vector<std::string> files = {}) : files_(std::move(files)) {}

    // The file at a position counted from 1; the empty text when there is no such file.
    std::string Files(int index) const;
    int FilesCount() const { return static_cast<int>(files_.size()); }
    const std::vector<std::string>& files() const { return files_; }

  private:
    std::vector<std::string> files_;
};

}  // namespace quillo::runtime
