#include "X11Clipboard.h"

#include <xcb/xcb.h>

#include <QSet>

#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace chart {

namespace {

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

// Read in pieces of this many 32-bit words; a property larger than the room
// left is not taken.
constexpr quint32 kWordsPerRead = 1 << 20;

// What the clipboard holds (texts, MIME types), not the targets that
// describe it (TARGETS, TIMESTAMP, MULTIPLE).
bool isHeldContent(const QByteArray& name) { return name == "UTF8_STRING" || name.contains('/'); }

// A clipboard offers a few dozen formats; of an owner that lists more, the
// first this many different ones are looked at.
constexpr qsizetype kMostTargets = 1024;

// The next event that matches, or nullptr at the deadline.
template <typename Matches>
Reply<xcb_generic_event_t> waitFor(xcb_connection_t* connection, const QDeadlineTimer& deadline, Matches matches) {
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if (matches(event)) return Reply<xcb_generic_event_t>(event);
            std::free(event);
        }
        if (xcb_connection_has_error(connection) || deadline.hasExpired()) return nullptr;
        pollfd readable{xcb_get_file_descriptor(connection), POLLIN, 0};
        ::poll(&readable, 1, static_cast<int>(std::min<qint64>(deadline.remainingTime(), 1000)));
    }
}

} // namespace

X11Clipboard::X11Clipboard() {
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection)) return;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem; ++i) xcb_screen_next(&screens);
    if (!screens.rem) return;
    const xcb_window_t window = xcb_generate_id(m_connection);
    const quint32 events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, screens.data->root, -10, -10, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
    m_clipboard = atom("CLIPBOARD");
    m_incremental = atom("INCR");
    if (m_clipboard && m_incremental) m_window = window;
}

X11Clipboard::~X11Clipboard() { xcb_disconnect(m_connection); }

quint32 X11Clipboard::atom(const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        m_connection, xcb_intern_atom(m_connection, 0, static_cast<quint16>(qstrlen(name)), name), nullptr));
    return reply ? reply->atom : 0;
}

quint32 X11Clipboard::owner() {
    if (!isOpen()) return 0;
    const Reply<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(m_connection, xcb_get_selection_owner(m_connection, m_clipboard), nullptr));
    return reply ? reply->owner : 0;
}

// The targets of a TARGETS answer that hold content, with their names. The
// names are asked for all at once and then taken, one round trip to the X
// server in all, and none is taken once the deadline has passed.
std::vector<std::pair<quint32, QByteArray>> X11Clipboard::heldContentTargets(const QByteArray& list,
                                                                             const QDeadlineTimer& deadline) {
    const auto* targets = reinterpret_cast<const xcb_atom_t*>(list.constData());
    const qsizetype count = list.size() / qsizetype(sizeof(xcb_atom_t));
    std::vector<xcb_atom_t> distinct;
    QSet<xcb_atom_t> seen;
    for (qsizetype i = 0; i < count && qsizetype(distinct.size()) < kMostTargets; ++i)
        if (!seen.contains(targets[i])) {
            seen.insert(targets[i]);
            distinct.push_back(targets[i]);
        }
    std::vector<xcb_get_atom_name_cookie_t> asked;
    for (const xcb_atom_t target : distinct) asked.push_back(xcb_get_atom_name(m_connection, target));
    xcb_flush(m_connection);
    std::vector<std::pair<quint32, QByteArray>> held;
    for (std::size_t i = 0; i < asked.size(); ++i) {
        if (deadline.hasExpired()) {
            xcb_discard_reply(m_connection, asked[i].sequence);
            continue;
        }
        const Reply<xcb_get_atom_name_reply_t> reply(xcb_get_atom_name_reply(m_connection, asked[i], nullptr));
        if (!reply) continue;
        const QByteArray name(xcb_get_atom_name_name(reply.get()), xcb_get_atom_name_name_length(reply.get()));
        if (isHeldContent(name)) held.emplace_back(distinct[i], name);
    }
    return held;
}

// Each target comes in a property of its own name, so that an owner that
// answers one late never overwrites the next.
bool X11Clipboard::convert(quint32 target, const QDeadlineTimer& deadline, QByteArray& data, qsizetype room) {
    xcb_delete_property(m_connection, m_window, target);
    xcb_convert_selection(m_connection, m_window, m_clipboard, target, target, XCB_CURRENT_TIME);
    xcb_flush(m_connection);
    const Reply<xcb_generic_event_t> event = waitFor(m_connection, deadline, [&](xcb_generic_event_t* event) {
        if ((event->response_type & 0x7F) != XCB_SELECTION_NOTIFY) return false;
        const auto* notify = reinterpret_cast<xcb_selection_notify_event_t*>(event);
        return notify->requestor == m_window && notify->target == target;
    });
    if (!event || reinterpret_cast<const xcb_selection_notify_event_t*>(event.get())->property == XCB_NONE)
        return false;
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        m_connection, xcb_get_property(m_connection, 1, m_window, target, XCB_GET_PROPERTY_TYPE_ANY, 0, kWordsPerRead),
        nullptr));
    if (!reply) return false;
    if (reply->type == m_incremental) {
        xcb_flush(m_connection); // the delete above asks for the first piece
        return readIncrementally(target, deadline, data, room);
    }
    const int length = xcb_get_property_value_length(reply.get());
    if (reply->bytes_after > 0 || length > room) return false;
    data = QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
    return true;
}

// The owner hands a large value over in pieces, each put in the property
// once the last was taken; an empty piece ends it.
bool X11Clipboard::readIncrementally(quint32 property, const QDeadlineTimer& deadline, QByteArray& data,
                                     qsizetype room) {
    data.clear();
    for (;;) {
        const Reply<xcb_generic_event_t> event = waitFor(m_connection, deadline, [&](xcb_generic_event_t* event) {
            if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY) return false;
            const auto* change = reinterpret_cast<xcb_property_notify_event_t*>(event);
            return change->window == m_window && change->atom == property && change->state == XCB_PROPERTY_NEW_VALUE;
        });
        if (!event) return false;
        const Reply<xcb_get_property_reply_t> piece(xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 1, m_window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, kWordsPerRead),
            nullptr));
        xcb_flush(m_connection);
        if (!piece || piece->bytes_after > 0) return false;
        const int length = xcb_get_property_value_length(piece.get());
        if (length == 0) return true;
        if (data.size() + length > room) return false;
        data.append(static_cast<const char*>(xcb_get_property_value(piece.get())), length);
    }
}

std::optional<std::vector<ClipboardFormat>> X11Clipboard::fetch(const QDeadlineTimer& deadline) {
    std::vector<ClipboardFormat> held;
    if (!isOpen() || owner() == 0) return held;
    QByteArray list;
    if (!convert(atom("TARGETS"), deadline, list, kMaxBytes)) return std::nullopt;
    std::vector<std::pair<quint32, QByteArray>> wanted = heldContentTargets(list, deadline);
    // Text first, else in the owner's order: what a user most often copied.
    std::stable_partition(wanted.begin(), wanted.end(), [](const auto& target) {
        return target.second == "UTF8_STRING" || target.second.startsWith("text/");
    });
    qsizetype room = kMaxBytes;
    for (const auto& [target, name] : wanted) {
        if (deadline.hasExpired()) break;
        QByteArray data;
        if (!convert(target, deadline, data, room)) continue;
        room -= data.size();
        held.push_back({name, std::move(data)});
    }
    if (held.empty()) return std::nullopt;
    return held;
}

} // namespace chart
