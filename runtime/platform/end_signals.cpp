#include "platform/end_signals.h"

#include <SDL_hints.h>
#include <signal.h>

#include <csignal>
#include <initializer_list>

namespace {

volatile std::sig_atomic_t caught_signal = 0;

extern "C" void NoteEndSignal(int signal_number) {
    caught_signal = signal_number;
}

}  // namespace

void CatchEndSignals() {
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    struct sigaction action {};
    action.sa_handler = NoteEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
        // A signal the program was started to ignore (nohup, a background job) stays ignored.
        struct sigaction before {};
        if (sigaction(signal_number, nullptr, &before) == 0 && before.sa_handler == SIG_IGN) continue;
        sigaction(signal_number, &action, nullptr);
    }
}

int CaughtEndSignal() {
    return caught_signal;
}
