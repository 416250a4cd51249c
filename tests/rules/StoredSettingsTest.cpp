// Stored values the settings window would refuse fall back to a new database's values,
// each named in the message with its range.
#include <gtest/gtest.h>

#include "effects/StoredSettings.h"

TEST(StoredSettings, EachBadHaloValueFallsBackAloneAndIsNamed) {
    struct Row {
        HaloSettings stored;
        HaloValues used;
        std::size_t problems;
    };
    const Row rows[] = {
        {{L"255", L"0", L"600"}, {255, 0, 600}, 0},
        {{L"16777215", L"255", L"1"}, {0xFFFFFF, 255, 1}, 0},
        {{L"-1", L"150", L"100"}, {65535, 150, 100}, 1},
        {{L"255", L"300", L"100"}, {255, 150, 100}, 1},
        {{L"255", L"150", L"32767"}, {255, 150, 100}, 1},
        {{L"255", L"150", L"-5"}, {255, 150, 100}, 1},
        {{L"255", L"150", L"0"}, {255, 150, 100}, 1},
        {{L"0255", L"065", L"  100"}, {255, 65, 100}, 0},
        {{L"Edit1", L"Edit3", std::wstring(1000000, L'9')}, {65535, 150, 100}, 3},
    };
    for (const Row& row : rows) {
        const CheckedHalo checked = CheckStoredHalo(row.stored);
        EXPECT_EQ(checked.values.color, row.used.color) << row.stored.colorText;
        EXPECT_EQ(checked.values.alpha, row.used.alpha) << row.stored.alphaText;
        EXPECT_EQ(checked.values.diameter, row.used.diameter) << row.stored.diameterText.size();
        EXPECT_EQ(checked.problems.size(), row.problems);
    }
}

TEST(StoredSettings, TheMessageNamesSettingValueRangeAndFallback) {
    const CheckedHalo halo = CheckStoredHalo({L"65535", L"150", std::wstring(70, L'9')});
    const CheckedOffset offset = CheckStoredOffset({L"pic\\arrow.png", L"100000"});
    EXPECT_EQ(offset.offset, 65);
    EXPECT_EQ(CheckStoredOffset({L"pic\\arrow.png", L"130"}).offset, 130);
    std::vector<std::wstring> problems = halo.problems;
    problems.insert(problems.end(), offset.problems.begin(), offset.problems.end());
    EXPECT_EQ(StoredSettingsMessage(problems),
              L"设置数据库中有无效的值：\r\n光环大小“" + std::wstring(60, L'9') +
                  L"…”不在1-600里，已改用默认值100。\r\n光标显示位置“100000”不在0-130里，已改用默认值65。");
}
