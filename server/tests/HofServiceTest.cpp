// SPDX-License-Identifier: GPL-3.0-or-later
// The online Hall of Fame's answers, on a real SQLite store, without the network.
#include "HofService.h"
#include "HtmlPage.h"
#include "JsonView.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

using namespace hof;
using testing::HasSubstr;
using testing::Not;

namespace {

class HofServiceTest : public testing::Test {
  protected:
    HofServiceTest()
        : folder_(std::filesystem::temp_directory_path() /
                  ("hof-service-" + std::to_string(getpid()))),
          store_(openStore(
              (std::filesystem::create_directories(folder_), folder_ / "hof.sqlite").string(),
              kDefaultKeep, true)) {}
    ~HofServiceTest() override { std::filesystem::remove_all(folder_); }

    Reply submit(const std::string& score, const std::string& nameAndSize,
                 const std::string& client = "10.0.0.1") {
        return service_.puzhof(
            {{"game", "tess"}, {"a", score}, {"b", nameAndSize}, {"c", "secret@mail.example"}},
            client);
    }

    std::filesystem::path folder_;
    std::unique_ptr<Store> store_;
    RateLimiter limiter_{10};
    HofService service_{*store_, limiter_, kDefaultKeep};
};

} // namespace

TEST_F(HofServiceTest, AnEntryIsShownHighlightedButItsEmailNever) {
    submit("900", "Bo size=20");
    const Reply reply = submit("1250", "Ann size=80");
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.contentType, "text/html; charset=utf-8");
    EXPECT_THAT(reply.body, HasSubstr("Thank you, Ann: a score of 1250 on 80 pieces is number 1."));
    EXPECT_THAT(reply.body, HasSubstr("<tr class=\"you\"><td class=\"number\">1</td>"
                                      "<td class=\"number\">1250</td><td class=\"number\">80</td>"
                                      "<td class=\"name\">Ann</td>"));
    EXPECT_THAT(reply.body, HasSubstr("<tr><td class=\"number\">2</td>"));
    const Reply browse = service_.puzhof({{"game", "tess"}}, "10.0.0.9");
    EXPECT_EQ(browse.status, 200);
    EXPECT_THAT(browse.body, HasSubstr("<td class=\"name\">Bo</td>"));
    EXPECT_THAT(browse.body, Not(HasSubstr("class=\"you\"")));
    const Reply json = service_.scores({{"game", "tess"}, {"limit", "1"}});
    EXPECT_EQ(json.status, 200);
    EXPECT_THAT(json.body, HasSubstr("{\"game\":\"tess\",\"scores\":[{\"rank\":1,\"score\":1250,"
                                     "\"size\":80,\"name\":\"Ann\",\"date\":\""));
    EXPECT_THAT(json.body, Not(HasSubstr("Bo")));
    for (const auto& body : {reply.body, browse.body, json.body})
        EXPECT_THAT(body, Not(HasSubstr("secret")));
}

TEST_F(HofServiceTest, ANameIsShownAsTextNeverAsMarkup) {
    const Reply reply = submit("500", "<script>alert(1)</script> size=80");
    EXPECT_EQ(reply.status, 200);
    EXPECT_THAT(reply.body, HasSubstr("<td class=\"name\">&lt;script&gt;alert(1)&lt;/script&gt;"));
    EXPECT_THAT(reply.body, Not(HasSubstr("<script>")));
    const Reply json = service_.scores({{"game", "tess"}});
    EXPECT_THAT(json.body,
                HasSubstr("\"name\":\"\\u003cscript\\u003ealert(1)\\u003c/script\\u003e\""));
    EXPECT_EQ(htmlEscape("a\"b'c&d"), "a&quot;b&#39;c&amp;d");
    EXPECT_EQ(jsonString("q\"\\\n\x01"), "\"q\\\"\\\\\\u000a\\u0001\"");
}

