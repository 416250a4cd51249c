// What the windows find stored is told once: gathered during start-up without repeats,
// then at once.
#include <gtest/gtest.h>

#include "app/StoredProblemReport.h"
#include "effects/StoredSettings.h"

TEST(StoredProblemReport, StartUpGathersEachLineOnceThenTellsAtOnce) {
    std::vector<std::wstring> shown;
    StoredProblemReport report([&](const std::wstring& message) { shown.push_back(message); });
    report.Add({L"halo"});
    report.Add({});
    report.Add({L"offset"});
    report.Add({L"halo", L"offset"});  // the settings window reads both again
    EXPECT_TRUE(shown.empty());
    report.EndStartUp();
    EXPECT_EQ(shown, std::vector<std::wstring>{StoredSettingsMessage({L"halo", L"offset"})});

    report.Add({});
    report.Add({L"halo"});
    report.Add({L"halo"});
    EXPECT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown.back(), StoredSettingsMessage({L"halo"}));
}

TEST(StoredProblemReport, NothingToTellShowsNothing) {
    int shown = 0;
    StoredProblemReport report([&](const std::wstring&) { ++shown; });
    report.Add({});
    report.EndStartUp();
    EXPECT_EQ(shown, 0);
}
