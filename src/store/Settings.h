#pragma once

#include <string>

// The settings database: table GBgs (follower picture) and GBtx (halo), one row of key 1
// each. Every operation opens its own connection, runs one statement and closes it. Values
// are kept as the texts stored; the conversions below turn them into numbers.
inline constexpr char kSettingsFile[] = "GBTest.db";

struct PictureSettings {
    std::wstring fileName;    // FileN
    std::wstring offsetText;  // SHu
};

struct HaloSettings {
    std::wstring colorText;     // ColoeN
    std::wstring alphaText;     // TouM
    std::wstring diameterText;  // Ghdx
};

// Read the first row SQLite returns.
PictureSettings ReadPictureSettings(const std::string& dbFile = kSettingsFile);
HaloSettings ReadHaloSettings(const std::string& dbFile = kSettingsFile);

// Update the row of key 1; a missing row changes nothing.
void WritePictureSettings(const PictureSettings& settings, const std::string& dbFile = kSettingsFile);
void WriteHaloSettings(const HaloSettings& settings, const std::string& dbFile = kSettingsFile);

// The UTF-8 update statements, with every value as a quoted text literal.
std::string PictureUpdateStatement(const PictureSettings& settings);
std::string HaloUpdateStatement(const HaloSettings& settings);

// The halo as numbers.
struct HaloValues {
    int color = 0;
    int alpha = 0;
    int diameter = 0;
};
