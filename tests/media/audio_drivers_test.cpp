#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "media/audio_drivers.h"

namespace {

TEST(AudioDrivers, OnlyACardsControlDeviceCountsAsASoundCard) {
    const std::filesystem::path folder =
        std::filesystem::path(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp") /
        ("snd-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::remove_all(folder);
    EXPECT_FALSE(HasSoundCard(folder));  // no folder at all
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "timer");
    std::ofstream(folder / "seq");
    EXPECT_FALSE(HasSoundCard(folder));
    std::ofstream(folder / "controlC1");
    EXPECT_TRUE(HasSoundCard(folder));
    std::filesystem::remove_all(folder);
}

TEST(AudioDrivers, ALSAIsTriedOnlyWithACardAndTheFileAndSilentDriversNever) {
    const std::vector<std::string> compiled{"pipewire", "pulseaudio", "alsa", "sndio",
                                            "dsp",      "disk",       "dummy"};
    EXPECT_EQ(AudioDriversToTry(compiled, true), "pipewire,pulseaudio,alsa,sndio,dsp");
    EXPECT_EQ(AudioDriversToTry(compiled, false), "pipewire,pulseaudio,sndio,dsp");
    EXPECT_EQ(AudioDriversToTry({"alsa", "dummy"}, false), "");
}

}  // namespace
