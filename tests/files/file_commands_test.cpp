#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>

#include "files/dialog_window.h"
#include "files/program_containers.h"
#include "files_test_support.h"
#include "platform/program_path.h"
#include "support/test_runtime.h"

using FileCommands = ScratchFolder;

TEST_F(FileCommands, FileListWildcardsExistenceAndFolders) {
    for (const char* name : {"a.txt", "b.TXT", "c.bmp", "a.txt.bak"})
        WriteBytes(name, "");
    std::filesystem::create_directory("data");
    std::filesystem::create_directory_symlink("data", "linked");  // a link to a folder counts as a folder
    StrArray list;
    const double result = GETFILELIST("*.txt", list);
    const double directories = std::floor(result / 65536);
    EXPECT_EQ(result - directories * 65536, 2);
    ASSERT_EQ(BOUNDS(list, 0), directories + 2);
    std::vector<std::string> names;
    for (int i = 0; i < directories + 2; ++i)
        names.push_back(list(i).c_str());
    std::sort(names.begin(), names.begin() + directories);
    std::sort(names.begin() + directories, names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "data", "linked", "a.txt", "b.TXT"}));
    // clang-format off
    const struct { const char *pattern, *name; bool matches; } wildcards[] = {{"?.txt", "..txt", false},
        {"city*.t?t", "City12.TXT", true}, {"*ab*ab", "xabyabab", true}, {"*.*", "README", false}, {"*", "", true}};
    // clang-format on
    for (const auto& c : wildcards)
        EXPECT_EQ(szWildMatch(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
    EXPECT_EQ(DOESFILEEXIST("a.txt") * 100 + DOESFILEEXIST("missing.txt") * 10 + DOESFILEEXIST("data"), 100);
    EXPECT_EQ(SETCURRENTDIR("data"), 1);
    EXPECT_EQ(std::string(GETCURRENTDIR_Str().c_str()),
              std::filesystem::canonical(Folder()).string() + "/data/");
    EXPECT_EQ(SETCURRENTDIR("no-such-folder"), 0);
    EXPECT_EQ(std::filesystem::current_path().filename(), "data");
    EXPECT_EQ(SETCURRENTDIR("/"), 1);
    EXPECT_STREQ(GETCURRENTDIR_Str().c_str(), "/");  // no doubled slash at the root
}

TEST_F(FileCommands, ShellCommandsAndTheProgramFileAsBothContainers) {
    double exit_code = -1;
    EXPECT_EQ(SHELLCMD("sleep 0.2; echo done > out.txt; exit 7", 1, 1, exit_code), 1);
    EXPECT_EQ(exit_code, 7);
    EXPECT_EQ(ReadBytes("out.txt"), "done\n");                      // it had ended when the command returned
    EXPECT_EQ(SHELLCMD("exit 3", 0, 1, exit_code) + exit_code, 1);  // runs on its own: no exit code

    EXPECT_EQ(ProgramFolder("/usr/games/gravelrider") + ProgramFolder("/gravelrider"), "/usr/games/");
    UseProgramFileAsContainers();
    const std::string program = ProgramFilePath();
    EXPECT_EQ(g_ShoeBox_Data.ContainerName() + g_ShoeBox_Media.ContainerName(), program + program);
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(program).parent_path());
}

static bool WindowShown() {
    return (SDL_GetWindowFlags(SDL_GL_GetCurrentWindow()) & SDL_WINDOW_SHOWN) != 0;
}

TEST_F(FileCommands, DialogFilterPairsBecomeChoicesACancelGivesNoFileAndTheWindowComesBack) {
    const std::string saved_path = std::getenv("PATH");
    setenv("PATH", Folder().c_str(), 1);
    // A stand-in for the desktop's dialog program: it records its arguments, one a line, and answers.
    const auto InstallDialog = [](const std::string& name, const std::string& answer, int exit_code) {
        WriteBytes(
            name, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > arguments\nprintf '%s\\n' '" +
                      answer + "'\nexit " + std::to_string(exit_code) + "\n");
        chmod(name.c_str(), 0755);
    };
    EXPECT_STREQ(FILEREQUEST_Str(1, "All|*.*").c_str(), "NO_FILE");  // no dialog program at all
    InstallDialog("kdialog", "/home/player/out.txt", 0);
    EXPECT_STREQ(FILEREQUEST_Str(0, "Text|*.txt|Pictures|*.bmp;*.png").c_str(), "/home/player/out.txt");
    EXPECT_EQ(ReadBytes("arguments").substr(0, 18), "--getsavefilename\n");
    EXPECT_TRUE(ReadBytes("arguments").ends_with("\n*.txt|Text\n*.bmp *.png|Pictures\n"));
    InstallDialog("zenity", "C:\\saves\\game1.sav", 0);
    EXPECT_STREQ(FILEREQUEST_Str(1, "Levels|city*.txt;*.lvl|All files|*.*").c_str(), "C:/saves/game1.sav");
    EXPECT_EQ(ReadBytes("arguments"),
              "--file-selection\n--filename=" + std::filesystem::current_path().string() +
                  "/\n--file-filter=Levels | city*.txt *.lvl\n--file-filter=All files | *.*\n");
    InstallDialog("zenity", "", 1);
    EXPECT_STREQ(FILEREQUEST_Str(1, "All|*.*").c_str(), "NO_FILE");
    setenv("PATH", saved_path.c_str(), 1);

    StartTestRuntime();
    ASSERT_TRUE(WindowShown());
    EXPECT_FALSE(RunWithWindowHidden(WindowShown));
    EXPECT_TRUE(WindowShown());
    std::pair<int, int> size;
    __hWnd->ClientSize(size.first, size.second);
    EXPECT_EQ(size, std::pair(640, 480));
}
