// clipboard_keeper: a minimal desktop clipboard manager for the X11 clipboard
// test. It owns CLIPBOARD_MANAGER; when a program that ends asks it to save
// the clipboard (SAVE_TARGETS), it fetches the text, takes the clipboard over
// and serves that text to every later reader until it is killed. Prints
// "ready" once it owns the manager selection.

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeDeleter>;

xcb_atom_t intern(xcb_connection_t* c, const char* name) {
    Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

struct Atoms {
    xcb_atom_t manager, saveTargets, clipboard, targets, utf8, kept;
};

class Keeper {
public:
    Keeper(xcb_connection_t* c, xcb_window_t window, Atoms atoms)
        : c_(c)
        , window_(window)
        , a_(atoms) {}

    void serve() {
        while (Reply<xcb_generic_event_t> event{xcb_wait_for_event(c_)}) {
            if ((event->response_type & 0x7f) == XCB_SELECTION_REQUEST)
                answer(*reinterpret_cast<xcb_selection_request_event_t*>(event.get()));
        }
    }

private:
    void answer(const xcb_selection_request_event_t& request) {
        xcb_atom_t property = request.property ? request.property : request.target;
        if (request.selection == a_.manager && request.target == a_.saveTargets) {
            if (!takeOver())
                property = XCB_ATOM_NONE;
        } else if (request.selection == a_.clipboard && request.target == a_.targets) {
            const xcb_atom_t offered[] = {a_.targets, a_.utf8};
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, property,
                                XCB_ATOM_ATOM, 32, 2, offered);
        } else if (request.selection == a_.clipboard && request.target == a_.utf8 && haveText_) {
            xcb_change_property(c_, XCB_PROP_MODE_REPLACE, request.requestor, property, a_.utf8, 8,
                                text_.size(), text_.data());
        } else {
            property = XCB_ATOM_NONE;
        }
        xcb_selection_notify_event_t notify{};
        notify.response_type = XCB_SELECTION_NOTIFY;
        notify.time = request.time;
        notify.requestor = request.requestor;
        notify.selection = request.selection;
        notify.target = request.target;
        notify.property = property;
        xcb_send_event(c_, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&notify));
        xcb_flush(c_);
    }

    // Fetches the clipboard's text from its ending owner and becomes the
    // owner itself.
    bool takeOver() {
        xcb_convert_selection(c_, window_, a_.clipboard, a_.utf8, a_.kept, XCB_CURRENT_TIME);
        xcb_flush(c_);
        while (Reply<xcb_generic_event_t> event{xcb_wait_for_event(c_)}) {
            if ((event->response_type & 0x7f) != XCB_SELECTION_NOTIFY)
                continue;
            const auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(event.get());
            if (notify->property == XCB_ATOM_NONE)
                return false;
            Reply<xcb_get_property_reply_t> value(xcb_get_property_reply(
                c_,
                xcb_get_property(c_, 1, window_, a_.kept, XCB_GET_PROPERTY_TYPE_ANY, 0, 1 << 24),
                nullptr));
            if (!value)
                return false;
            const auto* bytes = static_cast<const char*>(xcb_get_property_value(value.get()));
            text_.assign(bytes, xcb_get_property_value_length(value.get()));
            haveText_ = true;
            xcb_set_selection_owner(c_, window_, a_.clipboard, XCB_CURRENT_TIME);
            xcb_flush(c_);
            return true;
        }
        return false;
    }

    xcb_connection_t* c_;
    xcb_window_t window_;
    Atoms a_;
    std::string text_;
    bool haveText_ = false;
};

} // namespace

int main() {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "clipboard_keeper: no X display\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t window = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, screen->root_visual, 0, nullptr);
    const Atoms atoms{intern(c, "CLIPBOARD_MANAGER"), intern(c, "SAVE_TARGETS"),
                      intern(c, "CLIPBOARD"),         intern(c, "TARGETS"),
                      intern(c, "UTF8_STRING"),       intern(c, "KEPT_CLIPBOARD")};
    xcb_set_selection_owner(c, window, atoms.manager, XCB_CURRENT_TIME);
    Reply<xcb_get_selection_owner_reply_t> owner(
        xcb_get_selection_owner_reply(c, xcb_get_selection_owner(c, atoms.manager), nullptr));
    if (!owner || owner->owner != window) {
        std::fprintf(stderr, "clipboard_keeper: another clipboard manager runs\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    Keeper(c, window, atoms).serve();
    xcb_disconnect(c);
    return 0;
}
