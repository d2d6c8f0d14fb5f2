#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "files/dialog_window.h"
#include "files_test_support.h"
#include "platform/program_path.h"
#include "support/test_runtime.h"

namespace {

using FileCommands = ScratchFolder;

TEST(WildMatch, StarsQuestionMarksAndCase) {
    const struct {
        const char *pattern, *name;
        bool matches;
    } cases[] = {{"*.txt", "b.TXT", true},
                 {"*.txt", "a.txt.bak", false},
                 {"*", "", true},
                 {"**", "x", true},
                 {"?", "", false},
                 {"?.txt", "..txt", false},  // "?" is no dot
                 {"city*.t?t", "City12.TXT", true},
                 {"*ab*ab", "xabyabab", true},  // more after a false start
                 {"*.*", "README", false},
                 {"", "a", false},
                 {"a*", "a", true}};
    for (const auto& c : cases)
        EXPECT_EQ(szWildMatch(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
}

TEST_F(FileCommands, FileListHasDirectoriesFirstThenMatchingFiles) {
    WriteBytes("a.txt", "");
    WriteBytes("b.TXT", "");
    WriteBytes("c.bmp", "");
    std::filesystem::create_directory("data");
    std::filesystem::create_directory_symlink("data", "linked");  // a link to a folder counts as a folder
    StrArray list;
    const double result = GETFILELIST("*.txt", list);
    const double directories = std::floor(result / 65536);
    EXPECT_EQ(result - directories * 65536, 2);
    ASSERT_EQ(BOUNDS(list, 0), directories + 2);
    std::vector<std::string> names;
    for (int i = 0; i < directories; ++i)
        names.push_back(list(i).c_str());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "data", "linked"}));  // as this system reports them
    std::vector<std::string> files{list(directories).c_str(), list(directories + 1).c_str()};
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"a.txt", "b.TXT"}));
}

TEST_F(FileCommands, FileExistence) {
    WriteBytes("here.txt", "x");
    std::filesystem::create_directory("folder");
    EXPECT_EQ(DOESFILEEXIST("here.txt"), 1);
    EXPECT_EQ(DOESFILEEXIST("missing.txt"), 0);
    EXPECT_EQ(DOESFILEEXIST("folder"), 0);
    EXPECT_EQ(DOESFILEEXIST(""), 0);
}

TEST_F(FileCommands, CurrentDirectory) {
    std::filesystem::create_directory("sub");
    EXPECT_EQ(SETCURRENTDIR("sub"), 1);
    EXPECT_EQ(std::string(GETCURRENTDIR_Str().c_str()),
              std::filesystem::canonical(Folder()).string() + "/sub/");
    EXPECT_EQ(SETCURRENTDIR("no-such-folder"), 0);
    EXPECT_EQ(std::filesystem::current_path().filename(), "sub");
    EXPECT_EQ(SETCURRENTDIR("/"), 1);
    EXPECT_STREQ(GETCURRENTDIR_Str().c_str(), "/");  // no doubled slash at the root
}

TEST_F(FileCommands, ShellCommandWaitsForTheExitCode) {
    double exit_code = -1;
    EXPECT_EQ(SHELLCMD("sleep 0.2; echo done > out.txt; exit 7", 1, 1, exit_code), 1);
    EXPECT_EQ(exit_code, 7);
    EXPECT_EQ(ReadBytes("out.txt"), "done\n");  // it had ended when the command returned
    EXPECT_EQ(SHELLCMD("kill -9 $$", 1, 0, exit_code), 1);
    EXPECT_EQ(exit_code, 128 + 9);
}

TEST_F(FileCommands, ShellCommandWithoutWaitingRunsOnItsOwn) {
    double exit_code = -1;
    EXPECT_EQ(SHELLCMD("echo started > started.txt; exit 3", 0, 1, exit_code), 1);
    EXPECT_EQ(exit_code, 0);
    for (int i = 0; i < 500 && ReadBytes("started.txt") != "started\n"; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(ReadBytes("started.txt"), "started\n");
}

TEST(ProgramFolder, IsThePathBeforeTheLastSeparator) {
    EXPECT_EQ(ProgramFolder("/usr/games/gravelrider"), "/usr/games");
    EXPECT_EQ(ProgramFolder("C:\\Games\\gr.exe"), "C:\\Games");
    EXPECT_EQ(ProgramFolder("/gravelrider"), "/");
    EXPECT_EQ(ProgramFolder("gravelrider"), "");
}

TEST_F(FileCommands, TheProgramFileNamesBothContainersAndItsFolderBecomesCurrent) {
    UseProgramFileAsContainers();
    const std::string program = ProgramFilePath();
    EXPECT_EQ(g_ShoeBox_Data.ContainerName(), program);
    EXPECT_EQ(g_ShoeBox_Media.ContainerName(), program);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(program).parent_path());
}

