#include "runtime/qt/ModelSync.h"

namespace quillo::qt {

int ModelSync::depth_ = 0;

}  // namespace quillo::qt
