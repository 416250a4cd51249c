// The browse button: the file dialog, the path box, the preview and the working
// directory, which always ends in the program's folder.
#include "AppTest.h"
#include "SettingsTestSupport.h"

#include <fstream>

#include "effects/SettingsWindow.h"
#include "store/Settings.h"

namespace fs = std::filesystem;

class SettingsBrowseTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        s_ = &CreateWindows().settingsWindow();
        ASSERT_EQ(s_->PicturePath(), L"pic\\arrow.png");
    }
    // Clicks browse and gives the working directory back to the test's folder, so that
    // nothing later touches the database beside the test program.
    fs::path Browse() {
        LeftClick(s_->browseButton);
        const fs::path after = fs::current_path();
        fs::current_path(Folder());
        return after;
    }
    SettingsWindow* s_ = nullptr;
};

TEST_F(SettingsBrowseTest, PickingAPictureSetsThePathBoxAndThePreview) {
    // A picture outside the program's folder, under a name with a blank and Chinese characters.
    fs::create_directories(Folder() / "Pictures");
    fs::copy_file(Folder() / "pic" / "star.png", Folder() / "Pictures" / L"我的 star.png");
    const HBITMAP before = s_->picturePreview.GetPicture().Bitmap();
    recorder_.fileAnswers.push_back((Folder() / "Pictures" / L"我的 star.png").wstring());

    EXPECT_EQ(Browse(), ProgramFolder());
    ASSERT_EQ(recorder_.fileRequests.size(), 1u);
    EXPECT_EQ(recorder_.fileRequests[0].filter, L"PNG文件|*.png");
    EXPECT_EQ(fs::path(recorder_.fileRequests[0].initialDirectory), ProgramFolder());
    EXPECT_EQ(s_->PicturePath(), L"pic\\我的 star.png") << "the folder is dropped";
    EXPECT_NE(s_->picturePreview.GetPicture().Bitmap(), before);
    EXPECT_EQ(s_->picturePreview.GetPicture().Width(), 128);
    EXPECT_TRUE(recorder_.errors.empty());
}

TEST_F(SettingsBrowseTest, ThePathBoxReadsPicAndTheBareNameThenSaves) {
    recorder_.fileAnswers.push_back((Folder() / "pic" / "star.png").wstring());
    Browse();
    EXPECT_EQ(s_->PicturePath(), L"pic\\star.png");
    recorder_.messages.clear();
    LeftClick(s_->pictureSaveButton);
    EXPECT_TRUE(recorder_.messages.empty());
    EXPECT_EQ(ReadPictureSettings().fileName, L"pic\\star.png");
}

TEST_F(SettingsBrowseTest, CancellingChangesNothingButTheWorkingDirectory) {
    const HBITMAP before = s_->picturePreview.GetPicture().Bitmap();
    EXPECT_EQ(Browse(), ProgramFolder());
    EXPECT_EQ(recorder_.fileRequests.size(), 1u);
    EXPECT_EQ(s_->PicturePath(), L"pic\\arrow.png");
    EXPECT_EQ(s_->picturePreview.GetPicture().Bitmap(), before);
    EXPECT_TRUE(recorder_.errors.empty());
}

TEST_F(SettingsBrowseTest, AFileThatIsNoPngGivesOneErrorAndKeepsThePreview) {
    std::ofstream(Folder() / "fake.png") << "not a picture";
    const HBITMAP before = s_->picturePreview.GetPicture().Bitmap();
    recorder_.fileAnswers.push_back((Folder() / "fake.png").wstring());
    EXPECT_EQ(Browse(), ProgramFolder()) << "back in the program's folder even after the error";
    ASSERT_EQ(recorder_.errors.size(), 1u);
    EXPECT_NE(recorder_.errors[0].find(L"fake.png"), std::wstring::npos);
    EXPECT_EQ(s_->picturePreview.GetPicture().Bitmap(), before);
}
