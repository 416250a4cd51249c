// Where the pen's drawings go: names of saved drawings, and the folder of kept drawings.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "base/Exception.h"
#include "pen/KeptDrawings.h"

using pen::KeptNewestFirst;
using pen::PlanKeep;

TEST(PenKeptDrawings, ASavedDrawingIsNamedForItsTimeWithANumberWhenThatNameIsTaken) {
    const pen::LocalTime time{2026, 12, 8, 14, 3, 22};
    EXPECT_EQ(pen::SaveName(time, [](const std::wstring&) { return false; }), L"2026-12-08 14-03-22.png");
    EXPECT_EQ(pen::SaveName({987, 1, 2, 3, 4, 5}, [](const std::wstring&) { return false; }),
              L"0987-01-02 03-04-05.png");

    std::set<std::wstring> folder{L"2026-12-08 14-03-22.png", L"2026-12-08 14-03-22 (2).png"};
    const auto taken = [&](const std::wstring& name) { return folder.count(name) > 0; };
    EXPECT_EQ(pen::SaveName(time, taken), L"2026-12-08 14-03-22 (3).png");
    folder.erase(L"2026-12-08 14-03-22 (2).png");
    EXPECT_EQ(pen::SaveName(time, taken), L"2026-12-08 14-03-22 (2).png");

    EXPECT_THROW(pen::SaveName(time, [](const std::wstring&) { return true; }), Exception);
}

TEST(PenKeptDrawings, KeptDrawingsComeNewestFirstAndOthersInTheFolderAreLeftAlone) {
    const std::vector<std::wstring> folder{L"kept-000009.png",     L"notes.txt",
                                           L"kept-000010.png",     L"kept-7.png",
                                           L"kept-.png",           L"kept-00x1.png",
                                           L"kept-000002.PNG",     L"Kept-000003.png",
                                           L"kept-000011.png.bak", L"kept-1234567890123456789012.png"};
    EXPECT_EQ(KeptNewestFirst(folder),
              (std::vector<std::wstring>{L"kept-000010.png", L"kept-000009.png", L"kept-7.png"}));
    EXPECT_TRUE(KeptNewestFirst({}).empty());
}

TEST(PenKeptDrawings, KeepingOneMoreTakesTheNextNumberAndDropsTheOldestBeyondTwenty) {
    const pen::KeepPlan first = PlanKeep({L"picture.png"});
    EXPECT_EQ(first.name, L"kept-000001.png");
    EXPECT_TRUE(first.dropped.empty());

    // Numbers sort as numbers, past the padded width too.
    std::vector<std::wstring> folder{L"kept-999999.png", L"kept-1000000.png", L"readme.txt"};
    EXPECT_EQ(PlanKeep(folder).name, L"kept-1000001.png");

    folder.clear();
    for (int i = 0; i < 19; ++i) folder.push_back(PlanKeep(folder).name);
    EXPECT_TRUE(PlanKeep(folder).dropped.empty()) << "the twentieth fits";
    folder.push_back(PlanKeep(folder).name);
    const pen::KeepPlan full = PlanKeep(folder);
    EXPECT_EQ(full.name, L"kept-000021.png");
    EXPECT_EQ(full.dropped, std::vector<std::wstring>{L"kept-000001.png"});

    // A folder that holds more than it should (kept by an older run) comes back to twenty.
    folder.insert(folder.begin(), {L"kept-000000.png", L"kept-000000000.png"});
    EXPECT_EQ(PlanKeep(folder).dropped,
              (std::vector<std::wstring>{L"kept-000000.png", L"kept-000000000.png", L"kept-000001.png"}));
}
