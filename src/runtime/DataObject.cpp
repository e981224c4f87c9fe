#include "runtime/DataObject.h"

namespace quillo::runtime {

std::string DataObject::Files(int index) const {
    if (index < 1 || index > FilesCount()) return "";
    return files_[static_cast<std::size_t>(index - 1)];
}

}  // namespace quillo::runtime
