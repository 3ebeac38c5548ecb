// A missing display or font ends a program with one clear message, never a crash.
#include <fstream>
#include <string>

#include "harness.h"

using testing_support::Ran;
using testing_support::RunCommand;

TEST(StartupFailure, NoDisplaySaysSo) {
    Ran r = RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY " + std::string(BRENVALE_BIN));
    EXPECT_EQ(r.status, 1) << r.out;
    EXPECT_NE(r.out.find("no display"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("xvfb-run"), std::string::npos) << r.out;
}

TEST(StartupFailure, MissingFontNamesThePackage) {
    // A font configuration with no fonts in it.
    std::string conf = ::testing::TempDir() + "/no-fonts.conf";
    std::ofstream(conf) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
    for (const std::string& bin : {std::string(BRENVALE_BIN), std::string(REPLAY_BIN) + " tessarin"}) {
        Ran r = RunCommand("FONTCONFIG_FILE=" + conf + " " + bin);
        EXPECT_EQ(r.status, 1) << bin << ": " << r.out;
        EXPECT_NE(r.out.find("BIZ UDGothic"), std::string::npos) << r.out;
        EXPECT_NE(r.out.find("apt-get install fonts-morisawa-bizud-gothic"), std::string::npos) << r.out;
    }
}
