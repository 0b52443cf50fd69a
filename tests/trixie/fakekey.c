/* SPDX-FileCopyrightText: 2026 Vantrel developers
 * SPDX-License-Identifier: GPL-3.0-or-later
 * Presses one key through KWin's fake-input protocol, as a keyboard would:
 * evdev CODE goes down and comes up HOLD_MS later. Exit status 3 when KWin
 * does not offer the protocol to this program.
 *   fakekey CODE HOLD_MS */
#include "fake-input-client-protocol.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

static struct org_kde_kwin_fake_input* fake;

static void added(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
    uint32_t version)
{
    (void)data;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0)
        fake = wl_registry_bind(
            registry, name, &org_kde_kwin_fake_input_interface, version < 4 ? version : 4);
}

static void removed(void* data, struct wl_registry* registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener listener = {added, removed};

int main(int argc, char** argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: fakekey CODE HOLD_MS\n");
        return 2;
    }
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "fakekey: no Wayland display\n");
        return 2;
    }
    wl_registry_add_listener(wl_display_get_registry(display), &listener, NULL);
    wl_display_roundtrip(display);
    if (fake == NULL) {
        fprintf(stderr, "fakekey: KWin offers no fake input to this program\n");
        return 3;
    }
    org_kde_kwin_fake_input_authenticate(fake, "Vantrel tests", "press F9 as a user would");
    const uint32_t code = (uint32_t)atoi(argv[1]);
    const long hold = atol(argv[2]);
    org_kde_kwin_fake_input_keyboard_key(fake, code, WL_KEYBOARD_KEY_STATE_PRESSED);
    wl_display_roundtrip(display);
    const struct timespec held = {hold / 1000, (hold % 1000) * 1000000L};
    nanosleep(&held, NULL);
    org_kde_kwin_fake_input_keyboard_key(fake, code, WL_KEYBOARD_KEY_STATE_RELEASED);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
