#include "runtime/qt/FrameScript.h"

#include <QWebEngineScript>

namespace quillo::qt {

namespace {

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
  function report(kind, extra, path, url, id) {
    var message = { kind: kind, doc: id || doc, path: path || pathOf(window),
                    url: url || location.href, origin: location.origin };
    for (var k in extra) message[k] = extra[k];
    log(TOKEN + stringify(message));
  }
  function textOf(node) {
    if (node instanceof HTMLElement) return node.innerText;
    return node.textContent;
  }
  function nodesOf(d) {
    var nodes = [], walker = d.createTreeWalker(d, NodeFilter.SHOW_ELEMENT | NodeFilter.SHOW_COMMENT);
    var n;
    while ((n = walker.nextNode())) nodes.push(n);
    return nodes;
  }
  var states = { loading: 1, interactive: 3, complete: 4 };
  function snapshotOf(d, w) {
    var all = [], comments = [];
    nodesOf(d).forEach(function (n) {
      if (n.nodeType === 8) { all.push({ t: '!' }); comments.push(n.data); }
      else all.push({ t: n.tagName, x: textOf(n) });
    });
    var b = d.body;
    return {
      all: all, comments: comments, title: d.title, state: states[d.readyState] || 1,
      frames: w.length,
      body: b ? { tag: b.tagName, text: textOf(b), inner: b.innerHTML, outer: b.outerHTML } : null
    };
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

  function loaded() {
    fetchSource().then(function (source) {
      if (source !== null) report('source', { text: source });
      lastSnapshot = Date.now();
      report('complete', snapshotOf(document, window));
    });
  }

  // Lets the top frame's writes tell this document from one that replaced it.
  window.quilloDoc = doc;
  report('created', {});
  document.addEventListener('DOMContentLoaded', function () { snapshot(); observe(); });
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
  window.quilloRefresh = function () {
    function visit(w, path) {
      var d;
      try { d = w.document; } catch (e) { return; }
      if (!d) return;
      report('snapshot', snapshotOf(d, w), path, w.location.href, w.quilloDoc || 'same');
      for (var i = 0; i < w.length; i++) visit(w.frames[i], path.concat([i]));
    }
    visit(window, []);
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
    return QString::fromUtf8(kScript).replace(QStringLiteral("@TOKEN@"), token);
}

int FrameScriptWorld() {
    return QWebEngineScript::UserWorld + 7;
}

}  // namespace quillo::qt
