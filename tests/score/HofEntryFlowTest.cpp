// SPDX-License-Identifier: GPL-3.0-or-later
#include "flows/HofEntryFlow.h"
#include "score/HofFile.h"
#include "score/HofLinks.h"

#include "storage/TestFiles.h"

#include <gtest/gtest.h>

namespace tessary {
namespace {

// The name entry types `typedName` over the name it shows, keeps the e-mail, and asks for
// the online list when `websiteEntry` is set; every window and link is logged in order.
struct RecordingHofHost : HofEntryHost {
    std::string typedName = "Ann";
    bool websiteEntry = false;
    std::vector<std::string> log;

    NameEntryAnswer askName(int rank, const std::string& name, const std::string& email) override {
        log.push_back("NameEntry " + std::to_string(rank) + " " + name);
        return {typedName, email, websiteEntry};
    }
    void showHofWindow() override { log.push_back("HOF"); }
    void showMessage(const std::string& text) override { log.push_back("message " + text); }
    void openLink(const std::string& address) override { log.push_back("link " + address); }
    std::string today() const override { return "8/12/26"; }
};

class HofEntryFlowTest : public ::testing::Test {
  protected:
    TempFolder dir;
    HallOfFame list;
    Settings settings;
    RecordingHofHost host;
    HofEntryFlow flow{list, settings, host, dir.path};

    // A finished puzzle's entry, as the last swap makes it.
    void finish(int32_t score) { flow.enterHof(score, "Harbour", 80); }
    void fillList(int entries) {
        for (int i = 1; i <= entries; ++i)
            list.insertAt(i, makeHofEntry(5000 - i, "old", 4, "Old", "1/1/26"));
    }
};

TEST_F(HofEntryFlowTest, AFirstEntryIsNamedShownAndWritten) {
    settings.playerName = "Old";
    finish(1250);
    EXPECT_EQ(host.log, (std::vector<std::string>{"NameEntry 1 Old", "HOF"}));
    EXPECT_EQ(settings.playerName, "Ann"); // remembered for the next entry
    EXPECT_EQ(list.hofCount, 1);
    EXPECT_EQ(list.hof[1], makeHofEntry(1250, "Harbour", 80, "Ann", "8/12/26"));
    HallOfFame written;
    ASSERT_TRUE(getHOF(dir.path, written));
    EXPECT_EQ(written.hof[1], list.hof[1]);
}

TEST_F(HofEntryFlowTest, TheWebsiteEntryNeedsATopFivePlace) {
    fillList(5);
    host.websiteEntry = true;
    finish(100); // rank 6
    EXPECT_EQ(host.log, (std::vector<std::string>{
                            "NameEntry 6 ",
                            "message Must be in top 5 of local HOF to be entered online", "HOF"}));
}

TEST_F(HofEntryFlowTest, ATopFivePlaceOpensTheSubmitAddressWithTheNameEncoded) {
    fillList(1);
    host.websiteEntry = true;
    host.typedName = "Ann & Bo";
    finish(1250); // rank 2
    ASSERT_EQ(host.log.size(), 3u);
    EXPECT_EQ(host.log[1], "link " + hofServer() +
                               "/games/puzhof.asp?game=tess&a=1250&b=Ann%20%26%20Bo size=80&c=");
    // A score past the entry's field goes online as the list keeps it, which the server takes.
    host.log.clear();
    finish(111615);
    ASSERT_EQ(host.log.size(), 3u);
    EXPECT_EQ(host.log[1], "link " + hofServer() +
                               "/games/puzhof.asp?game=tess&a=32767&b=Ann%20%26%20Bo size=80&c=");
}

TEST_F(HofEntryFlowTest, AScoreBelowAFullListEntersNothing) {
    fillList(30);
    finish(-5);
    EXPECT_TRUE(host.log.empty());
    EXPECT_TRUE(dir.names().empty());
}

} // namespace
} // namespace tessary
