#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/Inet.h"
#include "runtime/headless/Harness.h"

using namespace quillo::runtime;
using quillo::headless::Harness;
using quillo::headless::ScriptedResponse;

namespace {

class Downloads : public Form {
  public:
    Downloads() : Form("Downloads") {
        Transfer.StateChanged = [this](int state) {
            states.push_back(state);
            if (state == icResponseCompleted) {
                contentType = Transfer.GetHeader("content-TYPE");
                length = Transfer.GetHeader("Content-length");
                for (std::string chunk; !(chunk = Transfer.GetChunk(2048, icByteArray)).empty();)
                    chunks.push_back(chunk.size());
            }
        };
    }
    Inet& Transfer = add<Inet>("Transfer");
    std::vector<int> states;
    std::string contentType;
    std::string length;
    std::vector<std::size_t> chunks;
};

}  // namespace

TEST(InetTransfers, DeliverTheBodyInChunksOfTheAskedSizeAfterTheResponseCompleted) {
    Harness harness;
    harness.backend().http.add("http://img.test/a.gif",
                               ScriptedResponse::file("image/gif", std::string(2049, 'x')));
    auto& form = app().form<Downloads>();
    ASSERT_TRUE(form.Transfer.Execute("http://img.test/a.gif"));
    EXPECT_TRUE(form.states.empty());  // nothing is reported from inside Execute
    EXPECT_TRUE(form.Transfer.StillExecuting());
    harness.advance(0);
    EXPECT_EQ(form.states,
              (std::vector<int>{icRequesting, icResponseReceived, icResponseCompleted}));
    EXPECT_EQ(form.contentType, "image/gif");
    EXPECT_EQ(form.length, "2049");
    EXPECT_EQ(form.chunks, (std::vector<std::size_t>{2048, 1}));
    EXPECT_FALSE(form.Transfer.StillExecuting());
    EXPECT_EQ(form.Transfer.ResponseCode(), 200);
}

TEST(InetTransfers, ANotFoundAnswerStillCompletesWithItsOwnHeaders) {
    Harness harness;
    ScriptedResponse missing = ScriptedResponse::file("text/html", "<h1>Not here</h1>");
    missing.status = 404;
    harness.backend().http.add("http://img.test/gone.gif", missing);
    auto& form = app().form<Downloads>();
    form.Transfer.Execute("http://img.test/gone.gif");
    harness.advance(0);
    EXPECT_EQ(form.states.back(), icResponseCompleted);
    EXPECT_EQ(form.contentType, "text/html");
    EXPECT_EQ(form.Transfer.ResponseCode(), 404);
}

TEST(InetTransfers, HeadersAreFoundWithoutRegardToCaseAndAbsentOnesAreEmpty) {
    Harness harness;
    ScriptedResponse response = ScriptedResponse::file("image/png", "png");
    response.headers.push_back({"X-Odd", "1"});
    harness.backend().http.add("http://img.test/p.png", response);
    auto& form = app().form<Downloads>();
    form.Transfer.Execute("img.test/p.png");
    harness.advance(0);
    EXPECT_EQ(form.Transfer.GetHeader("x-odd"), "1");
    EXPECT_EQ(form.Transfer.GetHeader("CONTENT-LENGTH"), "3");
    EXPECT_EQ(form.Transfer.GetHeader("Last-Modified"), "");
    EXPECT_EQ(form.Transfer.GetHeader(),
              "Content-Type: image/png\r\nContent-Length: 3\r\nX-Odd: 1\r\n");
}

