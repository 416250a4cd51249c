// What the settings window's save buttons accept, and the messages they show otherwise.
#include <gtest/gtest.h>

#include <functional>

#include "base/Exception.h"
#include "base/Text.h"
#include "effects/SettingsValidation.h"

namespace {

std::string ConversionMessage(const std::function<void()>& check) {
    try {
        check();
    } catch (const EConvertError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace

TEST(SettingsValidation, HaloSizeBoundaries) {
    EXPECT_EQ(HaloInputMessage(L"0", L"150"), Text(IDS_HALO_SIZE_OUT_OF_RANGE));
    EXPECT_EQ(HaloInputMessage(L"1", L"150"), std::nullopt);
    EXPECT_EQ(HaloInputMessage(L"600", L"150"), std::nullopt);
    EXPECT_EQ(HaloInputMessage(L"601", L"150"), Text(IDS_HALO_SIZE_OUT_OF_RANGE));
    EXPECT_EQ(HaloInputMessage(L"-3", L"150"), Text(IDS_HALO_SIZE_OUT_OF_RANGE)) << "a pasted negative size";
}

TEST(SettingsValidation, HaloTransparencyBoundaries) {
    EXPECT_EQ(HaloInputMessage(L"100", L"0"), std::nullopt);
    EXPECT_EQ(HaloInputMessage(L"100", L"255"), std::nullopt);
    EXPECT_EQ(HaloInputMessage(L"100", L"256"), Text(IDS_HALO_ALPHA_OUT_OF_RANGE));
    EXPECT_EQ(HaloInputMessage(L"100", L"-1"), Text(IDS_HALO_ALPHA_OUT_OF_RANGE)) << "a pasted negative transparency";
}

TEST(SettingsValidation, EmptyOrBlankBoxesComeFirst) {
    EXPECT_EQ(HaloInputMessage(L"", L"150"), Text(IDS_HALO_BOXES_EMPTY));
    EXPECT_EQ(HaloInputMessage(L"100", L""), Text(IDS_HALO_BOXES_EMPTY));
    EXPECT_EQ(HaloInputMessage(L"  \t", L"abc"), Text(IDS_HALO_BOXES_EMPTY)) << "before any conversion";
    EXPECT_EQ(HaloInputMessage(L"700", L" "), Text(IDS_HALO_BOXES_EMPTY)) << "before the range checks";
    EXPECT_EQ(PictureInputMessage(L""), Text(IDS_OFFSET_EMPTY));
    EXPECT_EQ(PictureInputMessage(L"   "), Text(IDS_OFFSET_EMPTY));
}

TEST(SettingsValidation, SizeIsCheckedBeforeTransparencyIsConverted) {
    EXPECT_EQ(HaloInputMessage(L"601", L"abc"), Text(IDS_HALO_SIZE_OUT_OF_RANGE));
    EXPECT_EQ(ConversionMessage([] { HaloInputMessage(L"abc", L"999"); }), "'abc' is not a valid integer value");
    EXPECT_EQ(ConversionMessage([] { HaloInputMessage(L"100", L"1 2"); }), "'1 2' is not a valid integer value");
}

TEST(SettingsValidation, NumbersBeyond32BitsAreConversionErrors) {
    EXPECT_EQ(ConversionMessage([] { HaloInputMessage(L"2147483648", L"1"); }),
              "'2147483648' is not a valid integer value");
    EXPECT_EQ(ConversionMessage([] { PictureInputMessage(L"99999999999"); }),
              "'99999999999' is not a valid integer value");
    EXPECT_EQ(HaloInputMessage(L"2147483647", L"1"), Text(IDS_HALO_SIZE_OUT_OF_RANGE))
        << "the largest 32-bit number converts";
}

TEST(SettingsValidation, PastedBlanksAroundANumberAreTrimmed) {
    EXPECT_EQ(HaloInputMessage(L" 600 ", L"\t255\r\n"), std::nullopt);
    EXPECT_EQ(PictureInputMessage(L" 130 "), std::nullopt);
    EXPECT_EQ(ConversionMessage([] { PictureInputMessage(L" 1 3 "); }), "'1 3' is not a valid integer value")
        << "the message quotes the trimmed text";
}

TEST(SettingsValidation, OffsetBoundaries) {
    EXPECT_EQ(PictureInputMessage(L"0"), std::nullopt);
    EXPECT_EQ(PictureInputMessage(L"130"), std::nullopt);
    EXPECT_EQ(PictureInputMessage(L"131"), Text(IDS_OFFSET_OUT_OF_RANGE));
    EXPECT_EQ(PictureInputMessage(L"-1"), Text(IDS_OFFSET_OUT_OF_RANGE)) << "a pasted negative offset";
}

TEST(SettingsValidation, TrimKeepsInnerBlanksAndNonAsciiText) {
    EXPECT_EQ(TrimBlanks(L""), L"");
    EXPECT_EQ(TrimBlanks(L" \t "), L"");
    EXPECT_EQ(TrimBlanks(L"  a b  "), L"a b");
    EXPECT_EQ(TrimBlanks(L"　65"), L"　65") << "an ideographic space is not a blank";
}

TEST(SettingsValidation, DigitBoxesKeepDigitsAndEditingKeysOnly) {
    // Backspace, Tab, and Ctrl+A, Ctrl+C, Ctrl+V, Ctrl+X as the box receives them.
    for (wchar_t key : {L'0', L'5', L'9', L'\b', L'\t', L'\x01', L'\x03', L'\x16', L'\x18'})
        EXPECT_TRUE(KeptByDigitBox(key)) << int(key);
    for (wchar_t key : {L'/', L':', L'a', L'-', L' ', L'+', L'\r', L'０', L'\0', L'\x02', L'\x1A', L'\x19'})
        EXPECT_FALSE(KeptByDigitBox(key)) << int(key);
}
