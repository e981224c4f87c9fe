#include "runtime/WindowIds.h"

namespace quillo::runtime {

long NewWindowId() {
    static long next = 1;
    return next++;
}

}  // namespace quillo::runtime
