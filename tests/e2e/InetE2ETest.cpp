#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "E2E.h"
#include "runtime/Inet.h"

using namespace e2e;

namespace {

class Downloads : public Form {
  public:
    Downloads() : Form("Downloads") {
        Transfer.StateChanged = [this](int state) {
            states.push_back(state);
            if (state != icResponseCompleted) return;
            contentType = Transfer.GetHeader("Content-type");
            length = Transfer.GetHeader("Content-length");
            for (std::string chunk; !(chunk = Transfer.GetChunk(2048)).empty();)
                chunks.push_back(chunk.size());
        };
    }
    Inet& Transfer = add<Inet>("Transfer");
    std::vector<int> states;
    std::string contentType;
    std::string length;
    std::vector<std::size_t> chunks;
    bool done() const {
        return !states.empty() &&
               (states.back() == icError || states.back() == icResponseCompleted);
    }
};

}  // namespace

TEST(QtInet, AnImageArrivesWithItsTypeAndLengthInChunks) {
    QtApp qt;
    PageServer server;
    server.add("/img.gif", QByteArray(3000, 'g'), "image/gif");
    auto& form = app().form<Downloads>();
    ASSERT_TRUE(form.Transfer.Execute(server.url("/img.gif").toStdString()));
    ASSERT_TRUE(waitFor([&] { return form.done(); }));
    EXPECT_EQ(form.states.back(), icResponseCompleted);
    EXPECT_EQ(form.contentType, "image/gif");
    EXPECT_EQ(form.length, "3000");
    EXPECT_EQ(form.chunks, (std::vector<std::size_t>{2048, 952}));
}

TEST(QtInet, ANotFoundAnswerCompletesWithItsOwnContentType) {
    QtApp qt;
    PageServer server;
    auto& form = app().form<Downloads>();
    form.Transfer.Execute(server.url("/missing.gif").toStdString());
    ASSERT_TRUE(waitFor([&] { return form.done(); }));
    EXPECT_EQ(form.states.back(), icResponseCompleted);
    EXPECT_EQ(form.Transfer.ResponseCode(), 404);
    EXPECT_EQ(form.contentType, "text/plain");
}

TEST(QtInet, ARefusedConnectionASilentServerAndTheSizeCapEndInStateEleven) {
    QtApp qt;
    PageServer server;
    server.addSilent("/never");
    server.add("/big.gif", QByteArray(5000, 'b'), "image/gif");
    struct Case {
        const char* name;
        std::string url;
    };
    const Case cases[] = {
        {"refused", "http://127.0.0.1:" + std::to_string(closedPort()) + "/x.gif"},
        {"silent", server.url("/never").toStdString()},
        {"too large", server.url("/big.gif").toStdString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& form = app().form<Downloads>();
        form.Transfer.setRequestTimeout(2);
        form.Transfer.setMaxSize(4096);
        ASSERT_TRUE(form.Transfer.Execute(c.url));
        ASSERT_TRUE(waitFor([&] { return form.done(); }, 10000));
        EXPECT_EQ(form.states.back(), icError);
        EXPECT_EQ(form.Transfer.GetHeader("Content-type"), "");
        form.Unload();
    }
}

TEST(QtInet, NoEventArrivesAfterCancel) {
    QtApp qt;
    PageServer server;
    server.add("/img.gif", QByteArray(100, 'g'), "image/gif");
    auto& form = app().form<Downloads>();
    form.Transfer.Execute(server.url("/img.gif").toStdString());
    form.Transfer.Cancel();
    waitFor([] { return false; }, 500);
    EXPECT_TRUE(form.states.empty());
}
