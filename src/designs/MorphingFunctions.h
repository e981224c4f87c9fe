#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/Types.h"

namespace quillo::runtime {
class BrowserObject;
class Form;
class WebBrowser;
}  // namespace quillo::runtime

namespace quillo {

// False when a loaded design window already carries this address in its Tag (compared exactly),
// so that one page opens one design window at a time.
bool IsNewMorphWindow(const std::string& URL);

// For a document that passed the filter: while designed pages are on and no design window
// carries the browser's address yet, a document with comment text opens a new design window
// for that address, which takes the comment text as its design.
void OpenDesignOfPage(runtime::WebBrowser& Browser, const runtime::BrowserObject& pDisp);

// The record codes of a design, in the order of its slots.
enum class DesignCode : std::size_t { FRM, BCK, FWD, HME, RFH, STP, TUL, SBR, BSW, RGN };
inline constexpr std::array<std::string_view, 10> DesignCodes = {"FRM", "BCK", "FWD", "HME", "RFH",
                                                                 "STP", "TUL", "SBR", "BSW", "RGN"};

// A design as its window holds it: per code the whole record token (code included), or "" when
// the design has none.
class DesignSlots {
  public:
    std::string& operator[](DesignCode code) { return slots_[static_cast<std::size_t>(code)]; }
    const std::string& operator[](DesignCode code) const {
        return slots_[static_cast<std::size_t>(code)];
    }
    bool operator==(const DesignSlots&) const = default;

  private:
    std::array<std::string, DesignCodes.size()> slots_;
};

// Empties all ten slots.
void ClearDesign(DesignSlots& Slots);

// The code of a record token: its first three characters when they are one of the ten codes
// (case-sensitive; "FRMX..." is FRM).
std::optional<DesignCode> RecordCodeOf(std::string_view Token);

// A line split on single spaces is a record line when it has at least three tokens and the first
// is exactly "<!"; its second token is the record token. Lines of other codes give nothing.
struct DesignRecord {
    DesignCode code;
    std::string token;
    bool operator==(const DesignRecord&) const = default;
};
std::optional<DesignRecord> ParseRecordLine(std::string_view Line);

// Reads every record of a design text (lines split on LF, in order) into the slots: a record
// replaces its code's slot, so of several the last wins; slots without a record keep theirs.
void ParseDesignRecords(std::string_view DesignText, DesignSlots& Slots);

// A record token's parts split on Chr(2): field 0 is the code part. The empty token has none.
std::vector<std::string> RecordFields(std::string_view Token);

// Checks that the nine required records are there with at least five fields each, and counts
// into PendingDownloads each picture that is its record's last field and not empty. The first
// failing record ends the check with False; what was counted before stays counted.
bool ValidateDesign(const DesignSlots& Slots, std::int16_t& PendingDownloads);

// Where a design address keeps its design in the cache: a backslash followed by the host, and
// a backslash followed by the page ("Root" for none).
struct DesignKeys {
    std::string HostKey;
    std::string PageKey;
    bool operator==(const DesignKeys&) const = default;
};

// The keys of a design address, or nothing when the address is refused: it does not begin with
// "http://" (any letter case), nothing follows that, or the host or the page could not serve as
// a folder name of its own (empty host, ".", "..", a backslash or a control character).
std::optional<DesignKeys> DesignKeysOf(std::string_view URL);

// The design cache under the Windows directory, ending with "/": a folder per host in it, and a
// folder per page in that.
std::string DesignCacheFolder();

// Creates a folder of the design cache unless it exists. The folders that hold it are taken in
// the spelling they have on disk, so a host folder made under another letter case serves the
// host. False when the folder is not there afterwards.
bool MakeCacheFolder(const std::string& Path);

// True when Name can be a file or folder name inside another folder without leaving it.
bool IsSafeCacheName(std::string_view Name);

// Number conversions of design fields: the text (blanks around it allowed, a sign, a fraction, an
// exponent) rounded to the nearest whole number, halves to the even neighbour; nothing when the
// text is no number or the result does not fit.
std::optional<std::int16_t> IntegerOf(std::string_view Text);
std::optional<std::int32_t> LongOf(std::string_view Text);
std::optional<std::int16_t> IntegerOf(double Value);

// The outline of a design window from its RGN record: points 1..N as window pixels, each moved by
// the window's frame (the side border across, the title and top border down). Nothing when the
// count or a point is no 16-bit number, the frame does not fit, or there are more points than N;
// points missing below N lie at the frame offset.
// The window's outer size and client size, in twips.
struct WindowFrame {
    double Width = 0;
    double Height = 0;
    double ScaleWidth = 0;
    double ScaleHeight = 0;
};
std::optional<std::vector<runtime::PointPx>> ParseRegionPoints(const std::string& Region,
                                                               const WindowFrame& Frame);
std::optional<std::vector<runtime::PointPx>> ParseRegionPoints(const std::string& Region,
                                                               const runtime::Form& Window);

}  // namespace quillo
