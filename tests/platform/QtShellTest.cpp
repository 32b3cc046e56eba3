// SPDX-License-Identifier: GPL-3.0-or-later
// The real Shell adapter: an address goes to the desktop's browser through Qt, which on a
// desktop without a known environment starts `xdg-open` from PATH. A stand-in `xdg-open`
// records what the browser would be given.
#include "platform/QtShell.h"
#include "score/HofLinks.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace tessary {
namespace {

class QtShellTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        QFile stub(folder_.filePath("xdg-open"));
        ASSERT_TRUE(stub.open(QIODevice::WriteOnly));
        stub.write("#!/bin/sh\nprintf '%s\\n' \"$*\" >\"$(dirname \"$0\")/opened.tmp\"\n"
                   "mv \"$(dirname \"$0\")/opened.tmp\" \"$(dirname \"$0\")/opened\"\n");
        stub.close();
        stub.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        path_ = qgetenv("PATH");
        qputenv("PATH", folder_.path().toLocal8Bit() + ":" + path_);
    }
    void TearDown() override { qputenv("PATH", path_); }

    // What the stand-in browser was given, waiting up to 5 s; empty when it never started.
    std::string opened() {
        QFile file(folder_.filePath("opened"));
        for (QDeadlineTimer deadline(5000); !file.exists() && !deadline.hasExpired();) {
            QCoreApplication::processEvents();
            QThread::msleep(20);
        }
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll().trimmed().toStdString();
    }

    QTemporaryDir folder_;
    QByteArray path_;
};

// First of the file: once Qt has found a browser it keeps using it.
TEST_F(QtShellTest, WithoutAnyBrowserALinkSaysItWasNotOpened) {
    qputenv("PATH", folder_.filePath("nowhere").toLocal8Bit());
    qunsetenv("BROWSER");
    qunsetenv("DEFAULT_BROWSER");
    EXPECT_FALSE(QtShell().openLink(hofBrowseAddress()));
}

TEST_F(QtShellTest, AWebsiteEntryReachesTheBrowserWithEveryPartEncoded) {
    EXPECT_TRUE(QtShell().openLink(hofSubmitAddress(1250, 80, "Ann & Bo", "a+b@x.org")));
    EXPECT_EQ(opened(), hofServer() +
                            "/games/puzhof.asp?game=tess&a=1250&b=Ann%20%26%20Bo%20size=80"
                            "&c=a%2Bb%40x.org");
}

} // namespace
} // namespace tessary