// A stand-in for the desktop's dialog program: records its arguments, one a
// line, and answers as the test says.
class FileDialog : public ScratchFolder {
protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        saved_path_ = std::getenv("PATH");
        std::filesystem::create_directory("bin");
        setenv("PATH", (Folder() / "bin").c_str(), 1);
    }
    void TearDown() override {
        setenv("PATH", saved_path_.c_str(), 1);
        ScratchFolder::TearDown();
    }

    void InstallDialog(const std::string& name, const std::string& answer, int exit_code) {
        const std::filesystem::path program = Folder() / "bin" / name;
        WriteBytes(program, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"" +
                                (Folder() / "arguments").string() + "\"\nprintf '%s\\n' '" + answer +
                                "'\nexit " + std::to_string(exit_code) + "\n");
        chmod(program.c_str(), 0755);
    }

    std::vector<std::string> Arguments() const {
        std::vector<std::string> lines;
        std::istringstream text(ReadBytes(Folder() / "arguments"));
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        return lines;
    }

private:
    std::string saved_path_;
};

TEST_F(FileDialog, ZenityIsGivenTheFilterPairsAndTheCurrentFolder) {
    InstallDialog("zenity", "C:\\saves\\game1.sav", 0);
    EXPECT_STREQ(FILEREQUEST_Str(1, "Levels|city*.txt;*.lvl|All files|*.*").c_str(), "C:/saves/game1.sav");
    const std::string folder = std::filesystem::current_path().string() + "/";
    EXPECT_EQ(Arguments(), (std::vector<std::string>{"--file-selection", "--filename=" + folder,
                                                     "--file-filter=Levels | city*.txt *.lvl",
                                                     "--file-filter=All files | *.*"}));
    FILEREQUEST_Str(0, "");
    EXPECT_EQ(Arguments(), (std::vector<std::string>{"--file-selection", "--save", "--filename=" + folder}));
}

TEST_F(FileDialog, KdialogIsUsedWhenThereIsNoZenity) {
    InstallDialog("kdialog", "/home/player/out.txt", 0);
    EXPECT_STREQ(FILEREQUEST_Str(0, "Text|*.txt|Pictures|*.bmp;*.png").c_str(), "/home/player/out.txt");
    const std::vector<std::string> arguments = Arguments();
    ASSERT_EQ(arguments.size(), 4u);
    EXPECT_EQ(arguments[0], "--getsavefilename");
    EXPECT_EQ(arguments[2], "*.txt|Text");
    EXPECT_EQ(arguments[3], "*.bmp *.png|Pictures");  // the second line of the filter argument
}

TEST_F(FileDialog, CancelledOrMissingDialogsGiveNoFile) {
    EXPECT_STREQ(FILEREQUEST_Str(1, "All|*.*").c_str(), "NO_FILE");  // no dialog program at all
    InstallDialog("zenity", "", 1);
    EXPECT_STREQ(FILEREQUEST_Str(1, "All|*.*").c_str(), "NO_FILE");
}

bool WindowShown() {
    return (SDL_GetWindowFlags(SDL_GL_GetCurrentWindow()) & SDL_WINDOW_SHOWN) != 0;
}

TEST(DialogWindow, TheWindowIsHiddenWhileTheDialogRunsAndComesBackAsItWas) {
    StartTestRuntime();
    int width = 0;
    int height = 0;
    ASSERT_TRUE(WindowShown());
    EXPECT_FALSE(RunWithWindowHidden(WindowShown));
    EXPECT_TRUE(WindowShown());
    __hWnd->ClientSize(width, height);
    EXPECT_EQ(width, 640);
    EXPECT_EQ(height, 480);
}

}  // namespace
