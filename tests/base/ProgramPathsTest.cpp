// The program's files are found beside it, and the log-in start entry names it exactly.
#include <gtest/gtest.h>

#include "base/ProgramPaths.h"

TEST(ProgramPaths, FilesResolveInsideTheProgramsFolder) {
    const std::wstring folder = FolderOf(L"D:\\课件 工具\\Vellora-1.0\\Vellora.exe");
    EXPECT_EQ(folder, L"D:\\课件 工具\\Vellora-1.0");
    EXPECT_EQ(InsideFolder(folder, L"GBTest.db"), L"D:\\课件 工具\\Vellora-1.0\\GBTest.db");
    EXPECT_EQ(InsideFolder(folder, L"pic\\gang\\gb.cur"), L"D:\\课件 工具\\Vellora-1.0\\pic\\gang\\gb.cur");
    EXPECT_EQ(InsideFolder(L"E:\\", L"pic\\arrow.png"), L"E:\\pic\\arrow.png");
    // Paths that name their own place are left alone.
    EXPECT_EQ(InsideFolder(folder, L"C:\\Pictures\\star.png"), L"C:\\Pictures\\star.png");
    EXPECT_EQ(InsideFolder(folder, L"\\\\server\\share\\star.png"), L"\\\\server\\share\\star.png");
    EXPECT_EQ(FolderOf(L"Vellora.exe"), L"");
    EXPECT_EQ(FolderOf(L"E:\\Vellora.exe"), L"E:\\") << "a stick's root is a folder of its own";
    EXPECT_EQ(InsideFolder(L"", L"GBTest.db"), L"GBTest.db");
}

TEST(ProgramPaths, TheStartEntryQuotesThePathAndIsRecognisedWhateverTheCase) {
    const std::wstring program = L"C:\\Users\\老师\\My Tools\\Vellora.exe";
    EXPECT_EQ(StartCommandFor(program), L"\"C:\\Users\\老师\\My Tools\\Vellora.exe\"");
    EXPECT_TRUE(StartCommandNames(StartCommandFor(program), program));
    EXPECT_TRUE(StartCommandNames(L"\"c:\\users\\老师\\MY TOOLS\\vellora.EXE\"", program));
    EXPECT_TRUE(StartCommandNames(program, program));  // written by hand without quotes
    EXPECT_FALSE(StartCommandNames(L"\"D:\\Old\\Vellora.exe\"", program));
    EXPECT_FALSE(StartCommandNames(L"\"C:\\Users\\老师\\My Tools\\Vellora.exe2\"", program));
    EXPECT_FALSE(StartCommandNames(L"", program));
    EXPECT_EQ(StartCommandPath(L"\"D:\\Old\\Vellora.exe\" --quiet"), L"D:\\Old\\Vellora.exe");
}
