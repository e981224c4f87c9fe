// Re-dressing the main window's buttons and strips by dropping pictures and clips on them.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "mainwindow/RNfunctions.h"
#include "mainwindow/form1.h"
#include "runtime/Application.h"
#include "runtime/MediaCommands.h"
#include "runtime/PathResolver.h"
#include "runtime/Picture.h"
#include "skins/FormDesignEdit.h"

namespace quillo {

namespace {

// What a file drop may carry: the kinds of a picture button, and a strip's, which adds clips.
constexpr std::array<std::string_view, 5> kButtonKinds = {".bmp", ".gif", ".jpg", ".ico", ".wmf"};
constexpr std::array<std::string_view, 6> kStripKinds = {".avi", ".bmp", ".gif",
                                                         ".jpg", ".ico", ".wmf"};

bool isClip(const std::string& path) {
    return runtime::LowerAscii(path).ends_with(".avi");
}

// A file drop is taken when its lower-cased path holds one of the kinds anywhere, not only at
// its end.
template <std::size_t N>
bool holdsKind(const std::string& path, const std::array<std::string_view, N>& kinds) {
    const std::string lower = runtime::LowerAscii(path);
    for (std::string_view kind : kinds)
        if (lower.find(kind) != std::string::npos) return true;
    return false;
}

// Opens the bottom-left strip's Tag as a clip under the main window's alias and plays it once
// from its start; "Close all" first stops every device, the corner animation included.
void playCornerClip(form1& main) {
    runtime::mciSendString("Close all");
    main.playClipInCorner(main.PictureBottomLeft.Tag(), main.AnimationAlias());
}

// The skin editor's preview loops its clip again after "Close all" stopped it. An editor not
// yet loaded has nothing to restart.
void restartEditorPreview() {
    if (FormDesignEdit* editor = runtime::app().loadedForm<FormDesignEdit>())
        editor->restartPreviewClip();
}

bool isCornerStrip(const runtime::PictureBox& strip) {
    return strip.Name() == "PictureBottomLeft";
}

void paintStretched(runtime::PictureBox& strip, const runtime::Picture& picture) {
    strip.PaintPicture(picture, 0, 0, strip.Width(), strip.Height());
}

void removePicture(runtime::PictureBox& strip) {
    strip.setPicture(runtime::Picture{});
    strip.Cls();
}

}  // namespace

void DropOnButton(runtime::Image& Target, const runtime::PictureBox& Source) {
    if (isClip(Source.Tag())) return;
    Target.setTag(Source.Tag());
    // The empty Tag loads the empty picture and clears the button; a file that does not load
    // leaves the picture the button had.
    if (std::optional<runtime::Picture> picture = runtime::LoadPicture(Target.Tag()))
        Target.setPicture(*picture);
}

void DropOnStrip(runtime::PictureBox& Target, const runtime::PictureBox& Source) {
    form1& main = runtime::form<form1>();
    if (isClip(Source.Tag())) {
        if (!isCornerStrip(Target)) return;
        main.PictureBottomLeft.setTag(Source.Tag());
        playCornerClip(main);
        restartEditorPreview();
        return;
    }
    if (Source.Tag().empty()) return;
    // Target may be Source itself: the Tag is taken by value before it is written.
    Target.setTag(std::string(Source.Tag()));
    const std::optional<runtime::Picture> picture = runtime::LoadPicture(Target.Tag());
    if (!picture) return;
    removePicture(Target);
    paintStretched(Target, *picture);
}

void OleDropOnButton(const runtime::DataObject& Data, runtime::Image& Target) {
    const std::string file = Data.Files(1);
    if (!holdsKind(file, kButtonKinds)) return;
    Target.setTag(file);
    if (std::optional<runtime::Picture> picture = runtime::LoadPicture(file))
        Target.setPicture(*picture);
    ArrangeMainWindow(runtime::form<form1>());
}

void OleDropOnStrip(const runtime::DataObject& Data, runtime::PictureBox& Target) {
    form1& main = runtime::form<form1>();
    const std::string file = Data.Files(1);
    if (!holdsKind(file, kStripKinds)) return;
    if (isClip(file)) {
        // No layout follows a clip, and the editor's preview stays stopped.
        if (!isCornerStrip(Target)) return;
        main.PictureBottomLeft.setTag(file);
        playCornerClip(main);
        return;
    }
    Target.setTag(file);
    removePicture(Target);
    if (std::optional<runtime::Picture> picture = runtime::LoadPicture(file))
        paintStretched(Target, *picture);
    ArrangeMainWindow(main);
}

}  // namespace quillo
