#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/MediaPlayer.h"
#include "runtime/Types.h"

namespace quillo::runtime {

class Application;

// Results of a media command: 0 when it was carried out, else the reason it was not.
enum MediaError {
    mciOk = 0,
    mciUnrecognizedKeyword = 259,
    mciUnrecognizedCommand = 261,
    mciInvalidDeviceName = 263,  // no device is open under that alias
    mciCannotOpen = 266,         // the backend could not open the file
    mciBadInteger = 270,
    mciMissingParameter = 273,
    mciUnsupportedFunction = 274,
    mciFileNotFound = 275,
    mciExtensionNotFound = 281,  // no type given and none known for the file's extension
    mciNoSuchWindow = 282,       // the parent handle names no picture box or form
    mciDuplicateAlias = 289,
};

// The media control commands, one text per call, as the program sends them: "Open", "Put",
// "Play", "Stop" and "Close" (also "Close all"), with keywords in any letter case and an alias
// bare or between double quotes. It keeps the table of open devices; the backend's players only
// play. A failing command changes nothing and plays nothing.
class MediaCommands {
  public:
    struct Device {
        std::string alias;  // as it was opened
        std::string file;   // resolved path
        MediaKind kind = MediaKind::Video;
        long parentWindow = 0;  // hWnd of the picture box a clip draws into, 0 for sound
        std::optional<RectPx> destination;
        bool playing = false;
        bool repeat = false;
        std::unique_ptr<MediaPlayer> player;
    };

    explicit MediaCommands(Application& application);
    ~MediaCommands();
    MediaCommands(const MediaCommands&) = delete;
    MediaCommands& operator=(const MediaCommands&) = delete;

    int send(const std::string& command);

    // The device open under an alias (any letter case), nullptr when none is.
    const Device* device(const std::string& alias) const;
    std::vector<std::string> aliases() const;
    std::size_t size() const { return devices_.size(); }
    void closeAll();

  private:
    int open(const std::vector<std::string>& words);
    int put(const std::vector<std::string>& words);
    int play(const std::vector<std::string>& words);
    int stop(const std::vector<std::string>& words);
    int close(const std::vector<std::string>& words);
    Device* find(const std::string& alias);

    Application* application_;
    std::map<std::string, Device> devices_;  // by lower-case alias
};

// Sends one media command to the running application's interpreter.
int mciSendString(const std::string& command);

}  // namespace quillo::runtime
