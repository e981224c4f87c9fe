#pragma once

namespace quillo::qt {

// Marks the time in which a model change is being mirrored onto widgets. The events Qt raises in
// answer (focus, moves, resizes, window states) are echoes of the model, not user input, and must
// not be sent back to it.
class ModelSync {
  public:
    ModelSync() { ++depth_; }
    ~ModelSync() { --depth_; }
    ModelSync(const ModelSync&) = delete;
    ModelSync& operator=(const ModelSync&) = delete;

    static bool active() { return depth_ > 0; }

  private:
    static int depth_;
};

}  // namespace quillo::qt
