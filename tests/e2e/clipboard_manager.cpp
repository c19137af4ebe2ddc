// A minimal desktop clipboard manager for the end-to-end tests, speaking the X11
// clipboard manager protocol: it owns the CLIPBOARD_MANAGER selection; when a program
// that owns the clipboard asks it to save the clipboard (a SAVE_TARGETS request, sent by
// Qt as the program exits), it fetches the clipboard's UTF-8 text, takes over the
// CLIPBOARD selection and serves that text to anyone who pastes afterwards.
//
// Prints "ready" once it owns CLIPBOARD_MANAGER, "saved N bytes" after a hand-over.
// Ends on SIGTERM or SIGINT, and by itself after the number of seconds given (default 60),
// so that a test can never leave it behind.
//
// Only what the tests need: one text target, no INCR transfers, no MULTIPLE requests.

#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <vector>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int)
{
    stopRequested = 1;
}

template<typename Reply>
using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template<typename Reply>
Owned<Reply> own(Reply *reply)
{
    return Owned<Reply>(reply, &std::free);
}

struct Atoms {
    xcb_atom_t clipboard, manager, saveTargets, targets, utf8, null, incr, keep;
};

xcb_atom_t intern(xcb_connection_t *x, const char *name)
{
    auto reply = own(xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool owns(xcb_connection_t *x, xcb_window_t window, xcb_atom_t selection)
{
    auto reply = own(xcb_get_selection_owner_reply(x, xcb_get_selection_owner(x, selection), nullptr));
    return reply && reply->owner == window;
}

// Answers a selection request; property XCB_ATOM_NONE refuses it.
void notify(xcb_connection_t *x, const xcb_selection_request_event_t &request, xcb_atom_t property)
{
    xcb_selection_notify_event_t event{};
    event.response_type = XCB_SELECTION_NOTIFY;
    event.time = request.time;
    event.requestor = request.requestor;
    event.selection = request.selection;
    event.target = request.target;
    event.property = property;
    xcb_send_event(x, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char *>(&event));
    xcb_flush(x);
}

// The requestor's property, or the target itself for requestors of the old convention.
xcb_atom_t replyProperty(const xcb_selection_request_event_t &request)
{
    return request.property != XCB_ATOM_NONE ? request.property : request.target;
}

void answerTargets(xcb_connection_t *x, const xcb_selection_request_event_t &request,
                   const std::vector<xcb_atom_t> &targets)
{
    const xcb_atom_t property = replyProperty(request);
    xcb_change_property(x, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(targets.size()), targets.data());
    notify(x, request, property);
}

// Reads and deletes the property that a finished conversion left on the window; nothing
// when it is missing or an incremental (INCR) transfer.
std::optional<std::string> takeProperty(xcb_connection_t *x, xcb_window_t window, const Atoms &atoms)
{
    auto reply = own(xcb_get_property_reply(
        x, xcb_get_property(x, 1, window, atoms.keep, XCB_GET_PROPERTY_TYPE_ANY, 0, 16 * 1024 * 1024), nullptr));
    if (!reply || reply->type == XCB_ATOM_NONE || reply->type == atoms.incr || reply->format != 8)
        return std::nullopt;
    const auto *bytes = static_cast<const char *>(xcb_get_property_value(reply.get()));
    return std::string(bytes, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

class Manager
{
public:
    Manager(xcb_connection_t *x, xcb_window_t window, const Atoms &atoms)
        : m_x(x), m_window(window), m_atoms(atoms)
    {
    }

    void handle(const xcb_generic_event_t *event)
    {
        switch (event->response_type & 0x7f) {
        case XCB_SELECTION_REQUEST:
            request(*reinterpret_cast<const xcb_selection_request_event_t *>(event));
            break;
        case XCB_SELECTION_NOTIFY:
            converted(*reinterpret_cast<const xcb_selection_notify_event_t *>(event));
            break;
        case XCB_SELECTION_CLEAR:
            // Someone copied something new: it is theirs to serve now.
            if (reinterpret_cast<const xcb_selection_clear_event_t *>(event)->selection == m_atoms.clipboard)
                m_text.reset();
            break;
        default:
            break;
        }
    }

private:
    void request(const xcb_selection_request_event_t &request)
    {
        if (request.selection == m_atoms.manager) {
            if (request.target == m_atoms.saveTargets && !m_saving) {
                // Fetch the text from the clipboard's owner, answer once it has come.
                m_saving = request;
                xcb_convert_selection(m_x, m_window, m_atoms.clipboard, m_atoms.utf8, m_atoms.keep, XCB_CURRENT_TIME);
                xcb_flush(m_x);
            } else if (request.target == m_atoms.targets) {
                answerTargets(m_x, request, {m_atoms.targets, m_atoms.saveTargets});
            } else {
                notify(m_x, request, XCB_ATOM_NONE);
            }
            return;
        }
        if (request.selection != m_atoms.clipboard || !m_text) {
            notify(m_x, request, XCB_ATOM_NONE);
            return;
        }
        if (request.target == m_atoms.targets) {
            answerTargets(m_x, request, {m_atoms.targets, m_atoms.utf8});
        } else if (request.target == m_atoms.utf8) {
            const xcb_atom_t property = replyProperty(request);
            xcb_change_property(m_x, XCB_PROP_MODE_REPLACE, request.requestor, property, m_atoms.utf8, 8,
                                static_cast<uint32_t>(m_text->size()), m_text->data());
            notify(m_x, request, property);
        } else {
            notify(m_x, request, XCB_ATOM_NONE);
        }
    }

    void converted(const xcb_selection_notify_event_t &event)
    {
        if (!m_saving || event.requestor != m_window || event.selection != m_atoms.clipboard)
            return;
        const xcb_selection_request_event_t saving = *m_saving;
        m_saving.reset();
        std::optional<std::string> text;
        if (event.property != XCB_ATOM_NONE)
            text = takeProperty(m_x, m_window, m_atoms);
        if (!text) {
            std::puts("save failed");
            std::fflush(stdout);
            notify(m_x, saving, XCB_ATOM_NONE);
            return;
        }
        m_text = std::move(*text);
        xcb_set_selection_owner(m_x, m_window, m_atoms.clipboard, XCB_CURRENT_TIME);
        // Success: the request's property, left empty and of type NULL, in the answer.
        xcb_change_property(m_x, XCB_PROP_MODE_REPLACE, saving.requestor, replyProperty(saving), m_atoms.null, 32, 0,
                            nullptr);
        notify(m_x, saving, replyProperty(saving));
        std::printf("saved %zu bytes\n", m_text->size());
        std::fflush(stdout);
    }

    xcb_connection_t *m_x;
    xcb_window_t m_window;
    Atoms m_atoms;
    std::optional<xcb_selection_request_event_t> m_saving;
    std::optional<std::string> m_text;
};

} // namespace

int main(int argc, char *argv[])
{
    const int lifetime = argc > 1 ? std::atoi(argv[1]) : 60;
    std::signal(SIGTERM, requestStop);
    std::signal(SIGINT, requestStop);

    int screenNumber = 0;
    xcb_connection_t *x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fputs("clipboard_manager: cannot connect to the X server\n", stderr);
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t window = xcb_generate_id(x);
    xcb_create_window(x, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);

    const Atoms atoms{intern(x, "CLIPBOARD"),  intern(x, "CLIPBOARD_MANAGER"), intern(x, "SAVE_TARGETS"),
                      intern(x, "TARGETS"),    intern(x, "UTF8_STRING"),       intern(x, "NULL"),
                      intern(x, "INCR"),       intern(x, "_OSTRAVANE_KEPT")};
    xcb_set_selection_owner(x, window, atoms.manager, XCB_CURRENT_TIME);
    if (!owns(x, window, atoms.manager)) {
        std::fputs("clipboard_manager: another clipboard manager is running\n", stderr);
        return 1;
    }
    std::puts("ready");
    std::fflush(stdout);

    Manager manager(x, window, atoms);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(lifetime);
    pollfd connection{xcb_get_file_descriptor(x), POLLIN, 0};
    while (!stopRequested && std::chrono::steady_clock::now() < deadline) {
        while (auto event = own(xcb_poll_for_event(x)))
            manager.handle(event.get());
        if (xcb_connection_has_error(x))
            break;
        poll(&connection, 1, 100);
    }
    xcb_disconnect(x);
    return 0;
}