TEST(InetTransfers, FailWithStateElevenForEachKindOfFailure) {
    struct Case {
        const char* name;
        ScriptedResponse response;
        bool scripted;
        std::int64_t failsAfterMs;
    };
    ScriptedResponse refused;
    refused.refused = true;
    ScriptedResponse silent;
    silent.silent = true;
    ScriptedResponse slow = ScriptedResponse::file("image/gif", "gif");
    slow.delayMs = 90000;
    ScriptedResponse huge = ScriptedResponse::file("image/gif", std::string(5000, 'x'));
    const Case cases[] = {
        {"nothing listens", refused, true, 0},
        {"an address nobody answers", {}, false, 0},
        {"a server that never answers", silent, true, 30000},
        {"a server slower than the time-out", slow, true, 30000},
        {"a body past the size cap", huge, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Harness harness;
        if (c.scripted) harness.backend().http.add("http://img.test/x", c.response);
        auto& form = app().form<Downloads>();
        form.Transfer.setRequestTimeout(30);
        form.Transfer.setMaxSize(4096);
        form.Transfer.Execute("http://img.test/x");
        harness.advance(c.failsAfterMs > 0 ? c.failsAfterMs - 1 : 0);
        if (c.failsAfterMs > 0) {
            EXPECT_EQ(form.states, (std::vector<int>{icRequesting}));
            harness.advance(1);
        }
        EXPECT_EQ(form.states, (std::vector<int>{icRequesting, icError}));
        EXPECT_EQ(form.Transfer.GetChunk(2048), "");
        EXPECT_EQ(form.Transfer.GetHeader("Content-type"), "");
        EXPECT_FALSE(form.Transfer.StillExecuting());
    }
}

TEST(InetTransfers, NoEventArrivesAfterCancel) {
    Harness harness;
    ScriptedResponse later = ScriptedResponse::file("image/gif", "gif");
    later.delayMs = 500;
    harness.backend().http.add("http://img.test/a.gif", later);
    auto& form = app().form<Downloads>();
    form.Transfer.Execute("http://img.test/a.gif");
    harness.advance(100);
    form.Transfer.Cancel();
    harness.advance(100000);
    EXPECT_EQ(form.states, (std::vector<int>{icRequesting}));
    // The control is free for the next transfer.
    EXPECT_TRUE(form.Transfer.Execute("http://img.test/a.gif"));
    harness.advance(500);
    EXPECT_EQ(form.states.back(), icResponseCompleted);
}

TEST(InetTransfers, AnUnloadedElementReceivesNothingAndOthersCarryOn) {
    class Six : public Form {
      public:
        Six() : Form("Six") {
            for (int i = 1; i <= 2; ++i) {
                Inet& inet = Archon.Load(i);
                inet.StateChanged = [this, i](int state) {
                    if (state == icResponseCompleted || state == icError)
                        finished.push_back(i * 100 + state);
                };
            }
        }
        ControlArray<Inet> Archon = addArray<Inet>("Archon", {});
        std::vector<int> finished;
    };
    Harness harness;
    ScriptedResponse later = ScriptedResponse::file("image/gif", "gif");
    later.delayMs = 200;
    harness.backend().http.add("http://img.test/1", later);
    harness.backend().http.add("http://img.test/2", later);
    auto& form = app().form<Six>();
    form.Archon(1).Execute("http://img.test/1");
    form.Archon(2).Execute("http://img.test/2");
    harness.advance(100);
    form.Archon.Unload(1);
    harness.advance(200);
    EXPECT_EQ(form.finished, (std::vector<int>{212}));
}

TEST(InetTransfers, RefuseASecondExecuteWhileBusyAndOperationsOtherThanGet) {
    Harness harness;
    harness.backend().http.add("http://img.test/a", ScriptedResponse::file("image/gif", "g"));
    auto& form = app().form<Downloads>();
    EXPECT_FALSE(form.Transfer.Execute("http://img.test/a", "POST"));
    EXPECT_TRUE(form.Transfer.Execute("http://img.test/a", "get"));
    EXPECT_FALSE(form.Transfer.Execute("http://img.test/a"));
    harness.advance(0);
    EXPECT_EQ(harness.backend().http.requests, (std::vector<std::string>{"http://img.test/a"}));
}
