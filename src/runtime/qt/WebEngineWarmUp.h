#pragma once

class QWebEngineProfile;

namespace quillo::qt {

// The profile every page of the program lives on, with the frame script installed.
QWebEngineProfile* WebProfile();

// Starts the web engine ahead of the first browser control, once per process: its profile, and
// a renderer through a page of its own that loads about:blank, attached to no control and never
// shown, so that no control raises an event, shows an address or starts an animation for it.
void WarmUpWebEngine();

// True while that page lives: until a browser control's page begins loading (DropWarmPage), or
// at the latest a few seconds after it was made.
bool WebEngineWarming();

// A browser control's page has begun loading: the warm page has done its work.
void DropWarmPage();

}  // namespace quillo::qt
