#include "runtime/MediaCommands.h"

#include <cctype>
#include <charconv>
#include <filesystem>

#include "runtime/Application.h"
#include "runtime/PathResolver.h"
#include "runtime/PictureBox.h"

namespace quillo::runtime {

namespace {

// Splits a command into words; a part between double quotes is one word, without its quotes.
std::vector<std::string> words(const std::string& command) {
    std::vector<std::string> result;
    std::size_t i = 0;
    while (i < command.size()) {
        if (std::isspace(static_cast<unsigned char>(command[i]))) {
            ++i;
            continue;
        }
        std::string word;
        if (command[i] == '"') {
            std::size_t end = command.find('"', i + 1);
            if (end == std::string::npos) end = command.size();
            word = command.substr(i + 1, end - i - 1);
            i = end + 1;
        } else {
            while (i < command.size() && !std::isspace(static_cast<unsigned char>(command[i])))
                word += command[i++];
        }
        result.push_back(std::move(word));
    }
    return result;
}

// A whole number as the devices take it; one beyond their 32 bits is no number, rather than a
// different one.
std::optional<int> number(const std::string& word) {
    int value = 0;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

std::string extensionOf(const std::string& file) {
    std::size_t dot = file.find_last_of('.');
    std::size_t slash = file.find_last_of("/\\");
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return LowerAscii(file.substr(dot + 1));
}

// The picture box or form whose window handle this is, among the loaded forms.
Control* windowOf(Application& application, long handle) {
    for (Form* form : application.Forms()) {
        if (form->hWnd() == handle) return form;
        for (const auto& control : form->controls())
            if (control->kind() == ControlKind::PictureBox &&
                static_cast<PictureBox&>(*control).hWnd() == handle)
                return control.get();
    }
    return nullptr;
}

}  // namespace

MediaCommands::MediaCommands(Application& application) : application_(&application) {}

MediaCommands::~MediaCommands() {
    closeAll();
}

int MediaCommands::send(const std::string& command) {
    std::vector<std::string> parts = words(command);
    if (parts.empty()) return mciUnrecognizedCommand;
    std::string verb = LowerAscii(parts[0]);
    if (verb == "open") return open(parts);
    if (verb == "put") return put(parts);
    if (verb == "play") return play(parts);
    if (verb == "stop") return stop(parts);
    if (verb == "close") return close(parts);
    return mciUnrecognizedCommand;
}

MediaCommands::Device* MediaCommands::find(const std::string& alias) {
    auto found = devices_.find(LowerAscii(alias));
    return found == devices_.end() ? nullptr : &found->second;
}

const MediaCommands::Device* MediaCommands::device(const std::string& alias) const {
    auto found = devices_.find(LowerAscii(alias));
    return found == devices_.end() ? nullptr : &found->second;
}

std::vector<std::string> MediaCommands::aliases() const {
    std::vector<std::string> names;
    for (const auto& [key, device] : devices_)
        names.push_back(device.alias);
    return names;
}

int MediaCommands::open(const std::vector<std::string>& parts) {
    if (parts.size() < 2) return mciMissingParameter;
    const std::string& element = parts[1];
    std::string type;
    std::string alias = element;
    std::string style;
    std::optional<long> parent;
    for (std::size_t i = 2; i < parts.size(); ++i) {
        std::string key = LowerAscii(parts[i]);
        if (key == "shareable" || key == "wait" || key == "notify") continue;
        if (i + 1 >= parts.size()) return mciMissingParameter;
        const std::string& value = parts[++i];
        if (key == "type") {
            type = LowerAscii(value);
        } else if (key == "alias") {
            alias = value;
        } else if (key == "style") {
            style = LowerAscii(value);
        } else if (key == "parent") {
            parent = number(value);
            if (!parent) return mciBadInteger;
        } else {
            return mciUnrecognizedKeyword;
        }
    }
    if (alias.empty() || LowerAscii(alias) == "all") return mciInvalidDeviceName;
    if (find(alias)) return mciDuplicateAlias;

    MediaKind kind;
    if (type.empty()) {
        std::string extension = extensionOf(element);
        if (extension == "avi")
            type = "avivideo";
        else if (extension == "wav")
            type = "waveaudio";
        else
            return mciExtensionNotFound;
    }
    if (type == "avivideo" || type == "mpegvideo")
        kind = MediaKind::Video;
    else if (type == "waveaudio")
        kind = MediaKind::Sound;
    else
        return mciInvalidDeviceName;

    Control* target = nullptr;
    if (kind == MediaKind::Video) {
        // Clips play only inside a window of the program.
        if (style != "child" || !parent) return mciUnsupportedFunction;
        target = windowOf(*application_, *parent);
        if (!target) return mciNoSuchWindow;
    }

    std::string file = ResolvePath(element);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return mciFileNotFound;

    std::unique_ptr<MediaPlayer> player =
        application_->backend().createMediaPlayer({file, kind, target});
    if (!player) return mciCannotOpen;
    Device device;
    device.alias = alias;
    device.file = file;
    device.kind = kind;
    device.parentWindow = target ? *parent : 0;
    device.player = std::move(player);
    devices_.emplace(LowerAscii(alias), std::move(device));
    return mciOk;
}

int MediaCommands::put(const std::vector<std::string>& parts) {
    if (parts.size() < 3) return mciMissingParameter;
    Device* device = find(parts[1]);
    if (!device) return mciInvalidDeviceName;
    std::string what = LowerAscii(parts[2]);
    if (what != "destination" && what != "window") return mciUnrecognizedKeyword;
    if (device->kind != MediaKind::Video) return mciUnsupportedFunction;
    std::optional<RectPx> place;
    std::size_t i = 3;
    if (i < parts.size() && LowerAscii(parts[i]) == "at") {
        if (i + 4 >= parts.size()) return mciMissingParameter;
        int values[4];
        for (int k = 0; k < 4; ++k) {
            auto value = number(parts[i + 1 + static_cast<std::size_t>(k)]);
            if (!value) return mciBadInteger;
            values[k] = *value;
        }
        place = RectPx{values[0], values[1], values[2], values[3]};
        i += 5;
    }
    for (; i < parts.size(); ++i) {
        std::string flag = LowerAscii(parts[i]);
        if (flag != "wait" && flag != "notify") return mciUnrecognizedKeyword;
    }
    if (!place) return mciMissingParameter;
    device->destination = place;
    device->player->setDestination(*place);
    return mciOk;
}

int MediaCommands::play(const std::vector<std::string>& parts) {
    if (parts.size() < 2) return mciMissingParameter;
    Device* device = find(parts[1]);
    if (!device) return mciInvalidDeviceName;
    std::optional<int> from;
    bool repeat = false;
    for (std::size_t i = 2; i < parts.size(); ++i) {
        std::string key = LowerAscii(parts[i]);
        if (key == "notify" || key == "wait") continue;
        if (key == "repeat") {
            repeat = true;
        } else if (key == "from" || key == "to") {
            if (i + 1 >= parts.size()) return mciMissingParameter;
            auto value = number(parts[++i]);
            if (!value || *value < 0) return mciBadInteger;
            if (key == "from") from = *value;
        } else {
            return mciUnrecognizedKeyword;
        }
    }
    device->playing = true;
    device->repeat = repeat;
    device->player->play(from, repeat);
    return mciOk;
}

int MediaCommands::stop(const std::vector<std::string>& parts) {
    if (parts.size() < 2) return mciMissingParameter;
    Device* device = find(parts[1]);
    if (!device) return mciInvalidDeviceName;
    device->playing = false;
    device->player->stop();
    return mciOk;
}

int MediaCommands::close(const std::vector<std::string>& parts) {
    if (parts.size() < 2) return mciMissingParameter;
    for (std::size_t i = 2; i < parts.size(); ++i) {
        std::string flag = LowerAscii(parts[i]);
        if (flag != "wait" && flag != "notify") return mciUnrecognizedKeyword;
    }
    if (LowerAscii(parts[1]) == "all") {
        closeAll();
        return mciOk;
    }
    auto found = devices_.find(LowerAscii(parts[1]));
    if (found == devices_.end()) return mciInvalidDeviceName;
    devices_.erase(found);
    return mciOk;
}

void MediaCommands::closeAll() {
    // Players may touch the table's owner while they close; empty it first.
    auto closing = std::move(devices_);
    devices_.clear();
}

int mciSendString(const std::string& command) {
    return app().media().send(command);
}

}  // namespace quillo::runtime
