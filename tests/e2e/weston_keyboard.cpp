// SPDX-FileCopyrightText: 2026 Tintwell Software
// SPDX-License-Identifier: LicenseRef-proprietary
// Tintwell end-to-end - a keyboard for a headless weston, as a weston module
// (weston --modules=/path/weston_keyboard.so).
//
// A headless weston has no input devices, and weston offers no protocol by
// which one client types into another. This module adds a seat with a
// keyboard whose keys are read, one a line ("F2", "Return", "alt+f"), from
// the FIFO named by TINTWELL_E2E_KEYS, and pressed as a person would: through
// the compositor, to the window that has the keyboard focus, one key event
// every KeyInterval. (Pressed and released at once, a key is over before
// the program answers it, and weston then refuses the menu that Alt+letter
// opens: a popup's grab must name the newest key event.) Every change of
// that focus is written to the file named by TINTWELL_E2E_FOCUS as
// "focus PID WIDTHxHEIGHT APP_ID TITLE" (or "focus none"): what the shell
// shows and gives the keys to.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <libweston-desktop/libweston-desktop.h>
#include <libweston/libweston.h>
#include <linux/input-event-codes.h>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

// Exported by libweston 10 for its backends, but not in its installed headers.
extern "C" {
void weston_seat_init(struct weston_seat *seat, struct weston_compositor *ec,
                      const char *seat_name);
int weston_seat_init_keyboard(struct weston_seat *seat, struct xkb_keymap *keymap);
void weston_seat_release(struct weston_seat *seat);
void notify_key(struct weston_seat *seat, const struct timespec *time, uint32_t key,
                enum wl_keyboard_key_state state, enum weston_key_state_update update_state);
WL_EXPORT int wet_module_init(struct weston_compositor *compositor, int *argc, char *argv[]);
}

namespace {

constexpr int KeyIntervalMs = 40;

struct KeyName
{
    std::string_view name;
    uint32_t code;
};

// The keys the tests press; letters and digits are looked up below.
constexpr KeyName NamedKeys[] = {
    {"F1", KEY_F1},         {"F2", KEY_F2},           {"F3", KEY_F3},       {"Return", KEY_ENTER},
    {"Escape", KEY_ESC},    {"Tab", KEY_TAB},         {"space", KEY_SPACE}, {"alt", KEY_LEFTALT},
    {"ctrl", KEY_LEFTCTRL}, {"shift", KEY_LEFTSHIFT},
};

constexpr uint32_t LetterKeys[] = {
    KEY_A, KEY_B, KEY_C, KEY_D, KEY_E, KEY_F, KEY_G, KEY_H, KEY_I, KEY_J, KEY_K, KEY_L, KEY_M,
    KEY_N, KEY_O, KEY_P, KEY_Q, KEY_R, KEY_S, KEY_T, KEY_U, KEY_V, KEY_W, KEY_X, KEY_Y, KEY_Z,
};
constexpr uint32_t DigitKeys[] = {KEY_0, KEY_1, KEY_2, KEY_3, KEY_4,
                                  KEY_5, KEY_6, KEY_7, KEY_8, KEY_9};

// The evdev code of one key name, 0 when there is none.
uint32_t keyCode(std::string_view name)
{
    for (const KeyName &key : NamedKeys) {
        if (key.name == name) {
            return key.code;
        }
    }
    if (name.size() == 1 && name[0] >= 'a' && name[0] <= 'z') {
        return LetterKeys[name[0] - 'a'];
    }
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') {
        return DigitKeys[name[0] - '0'];
    }
    return 0;
}

class TestKeyboard
{
  public:
    TestKeyboard(weston_compositor *compositor, int keysFd, FILE *focusLog)
        : keysFd_(keysFd), focusLog_(focusLog)
    {
        weston_seat_init(&seat_, compositor, "tintwell-e2e");
        weston_seat_init_keyboard(&seat_, nullptr);
        focusChanged_.notify = onFocus;
        wl_signal_add(&seat_.keyboard_state->focus_signal, &focusChanged_);
        wl_event_loop *loop = wl_display_get_event_loop(compositor->wl_display);
        readable_ = wl_event_loop_add_fd(loop, keysFd, WL_EVENT_READABLE, onReadable, this);
        timer_ = wl_event_loop_add_timer(loop, onTimer, this);
        destroyed_.notify = onCompositorDestroyed;
        wl_signal_add(&compositor->destroy_signal, &destroyed_);
        std::fputs("ready\n", focusLog_);
        std::fflush(focusLog_);
    }

    ~TestKeyboard()
    {
        wl_list_remove(&destroyed_.link);
        wl_list_remove(&focusChanged_.link);
        for (wl_event_source *source : {readable_, timer_}) {
            if (source) {
                wl_event_source_remove(source);
            }
        }
        weston_seat_release(&seat_);
        close(keysFd_);
        std::fclose(focusLog_);
    }

    TestKeyboard(const TestKeyboard &) = delete;
    TestKeyboard &operator=(const TestKeyboard &) = delete;

