#pragma once

#include <memory>
#include <string>

#include "runtime/Application.h"
#include "runtime/headless/HeadlessBackend.h"

namespace quillo::headless {

// An application on the headless backend with a fresh temporary program folder and Windows
// directory, both removed again at the end.
class Harness {
  public:
    explicit Harness(std::string commandLine = "", bool previousInstance = false);
    ~Harness();
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    Application& application() { return *app_; }
    HeadlessBackend& backend() { return backend_; }
    const std::string& programFolder() const { return programFolder_; }
    const std::string& windowsDir() const { return windowsDir_; }

    void advance(std::int64_t milliseconds) { backend_.advance(milliseconds); }
    // A file of the program folder (relative path with "/").
    std::string path(const std::string& relative) const { return programFolder_ + "/" + relative; }
    void writeFile(const std::string& relative, const std::string& bytes) const;
    std::string readFile(const std::string& relative) const;
    bool fileExists(const std::string& relative) const;
    // Copies the program's shipped content (assets/) into the program folder.
    void layAssets(const std::string& assetsDir) const;

    // Playing the user (User has every gesture): a press and release of the left button
    // followed by a click; the same with a double-click.
    static void click(Control& control);
    static void doubleClick(Control& control);

  private:
    std::string root_;
    std::string programFolder_;
    std::string windowsDir_;
    HeadlessBackend backend_;
    std::unique_ptr<Application> app_;
};

}  // namespace quillo::headless
