// Sound effects and music: a tune plays from the start, over and over. Space
// plays a short sound at the place in the stereo field that the marker on the
// bar shows (the arrow keys move it); M stops the music or starts it again.
// Esc ends the program.
//
// What it shows: LOADSOUND and PLAYSOUND for effects, with pan and volume,
// PLAYMUSIC and STOPMUSIC for music, and telling a key press from a key held.
#include <morvane/morvane.h>

void MainGameSub() {
    // Sound 1 (of 0 to 127) from a wave file (OGG, MP3 and FLAC work too),
    // with two play buffers: two blips can sound at once.
    LOADSOUND("blip.wav", 1, 2);
    // One piece of music at a time; SHOWSCREEN starts it again at its end.
    // PLAYMUSIC gives 0 when it plays.
    bool music_on = PLAYMUSIC("tune.ogg") == 0;

    double pan = 0;    // from -1 (left) to 1 (right)
    double flash = 0;  // frames the marker stays lit after a sound
    bool space_was_down = false, m_was_down = false;
    for (;;) {
        if (KEY(203)) pan = pan - 0.04;  // the arrow keys
        if (KEY(205)) pan = pan + 0.04;
        if (pan < -1) pan = -1;
        if (pan > 1) pan = 1;

        // KEY tells whether a key is down now: a press is a key down that was
        // up in the frame before, so that holding it plays the sound once.
        const bool space = KEY(57) != 0, m = KEY(50) != 0;
        if (space && !space_was_down) {
            PLAYSOUND(1, pan, 1);  // sound 1 at this pan, full volume
            flash = 15;
        }
        if (m && !m_was_down) {
            if (music_on)
                STOPMUSIC();
            else
                PLAYMUSIC("tune.ogg");
            music_on = !music_on;
        }
        space_was_down = space;
        m_was_down = m;

        // The stereo field as a bar from left to right, the marker on it.
        FILLRECT(0, 0, 640, 480, 0x402010);
        FILLRECT(100, 238, 540, 242, 0x808080);
        const double x = 320 + pan * 220;
        FILLRECT(x - 10, 220, x + 10, 260, flash > 0 ? 0x00FFFF : 0xC0C0C0);  // yellow while it sounds
        if (flash > 0) flash = flash - 1;
        PRINT("L", 80, 232);
        PRINT("R", 552, 232);
        PRINT(music_on ? "Music: on" : "Music: off", 10, 10);
        PRINT("Arrows: move  Space: play the sound  M: music", 10, 450);
        SHOWSCREEN();
    }
}
