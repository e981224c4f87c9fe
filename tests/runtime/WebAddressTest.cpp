#include <gtest/gtest.h>

#include "runtime/WebAddress.h"

using quillo::runtime::CompleteAddress;

TEST(WebAddresses, AreCompletedAsAnAddressBarWould) {
    const std::pair<const char*, const char*> cases[] = {
        {"www.x.org/a", "http://www.x.org/a"},
        {"  www.quillo.example  ", "http://www.quillo.example"},
        {"http://www.x.org/", "http://www.x.org/"},
        {"HTTPS://secure.test/", "HTTPS://secure.test/"},
        {"about:blank", "about:blank"},
        {"ftp://files.test/x", "ftp://files.test/x"},
        {"mailto:me@x.org", "mailto:me@x.org"},
        {"localhost:8080/page", "http://localhost:8080/page"},
        {"127.0.0.1:81", "http://127.0.0.1:81"},
        {"custom+scheme://thing", "custom+scheme://thing"},
        {"/home/child/page.htm", "file:///home/child/page.htm"},
        {"", ""},
        {"   ", ""},
    };
    for (const auto& [typed, complete] : cases)
        EXPECT_EQ(CompleteAddress(typed), complete) << typed;
}
