#pragma once

#include "runtime/Services.h"

namespace quillo::qt {

// Starts programs detached from this one, with their arguments as given: no shell reads them.
class QtProcessServices : public runtime::ProcessServices {
  public:
    bool start(const std::string& program, const std::vector<std::string>& arguments) override;
    // The desktop's mail client: xdg-email, or xdg-open on a mailto: address where that is missing.
    bool openMailClient() override;
};

}  // namespace quillo::qt