  private:
    static void onCompositorDestroyed(wl_listener *listener, void *)
    {
        TestKeyboard *self = wl_container_of(listener, self, destroyed_);
        delete self; // owned by the compositor's lifetime, see wet_module_init
    }

    static void onFocus(wl_listener *listener, void *)
    {
        TestKeyboard *self = wl_container_of(listener, self, focusChanged_);
        self->writeFocus();
    }

    static int onReadable(int, uint32_t, void *data)
    {
        static_cast<TestKeyboard *>(data)->readKeys();
        return 0;
    }

    static int onTimer(void *data)
    {
        static_cast<TestKeyboard *>(data)->sendNext();
        return 0;
    }

    void writeFocus()
    {
        weston_surface *surface = seat_.keyboard_state->focus;
        if (!surface || !weston_surface_is_desktop_surface(surface)) {
            std::fputs("focus none\n", focusLog_);
        } else {
            weston_desktop_surface *window = weston_surface_get_desktop_surface(surface);
            pid_t pid = 0;
            uid_t uid = 0;
            gid_t gid = 0;
            wl_client_get_credentials(
                weston_desktop_client_get_client(weston_desktop_surface_get_client(window)), &pid,
                &uid, &gid);
            const weston_geometry size = weston_desktop_surface_get_geometry(window);
            const char *appId = weston_desktop_surface_get_app_id(window);
            const char *title = weston_desktop_surface_get_title(window);
            std::fprintf(focusLog_, "focus %d %dx%d %s %s\n", static_cast<int>(pid), size.width,
                         size.height, appId ? appId : "-", title ? title : "");
        }
        std::fflush(focusLog_);
    }

    void readKeys()
    {
        char buffer[256];
        ssize_t got = 0;
        while ((got = read(keysFd_, buffer, sizeof buffer)) > 0) {
            pendingText_.append(buffer, static_cast<size_t>(got));
        }
        size_t end = 0;
        while ((end = pendingText_.find('\n')) != std::string::npos) {
            press(pendingText_.substr(0, end));
            pendingText_.erase(0, end + 1);
        }
    }

    // "alt+f": every key of the chord down in order, then up in reverse.
    void press(const std::string &chord)
    {
        std::vector<uint32_t> codes;
        size_t start = 0;
        while (start <= chord.size()) {
            size_t plus = chord.find('+', start);
            if (plus == std::string::npos) {
                plus = chord.size();
            }
            const std::string_view name(chord.data() + start, plus - start);
            const uint32_t code = keyCode(name);
            if (code == 0) {
                std::fprintf(focusLog_, "unknown key '%s'\n", chord.c_str());
                std::fflush(focusLog_);
                return;
            }
            codes.push_back(code);
            start = plus + 1;
        }
        const bool idle = pendingEvents_.empty();
        for (const uint32_t code : codes) {
            pendingEvents_.emplace_back(code, WL_KEYBOARD_KEY_STATE_PRESSED);
        }
        for (auto code = codes.rbegin(); code != codes.rend(); ++code) {
            pendingEvents_.emplace_back(*code, WL_KEYBOARD_KEY_STATE_RELEASED);
        }
        if (idle) {
            wl_event_source_timer_update(timer_, 1);
        }
    }

    void sendNext()
    {
        if (pendingEvents_.empty()) {
            return;
        }
        const auto [code, state] = pendingEvents_.front();
        pendingEvents_.pop_front();
        timespec now{};
        weston_compositor_get_time(&now);
        notify_key(&seat_, &now, code, state, STATE_UPDATE_AUTOMATIC);
        if (!pendingEvents_.empty()) {
            wl_event_source_timer_update(timer_, KeyIntervalMs);
        }
    }

    int keysFd_;
    FILE *focusLog_;
    weston_seat seat_{};
    wl_listener focusChanged_{};
    wl_listener destroyed_{};
    wl_event_source *readable_ = nullptr;
    wl_event_source *timer_ = nullptr;
    std::string pendingText_;
    std::deque<std::pair<uint32_t, wl_keyboard_key_state>> pendingEvents_;
};

} // namespace

int wet_module_init(struct weston_compositor *compositor, int *, char *[])
{
    const char *keys = std::getenv("TINTWELL_E2E_KEYS");
    const char *focus = std::getenv("TINTWELL_E2E_FOCUS");
    if (!keys || !focus) {
        weston_log("weston_keyboard: TINTWELL_E2E_KEYS and TINTWELL_E2E_FOCUS must be set\n");
        return -1;
    }
    // Read and write: the FIFO never reads as ended between two writers.
    const int keysFd = open(keys, O_RDWR | O_NONBLOCK | O_CLOEXEC);
    if (keysFd < 0) {
        weston_log("weston_keyboard: cannot open %s: %s\n", keys, std::strerror(errno));
        return -1;
    }
    FILE *focusLog = std::fopen(focus, "we");
    if (!focusLog) {
        weston_log("weston_keyboard: cannot write %s: %s\n", focus, std::strerror(errno));
        close(keysFd);
        return -1;
    }
    // Lives as long as the compositor: its destroy signal deletes it.
    new TestKeyboard(compositor, keysFd, focusLog);
    return 0;
}
