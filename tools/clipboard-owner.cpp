// clipboard-owner: takes the X clipboard and behaves as another program
// might, for the clipboard tests and benchmark. Prints "ready" once it owns
// the clipboard, then serves it until killed.
//   clipboard-owner answer TEXT     offers TEXT and answers every request
//   clipboard-owner silent COUNT    offers COUNT formats, hands none over
//   clipboard-owner mute            answers nothing, not even what it offers
//   clipboard-owner retake FILE     offers FILE as a sheet picture, and takes
//                                   the clipboard back as soon as it loses it
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

xcb_connection_t* connection;
xcb_window_t window;

xcb_atom_t atom(const std::string& name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
    const xcb_atom_t result = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return result;
}

struct Offer {
    xcb_atom_t target;
    std::string data;
};

void own(xcb_atom_t clipboard) {
    xcb_set_selection_owner(connection, window, clipboard, XCB_CURRENT_TIME);
    xcb_flush(connection);
}

void answer(const xcb_selection_request_event_t& request, const std::vector<Offer>& offers, xcb_atom_t targets) {
    xcb_selection_notify_event_t notify{};
    notify.response_type = XCB_SELECTION_NOTIFY;
    notify.time = request.time;
    notify.requestor = request.requestor;
    notify.selection = request.selection;
    notify.target = request.target;
    notify.property = XCB_NONE;
    const xcb_atom_t property = request.property == XCB_NONE ? request.target : request.property;
    if (request.target == targets) {
        std::vector<xcb_atom_t> list{targets};
        for (const Offer& offer : offers) list.push_back(offer.target);
        xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property, XCB_ATOM_ATOM, 32,
                            static_cast<uint32_t>(list.size()), list.data());
        notify.property = property;
    } else {
        for (const Offer& offer : offers)
            if (offer.target == request.target) {
                xcb_change_property(connection, XCB_PROP_MODE_REPLACE, request.requestor, property, offer.target, 8,
                                    static_cast<uint32_t>(offer.data.size()), offer.data.data());
                notify.property = property;
            }
    }
    xcb_send_event(connection, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&notify));
    xcb_flush(connection);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) return 2;
    const std::string mode = argv[1];
    int screenNumber = 0;
    connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) return 1;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    window = xcb_generate_id(connection);
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    const xcb_atom_t clipboard = atom("CLIPBOARD");
    const xcb_atom_t targets = atom("TARGETS");

    std::vector<Offer> offers;
    bool answers = mode == "answer" || mode == "retake";
    if (mode == "answer" && argc > 2) {
        offers = {{atom("UTF8_STRING"), argv[2]}, {atom("text/plain;charset=utf-8"), argv[2]}};
    } else if (mode == "silent" && argc > 2) {
        // Asked for all at once: an owner of a quarter of a million formats starts in a second.
        std::vector<xcb_intern_atom_cookie_t> asked;
        for (int i = 0; i < std::atoi(argv[2]); ++i) {
            const std::string name = "text/x-test-" + std::to_string(i);
            asked.push_back(xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.c_str()));
        }
        for (const xcb_intern_atom_cookie_t cookie : asked) {
            xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(connection, cookie, nullptr);
            offers.push_back({reply ? reply->atom : xcb_atom_t{XCB_NONE}, "x"});
            std::free(reply);
        }
    } else if (mode == "retake" && argc > 2) {
        std::ifstream file(argv[2], std::ios::binary);
        offers = {{atom("application/x-kinloom-sheet-picture"),
                   std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>())},
                  {atom("UTF8_STRING"), "another program's picture"}};
    } else if (mode != "mute") {
        return 2;
    }

    own(clipboard);
    std::printf("ready\n");
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const uint8_t type = event->response_type & 0x7F;
        if (type == XCB_SELECTION_REQUEST) {
            const auto& request = *reinterpret_cast<xcb_selection_request_event_t*>(event);
            if (answers || (mode == "silent" && request.target == targets)) answer(request, offers, targets);
        } else if (type == XCB_SELECTION_CLEAR && mode == "retake") {
            own(clipboard);
        }
        std::free(event);
    }
    return 0;
}
