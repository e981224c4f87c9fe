#include "runtime/qt/FrameScript.h"

#include <QRandomGenerator>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace quillo::qt {

namespace {

constexpr const char* kScriptName = "quillo-frame-script";

const char* const kScript = R"JS(
(function () {
  'use strict';
  var TOKEN = '@TOKEN@';
  var doc = Math.random().toString(36).slice(2) + Date.now().toString(36);
  var log = console.log.bind(console);
  var stringify = JSON.stringify.bind(JSON);

  function pathOf(w) {
    var path = [];
    try {
      while (w !== w.parent) {
        var parent = w.parent, found = -1;
        for (var i = 0; i < parent.length; i++) if (parent[i] === w) { found = i; break; }
        if (found < 0) return null;
        path.unshift(found);
        w = parent;
      }
    } catch (e) { return null; }
    return path;
  }
  // A report is a line of JSON, then the payload its long texts travel in: each stands in the
  // JSON as {"@": [start, length]}, so that neither side escapes or parses it.
  function report(kind, extra, path, url, id) {
    var message = { kind: kind, doc: id || doc, path: path || pathOf(window),
                    url: url || location.href, origin: location.origin };
    for (var k in extra) message[k] = extra[k];
    var payload = [], size = 0;
    var head = stringify(message, function (key, value) {
      if (typeof value !== 'string' || value.length < 256) return value;
      payload.push(value);
      size += value.length;
      return { '@': [size - value.length, value.length] };
    });
    var text = payload.join('');
    if (text.length < PARK_AT || !message.path || !reachable()) { log(TOKEN + head + '\n' + text); return; }
    parked[++lastParked] = text;
    log(TOKEN + head.slice(0, -1) + ',"parked":' + lastParked + '}');
  }
  // A long payload of a frame that the top frame's script can reach waits here for the page to
  // take it, as the value of a script it runs: faster than a console line, and not kept by it.
  var PARK_AT = 65536, parked = {}, lastParked = 0;
  function reachable() {
    try { return window === window.top || window.top.document !== undefined; } catch (e) { return false; }
  }
  window.quilloTakeParked = function (number) {
    var text = parked[number];
    delete parked[number];
    return text === undefined ? null : text;
  };
  // How an element's text is read, which tells what it can hold. LAID_OUT: an HTML element with
  // a layout box, whose text is its rendered text. BOXLESS: an HTML element without one (and not
  // display: contents), whose text is all the text of its descendants, none of which has a box.
  // CONTENTS: an HTML element without a box whose children may have one. FOREIGN: an element
  // outside HTML, whose text is all the text of its descendants.
  var HTML = 'http://www.w3.org/1999/xhtml';
  var LAID_OUT = 1, BOXLESS = 2, CONTENTS = 3, FOREIGN = 4;
  function kindOf(n) {
    if (n.namespaceURI !== HTML) return FOREIGN;
    if (n.offsetParent !== null || n.getClientRects().length > 0) return LAID_OUT;
    return getComputedStyle(n).display === 'contents' ? CONTENTS : BOXLESS;
  }
  // True when an element's text lies whole within its parent's: the rendered text of a laid out
  // element is a stretch of its laid out parent's, and an element inside a boxless one, or a
  // foreign one inside a foreign one, holds a stretch of its parent's text. Such a text is not
  // taken: every phrase in it is in its parent's text already.
  function within(kind, parentKind) {
    if (parentKind === LAID_OUT) return kind === LAID_OUT;
    if (parentKind === BOXLESS) return true;
    return parentKind === FOREIGN && kind === FOREIGN;
  }
  function textOf(n, kind) {
    return kind === FOREIGN ? n.textContent : n.innerText;
  }
  // The document's elements and comments in document order: the collection "All" counts.
  function walkerOf(d) {
    return d.createTreeWalker(d, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_COMMENT);
  }
  function nodesOf(d) {
    var nodes = [], walker = walkerOf(d);
    var n;
    while ((n = walker.nextNode())) nodes.push(n);
    return nodes;
  }
  var states = { loading: 1, interactive: 3, complete: 4 };
  // The document model: the tag of every element and comment ("!") in document order, joined by
  // blanks; the texts taken, as index, text, index, text ...; the comments' data; the body's
  // markup, its inner markup given by its place in the outer one when it is there.
  function snapshotOf(d, w) {
    var tags = [], texts = [], comments = [], kinds = new Map(), b = d.body, bodyAt = -1;
    var walker = walkerOf(d);
    var n, i = 0;
    for (; (n = walker.nextNode()); i++) {
      if (n.nodeType === 8) { tags.push('!'); comments.push(n.data); continue; }
      var parent = n.parentElement, parentKind = parent ? kinds.get(parent) : 0;
      // Nothing inside a boxless element has a box.
      var kind = parentKind === BOXLESS ? BOXLESS : kindOf(n);
      kinds.set(n, kind);
      tags.push(n.tagName);
      if (n === b) bodyAt = i;
      if (!parent || !within(kind, parentKind)) texts.push(i, textOf(n, kind));
    }
    return {
      tags: tags.join(' '), texts: texts, comments: comments, title: d.title,
      state: states[d.readyState] || 1, frames: w.length, body: b ? markupOf(b, bodyAt) : null
    };
  }
  // The body's markup. The inner markup is the outer one between the body's tags, which an empty
  // copy of the body shows; it is taken apart only where that copy gives them.
  function markupOf(b, at) {
    var outer = b.outerHTML, empty = b.cloneNode(false).outerHTML;
    var end = '</' + b.localName + '>', start = empty.slice(0, empty.length - end.length);
    var body = { at: at, tag: b.tagName, outer: outer };
    if (empty.endsWith(end) && outer.startsWith(start) && outer.endsWith(end) &&
        outer.length >= start.length + end.length) {
      body.innerAt = start.length;
      body.innerLength = outer.length - start.length - end.length;
    } else {
      body.inner = b.innerHTML;
    }
    return body;
  }

  var lastSnapshot = 0, pending = null;
  function snapshot() {
    pending = null;
    lastSnapshot = Date.now();
    report('snapshot', snapshotOf(document, window));
  }
  // Changes of the page are reported at most once a second.
  function changed() {
    if (pending) return;
    pending = setTimeout(snapshot, Math.max(250, 1000 - (Date.now() - lastSnapshot)));
  }
  function observe() {
    try {
      new MutationObserver(changed).observe(document, { subtree: true, childList: true, characterData: true });
    } catch (e) {}
  }

  function fetchSource() {
    if (!/^(https?|file):/.test(location.protocol)) return Promise.resolve(null);
    var timeout = new Promise(function (resolve) { setTimeout(function () { resolve(null); }, 3000); });
    var fetched = fetch(location.href, { cache: 'force-cache', credentials: 'include' })
      .then(function (r) { return r.arrayBuffer(); })
      .then(function (bytes) {
        try { return new TextDecoder(document.characterSet).decode(bytes); }
        catch (e) { return new TextDecoder().decode(bytes); }
      })
      .catch(function () { return null; });
    return Promise.race([fetched, timeout]);
  }

  // The source is read for the comments' text alone, so a document without comments once it
  // is parsed is never fetched; one with comments is fetched while the rest of the page loads.
  var source = null;
  function sourceOnce() {
    if (!source) {
      var comments = document.createTreeWalker(document, NodeFilter.SHOW_COMMENT);
      source = comments.nextNode() ? fetchSource() : Promise.resolve(null);
    }
    return source;
  }
  function parsed() {
    sourceOnce();
    observe();
    // A document that loads at once is taken once, when complete.
    if (!pending) pending = setTimeout(snapshot, 0);
  }
  function loaded() {
    sourceOnce().then(function (text) {
      if (text !== null) report('source', { text: text });
      if (pending) { clearTimeout(pending); pending = null; }
      lastSnapshot = Date.now();
      report('complete', snapshotOf(document, window));
    });
  }

  // Every drag that leaves a page carries the program's mark, so that a copy of the program
  // where it is dropped knows it for a drag out of a page, and not for files from the desktop.
  // The page's own handlers run after the first mark; should they clear the drag's data, the
  // second mark, after theirs, puts it back.
  function markDrag(event) {
    try { if (event.dataTransfer) event.dataTransfer.setData('@PAGEDRAG@', '1'); } catch (e) {}
  }
  window.addEventListener('dragstart', function (event) {
    markDrag(event);
    window.addEventListener('dragstart', markDrag, { once: true });
  }, true);

  // Lets the top frame's writes tell this document from one that replaced it.
  window.quilloDoc = doc;
  report('created', {});
  document.addEventListener('DOMContentLoaded', parsed);
  if (document.readyState === 'complete') loaded();
  else window.addEventListener('load', loaded);

  if (window !== window.top) return;

  // The top frame carries out the page's requests for itself and its frames of the same origin.
  var opened = new WeakSet();
  function target(path) {
    var w = window;
    for (var i = 0; i < path.length; i++) { w = w.frames[path[i]]; if (!w) return null; }
    try { return { w: w, d: w.document }; } catch (e) { return null; }
  }
  // Hands over a payload parked by the frame at path.
  window.quilloTake = function (path, number) {
    var t = target(path);
    var takeParked = t && t.w.quilloTakeParked;
    return takeParked ? takeParked(number) : null;
  };
  // Takes the model of the frame at path again, or of every frame without one.
  window.quilloRefresh = function (path) {
    function take(w, p) {
      var d;
      try { d = w.document; } catch (e) { return; }
      if (d) report('snapshot', snapshotOf(d, w), p, w.location.href, w.quilloDoc || 'same');
    }
    function visit(w, p) {
      take(w, p);
      for (var i = 0; i < w.length; i++) visit(w.frames[i], p.concat([i]));
    }
    if (!path) visit(window, []);
    else { var t = target(path); if (t) take(t.w, path); }
    return true;
  };
  window.quilloWrite = function (expectedDoc, path, op, index, text) {
    var t = target(path);
    // A write meant for a document that has gone since must not touch the one that followed it.
    if (!t || t.w.quilloDoc !== expectedDoc) return false;
    var d = t.d;
    if (op === 'text') {
      var node = nodesOf(d)[index];
      if (!node) return false;
      if (node.nodeType === 8) node.data = text; else node.textContent = text;
    } else if (op === 'inner') {
      if (!d.body) return false;
      d.body.innerHTML = text;
    } else if (op === 'writeln') {
      if (!opened.has(d)) { opened.add(d); d.open(); }
      d.writeln(text);
      if (t.w === window) observe();
    } else {
      return false;
    }
    report('snapshot', snapshotOf(d, t.w), path, t.w.location.href, expectedDoc);
    return true;
  };
})();
)JS";

}  // namespace

QString FrameScriptSource(const QString& token) {
    return QString::fromUtf8(kScript)
        .replace(QStringLiteral("@TOKEN@"), token)
        .replace(QStringLiteral("@PAGEDRAG@"), QString::fromLatin1(kPageDragType));
}

int FrameScriptWorld() {
    return QWebEngineScript::UserWorld + 7;
}

const QString& FrameScriptToken() {
    static const QString value = [] {
        QString text = QStringLiteral("quillo:");
        for (int i = 0; i < 4; ++i)
            text += QString::number(QRandomGenerator::system()->generate64(), 36);
        return text + QLatin1Char(':');
    }();
    return value;
}

void InstallFrameScript(QWebEngineProfile* profile) {
    QWebEngineScriptCollection& scripts = *profile->scripts();
    if (!scripts.find(QString::fromLatin1(kScriptName)).isEmpty()) return;
    QWebEngineScript script;
    script.setName(QString::fromLatin1(kScriptName));
    script.setSourceCode(FrameScriptSource(FrameScriptToken()));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(static_cast<quint32>(FrameScriptWorld()));
    script.setRunsOnSubFrames(true);
    scripts.insert(script);
}

}  // namespace quillo::qt
