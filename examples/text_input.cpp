// Text and INPUT: asks for a name, reads it with INPUT (type it, press Enter),
// then greets it under a yellow line as long as the greeting. Esc ends the
// program.
//
// What it shows: printing text and numbers with the default font, measuring
// text with GETFONTSIZE and LEN, and reading a line typed by the player.
#include <morvane/morvane.h>

void MainGameSub() {
    // Font 0 is ready at start-up: Smalfont.bmp beside the program, or the
    // font built into the runtime. GETFONTSIZE gives its character cell.
    double char_width = 0, char_height = 0;
    GETFONTSIZE(char_width, char_height);

    PRINT("What is your name?", 20, 20);
    // INPUT shows the text as it is typed (with a blinking cursor) and
    // returns when Enter is pressed; it keeps the window responsive meanwhile.
    DynStr name;
    INPUT(name, 20, 20 + 2 * char_height);

    const DynStr greeting = LitStr("Hello, ") + name + LitStr("!");
    for (double frame = 0;; frame = frame + 1) {
        PRINT(greeting, 20, 120);
        // Strings and numbers join with +, numbers written without a trailing ".".
        PRINT(LitStr("Your name has ") + LEN(name) + LitStr(" letters."), 20, 120 + 2 * char_height);
        PRINT(LitStr("Frame ") + frame, 20, 440);
        FILLRECT(20, 120 + char_height + 2, 20 + LEN(greeting) * char_width, 120 + char_height + 4, 0x00FFFF);
        SHOWSCREEN();
    }
}
