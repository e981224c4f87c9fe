#include "runtime/Backend.h"

#include "runtime/HttpTransfer.h"
#include "runtime/MediaPlayer.h"
#include "runtime/WebEngine.h"

namespace quillo::runtime {

// A backend without web, transfers or media: the controls stay empty and their commands fail.
std::unique_ptr<WebEngine> Backend::createWebEngine(WebBrowser&) {
    return nullptr;
}
std::unique_ptr<HttpTransfer> Backend::createHttpTransfer(Inet&) {
    return nullptr;
}
std::unique_ptr<MediaPlayer> Backend::createMediaPlayer(const MediaOpenRequest&) {
    return nullptr;
}

}  // namespace quillo::runtime
