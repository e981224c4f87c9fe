#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringView>
#include <optional>
#include <string>
#include <vector>

#include "runtime/DocumentData.h"

namespace quillo::qt {

// One report of the frame script: a line of JSON, then the payload that its long texts travel
// in. A long text stands in the JSON as {"@": [start, length]}, a stretch of the payload counted
// in UTF-16 units, so that neither side escapes or parses it. A long payload of a frame that the
// top frame can reach is parked in the frame instead ("parked": its number), for the page to take
// as the value of a script, which is faster than a console line; it arrives through setPayload.
class FrameReport {
  public:
    explicit FrameReport(const QString& message);

    // The number of the parked payload, 0 when the payload came with the report.
    int parked() const { return parked_; }
    void setPayload(QString payload);

    const QJsonObject& head() const { return head_; }
    QStringView view(const QJsonValue& value) const;
    std::string text(const QJsonValue& value) const;
    std::string text(const char* key) const { return text(head_.value(QLatin1String(key))); }

    // The document model of a snapshot: every element's tag and the texts taken (an element
    // whose text lies whole within its parent's has none of its own: every phrase in it is in
    // the enclosing text already), the body's markup and the comments' data.
    std::vector<runtime::HtmlElementData> elements() const;
    std::optional<runtime::HtmlBodyData> body(
        const std::vector<runtime::HtmlElementData>& all) const;
    std::vector<std::string> comments() const;

  private:
    QStringView payload() const { return QStringView(text_).mid(payloadAt_); }

    // The whole message, or the parked payload; the payload starts at payloadAt_.
    QString text_;
    qsizetype payloadAt_ = 0;
    QJsonObject head_;
    int parked_ = 0;
};

}  // namespace quillo::qt
