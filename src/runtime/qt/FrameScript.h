#pragma once

#include <QString>

class QWebEngineProfile;

namespace quillo::qt {

// The type of data that the frame script adds to every drag out of a page, in every copy of the
// program: a drop that carries it began in a page view of some copy.
inline constexpr const char* kPageDragType = "application/x-quillo-page-drag";

// The script injected into every frame of every page, in a world of its own. Each frame reports
// to the page through console lines that begin with the token: a line of JSON, then the payload
// its long texts travel in (FrameReport.h):
//   {"kind": "created" | "snapshot" | "source" | "complete", "doc": id, "path": [..], "url": ..}
// "created" when its document exists, "snapshot" with its document model (every element's tag,
// the texts of the elements whose text does not lie within their parent's, comment data, body
// markup, frames, title, ready state), "source" with the page's source text as fetched from the
// cache (only for a document holding comments), "complete" with a snapshot once the frame has
// loaded and its source is known. The top frame also answers quilloRefresh(path) and
// quilloWrite(path, op, index, text) run from the page, for itself and its frames of the same
// origin. Every drag out of a frame carries kPageDragType.
QString FrameScriptSource(const QString& token);

// The world the script runs in, apart from the pages' own scripts.
int FrameScriptWorld();

// The token of this process's frame script; pages cannot know it.
const QString& FrameScriptToken();

// Puts the frame script into the profile's scripts, once.
void InstallFrameScript(QWebEngineProfile* profile);

}  // namespace quillo::qt
