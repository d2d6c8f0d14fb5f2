// libmpv, opened when the first video plays rather than linked: the library
// and the many it brings would otherwise be loaded and started by every
// program on every start, video or not.
#pragma once

#include <mpv/client.h>
#include <mpv/render.h>

// The libmpv functions the video player calls, found once in the library.
struct MpvLibrary {
    decltype(&::mpv_create) create;
    decltype(&::mpv_initialize) initialize;
    decltype(&::mpv_terminate_destroy) terminate_destroy;
    decltype(&::mpv_set_option_string) set_option_string;
    decltype(&::mpv_set_property_string) set_property_string;
    decltype(&::mpv_get_property) get_property;
    decltype(&::mpv_get_property_string) get_property_string;
    decltype(&::mpv_free) free;
    decltype(&::mpv_command) command;
    decltype(&::mpv_wait_event) wait_event;
    decltype(&::mpv_set_wakeup_callback) set_wakeup_callback;
    decltype(&::mpv_render_context_create) render_context_create;
    decltype(&::mpv_render_context_free) render_context_free;
    decltype(&::mpv_render_context_render) render_context_render;
    decltype(&::mpv_render_context_report_swap) render_context_report_swap;
    decltype(&::mpv_render_context_set_update_callback) render_context_set_update_callback;
    decltype(&::mpv_render_context_update) render_context_update;
};

// The library's functions, opening it at the first call. Null when it cannot
// be opened or lacks one of them; that is written to the error log once and
// not tried again. The library's file name is "libmpv.so.2", or the value of
// MORVANE_MPV_LIBRARY when that is set.
const MpvLibrary* Mpv();

// Puts other functions in the library's place, for a test that wraps some of
// them to watch the calls; null gives back the library's own.
void UseMpvFunctions(const MpvLibrary* functions);
