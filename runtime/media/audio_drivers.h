// Which of SDL's audio drivers start-up lets SDL try. Where the person has
// named none, a machine without a sound card skips ALSA: probing it there
// reads its whole configuration twice and leaves a device-watching thread
// whose end the program waits for, about a tenth of a second, to find nothing.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Whether the folder of sound devices holds a card's control device.
bool HasSoundCard(const std::filesystem::path& device_folder);

// The drivers to try in their given order, comma-separated: all that SDL
// tries by itself (not the file and silent ones), ALSA only with a card.
std::string AudioDriversToTry(const std::vector<std::string>& compiled, bool sound_card);

// Sets SDL's driver choice before its audio is started, unless the person
// chose with SDL_AUDIODRIVER. Call it on the thread that starts SDL.
void ChooseAudioDrivers();