TEST_F(HofServiceTest, AReloadIsEnteredOnce) {
    submit("700", "Ann size=80");
    const Reply again = submit("700", "Ann size=80");
    EXPECT_EQ(again.status, 200);
    EXPECT_THAT(again.body, HasSubstr("This entry was already made: Ann, a score of 700 on 80 "
                                      "pieces, is number 1."));
    EXPECT_THAT(again.body, HasSubstr("class=\"you\""));
    // The same name with its accent typed apart is the same entry.
    submit("650", "Zo\u00eb size=80");
    EXPECT_THAT(submit("650", "Zoe\u0308 size=80").body,
                HasSubstr("This entry was already made: Zo\u00eb, a score of 650"));
    EXPECT_EQ(store_->best("tess", 10).size(), 2u);
}

TEST_F(HofServiceTest, ABadEntryIsRefusedSayingWhy) {
    const Reply reply = submit("0", "Ann size=3");
    EXPECT_EQ(reply.status, 400);
    EXPECT_THAT(reply.body,
                HasSubstr("<li>The score must be a whole number from 1 to 32767.</li>"));
    EXPECT_THAT(reply.body,
                HasSubstr("<li>The number of pieces must be a whole number from 4 to 2500.</li>"));
    EXPECT_TRUE(store_->best("tess", 10).empty());
}

TEST_F(HofServiceTest, OnlyTheGamesCodeHasAHallOfFame) {
    const Reply missing = service_.puzhof({}, "10.0.0.1");
    EXPECT_EQ(missing.status, 404);
    EXPECT_THAT(missing.body, HasSubstr("The address names no game"));
    const Reply unknown = service_.puzhof({{"game", "<i>triv"}, {"a", "5"}}, "10.0.0.1");
    EXPECT_EQ(unknown.status, 404);
    EXPECT_THAT(unknown.body, HasSubstr("for the game code &quot;&lt;i&gt;triv&quot;"));
    EXPECT_EQ(service_.scores({{"game", "triv"}}).status, 404);
    for (const std::string bad : {"0", "1001", "x", ""})
        EXPECT_EQ(service_.scores({{"game", "tess"}, {"limit", bad}}).status, 400) << bad;
}

TEST_F(HofServiceTest, MoreThanTenEntriesAMinuteFromOneAddressAreTurnedAway) {
    // Entries refused for what they hold do not count.
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(submit("0", "Ann size=80").status, 400) << i;
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(submit(std::to_string(i), "Ann size=80").status, 200) << i;
    const Reply refused = submit("11", "Ann size=80");
    EXPECT_EQ(refused.status, 429);
    EXPECT_THAT(refused.body, HasSubstr("Please wait a minute and try again."));
    ASSERT_EQ(refused.headers.size(), 1u);
    EXPECT_EQ(refused.headers[0], (std::pair<std::string, std::string>{"Retry-After", "60"}));
    EXPECT_EQ(store_->best("tess", 100).size(), 10u);
    // Browsing is not limited, and another address may still submit.
    EXPECT_EQ(service_.puzhof({{"game", "tess"}}, "10.0.0.1").status, 200);
    EXPECT_EQ(submit("11", "Bo size=80", "10.0.0.2").status, 200);
}

TEST_F(HofServiceTest, OnlyATrustedProxyNamesTheClient) {
    EXPECT_EQ(service_.clientOf("10.0.0.9", "1.2.3.4"), "10.0.0.9");
    service_.trustProxy("10.0.0.9");
    // The proxy appends what it saw; what the client wrote before it is not believed.
    EXPECT_EQ(service_.clientOf("10.0.0.9", "6.6.6.6, 1.2.3.4"), "1.2.3.4");
    EXPECT_EQ(service_.clientOf("10.0.0.9", "::1"), "::1");
    EXPECT_EQ(service_.clientOf("10.0.0.9", "1.2.3.4, junk"), "10.0.0.9");
    EXPECT_EQ(service_.clientOf("10.0.0.8", "1.2.3.4"), "10.0.0.8");
}
