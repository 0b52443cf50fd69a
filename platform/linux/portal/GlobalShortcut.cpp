// SPDX-FileCopyrightText: 2026 Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "GlobalShortcut.h"

#include "platform/linux/WindowSystem.h"
#include "platform/linux/dbus/Bus.h"

#include <string_view>
#include <utility>

namespace platform::portal {
namespace {

using dbus::Clock;
using dbus::Message;

// A session bus that does not answer holds start-up at most this long, and
// a portal on it that does not answer at most this much more.
constexpr std::chrono::milliseconds busDeadline {1000};
constexpr std::chrono::milliseconds portalDeadline {2000};

constexpr char portalName[] = "org.freedesktop.portal.Desktop";
constexpr char portalPath[] = "/org/freedesktop/portal/desktop";
constexpr char shortcutsInterface[] = "org.freedesktop.portal.GlobalShortcuts";
constexpr char shortcutId[] = "start-stop";

constexpr const char* matches[] = {
    "type='signal',interface='org.freedesktop.portal.Request',member='Response'",
    "type='signal',interface='org.freedesktop.portal.GlobalShortcuts'",
    "type='signal',interface='org.freedesktop.portal.Session',member='Closed'",
};

using Entry = std::pair<const char*, const char*>;

// Appends an a{sv} whose values are all strings.
bool appendOptions(DBusMessageIter* to, std::initializer_list<Entry> entries)
{
    DBusMessageIter dict;
    if (!dbus_message_iter_open_container(to, DBUS_TYPE_ARRAY, "{sv}", &dict))
        return false;
    bool ok = true;
    for (auto [key, value] : entries) {
        DBusMessageIter entry;
        DBusMessageIter variant;
        ok = ok && dbus_message_iter_open_container(&dict, DBUS_TYPE_DICT_ENTRY, nullptr, &entry)
            && dbus_message_iter_append_basic(&entry, DBUS_TYPE_STRING, &key)
            && dbus_message_iter_open_container(&entry, DBUS_TYPE_VARIANT, "s", &variant)
            && dbus_message_iter_append_basic(&variant, DBUS_TYPE_STRING, &value)
            && dbus_message_iter_close_container(&entry, &variant)
            && dbus_message_iter_close_container(&dict, &entry);
    }
    return dbus_message_iter_close_container(to, &dict) && ok;
}

// The string or object path at `at`, else empty.
std::string textAt(DBusMessageIter* at)
{
    const int type = dbus_message_iter_get_arg_type(at);
    if (type != DBUS_TYPE_STRING && type != DBUS_TYPE_OBJECT_PATH)
        return {};
    const char* text = nullptr;
    dbus_message_iter_get_basic(at, &text);
    return text ? text : "";
}

// A Request's Response: its code (0: granted) and, when `value` is given,
// the value of result `key` there (an invalid iterator when it is missing).
dbus_uint32_t readResponse(
    DBusMessage* message, std::string_view key = {}, DBusMessageIter* value = nullptr)
{
    dbus_uint32_t code = 2;
    DBusMessageIter args;
    if (value)
        dbus_message_iter_init_closed(value);
    if (!dbus_message_iter_init(message, &args)
        || dbus_message_iter_get_arg_type(&args) != DBUS_TYPE_UINT32)
        return code;
    dbus_message_iter_get_basic(&args, &code);
    DBusMessageIter dict;
    if (!value || !dbus_message_iter_next(&args)
        || dbus_message_iter_get_arg_type(&args) != DBUS_TYPE_ARRAY)
        return code;
    for (dbus_message_iter_recurse(&args, &dict);
         dbus_message_iter_get_arg_type(&dict) == DBUS_TYPE_DICT_ENTRY;
         dbus_message_iter_next(&dict)) {
        DBusMessageIter entry;
        dbus_message_iter_recurse(&dict, &entry);
        if (textAt(&entry) == key && dbus_message_iter_next(&entry)
            && dbus_message_iter_get_arg_type(&entry) == DBUS_TYPE_VARIANT)
            dbus_message_iter_recurse(&entry, value);
    }
    return code;
}

// Whether a Response's "shortcuts" (a(sa{sv})) holds ours.
bool listsOurs(DBusMessage* message)
{
    DBusMessageIter shortcuts;
    if (readResponse(message, "shortcuts", &shortcuts) != 0
        || dbus_message_iter_get_arg_type(&shortcuts) != DBUS_TYPE_ARRAY)
        return false;
    DBusMessageIter one;
    for (dbus_message_iter_recurse(&shortcuts, &one);
         dbus_message_iter_get_arg_type(&one) == DBUS_TYPE_STRUCT; dbus_message_iter_next(&one)) {
        DBusMessageIter id;
        dbus_message_iter_recurse(&one, &id);
        if (textAt(&id) == shortcutId)
            return true;
    }
    return false;
}

// The session's token names the shortcut's group where the desktop keeps
// it, so it is the same at every start: the user's choice of key stays
// Vantrel's, and a new start finds the shortcut already bound.
constexpr char sessionToken[] = "vantrel";

Message portalCall(const char* method)
{
    return {dbus_message_new_method_call(portalName, portalPath, shortcutsInterface, method)};
}

} // namespace

std::unique_ptr<GlobalShortcut> GlobalShortcut::open(std::string& whyNot)
{
    const std::string address = linux_session::sessionBusAddress();
    if (address.empty()) {
        whyNot = "no session bus";
        return nullptr;
    }
    DBusConnection* bus = dbus::open(address, Clock::now() + busDeadline);
    if (!bus) {
        whyNot = "the session bus does not answer";
        return nullptr;
    }
    std::unique_ptr<GlobalShortcut> shortcut(new GlobalShortcut(bus));
    return shortcut->bind(whyNot) ? std::move(shortcut) : nullptr;
}

GlobalShortcut::GlobalShortcut(DBusConnection* bus)
    : bus_(bus)
{
    dbus_connection_add_filter(bus_, &GlobalShortcut::filter, this, nullptr);
}

GlobalShortcut::~GlobalShortcut()
{
    // Closing the connection ends the portal session and the binding with it.
    dbus_connection_remove_filter(bus_, &GlobalShortcut::filter, this);
    dbus::Connection closing {bus_};
}

std::string GlobalShortcut::requestPath(const std::string& handleToken) const
{
    // Where the portal puts a request: named after the caller and its token,
    // so that a Response sent before the call returns is not missed.
    std::string sender = dbus_bus_get_unique_name(bus_);
    if (!sender.empty() && sender.front() == ':')
        sender.erase(0, 1);
    for (char& c : sender)
        if (c == '.')
            c = '_';
    return std::string(portalPath) + "/request/" + sender + "/" + handleToken;
}

bool GlobalShortcut::bind(std::string& whyNot)
{
    const auto end = Clock::now() + portalDeadline;
    whyNot = "the desktop's GlobalShortcuts portal did not answer";
    for (const char* rule : matches) {
        Message add {dbus_message_new_method_call(
            DBUS_SERVICE_DBUS, DBUS_PATH_DBUS, DBUS_INTERFACE_DBUS, "AddMatch")};
        if (!add.message
            || !dbus_message_append_args(add.message, DBUS_TYPE_STRING, &rule, DBUS_TYPE_INVALID))
            return false;
        Message added {dbus::call(bus_, add.message, end)};
        if (!added.message)
            return false;
    }

    const char* createToken = "vantrel_create";
    sessionRequest_ = requestPath(createToken);
    Message create = portalCall("CreateSession");
    DBusMessageIter args;
    if (!create.message)
        return false;
    dbus_message_iter_init_append(create.message, &args);
    if (!appendOptions(
            &args, {{"handle_token", createToken}, {"session_handle_token", sessionToken}}))
        return false;
    Message created {dbus::call(bus_, create.message, end)};
    if (!created.message) {
        whyNot = "the session bus has no GlobalShortcuts portal that answers";
        return false;
    }
    // Only the portal's own signals count, whoever else writes to this
    // connection.
    const char* portal = dbus_message_get_sender(created.message);
    portal_ = portal ? portal : "";
    auto left = [end] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
    };
    auto awaitStep = [&](Step step) {
        while (step_ == step && lost_.empty() && left() > 0
            && dbus_connection_read_write_dispatch(bus_, static_cast<int>(left()))) { }
        return step_ != step && lost_.empty();
    };
    if (!awaitStep(Step::CreatingSession)) {
        whyNot = lost_.empty() ? "the GlobalShortcuts portal made no session in time" : lost_;
        return false;
    }

    // A shortcut the desktop already keeps for the session is not asked for
    // again: asking makes some desktops show their shortcut settings.
    const char* listToken = "vantrel_list";
    listRequest_ = requestPath(listToken);
    Message list = portalCall("ListShortcuts");
    const char* session = session_.c_str();
    if (!list.message)
        return false;
    dbus_message_iter_init_append(list.message, &args);
    if (!dbus_message_iter_append_basic(&args, DBUS_TYPE_OBJECT_PATH, &session)
        || !appendOptions(&args, {{"handle_token", listToken}}))
        return false;
    Message listed {dbus::call(bus_, list.message, end)};
    if (!listed.message || !awaitStep(Step::Listing)) {
        whyNot = lost_.empty() ? "the GlobalShortcuts portal did not list its shortcuts" : lost_;
        return false;
    }
    if (step_ == Step::Bound) {
        whyNot.clear();
        return true;
    }

    const char* bindToken = "vantrel_bind";
    bindRequest_ = requestPath(bindToken);
    Message bindCall = portalCall("BindShortcuts");
    if (!bindCall.message)
        return false;
    dbus_message_iter_init_append(bindCall.message, &args);
    const char* parentWindow = "";
    DBusMessageIter shortcuts;
    DBusMessageIter one;
    const char* id = shortcutId;
    bool built = dbus_message_iter_append_basic(&args, DBUS_TYPE_OBJECT_PATH, &session)
        && dbus_message_iter_open_container(&args, DBUS_TYPE_ARRAY, "(sa{sv})", &shortcuts)
        && dbus_message_iter_open_container(&shortcuts, DBUS_TYPE_STRUCT, nullptr, &one)
        && dbus_message_iter_append_basic(&one, DBUS_TYPE_STRING, &id)
        && appendOptions(
            &one, {{"description", "Start or stop clicking"}, {"preferred_trigger", "F9"}})
        && dbus_message_iter_close_container(&shortcuts, &one)
        && dbus_message_iter_close_container(&args, &shortcuts)
        && dbus_message_iter_append_basic(&args, DBUS_TYPE_STRING, &parentWindow)
        && appendOptions(&args, {{"handle_token", bindToken}});
    if (!built)
        return false;
    Message bound {dbus::call(bus_, bindCall.message, end)};
    if (!bound.message) {
        whyNot = "the GlobalShortcuts portal did not take the shortcut";
        return false;
    }
    whyNot.clear();
    return true;
}

DBusHandlerResult GlobalShortcut::filter(DBusConnection*, DBusMessage* message, void* self)
{
    static_cast<GlobalShortcut*>(self)->receive(message);
    return DBUS_HANDLER_RESULT_NOT_YET_HANDLED;
}

void GlobalShortcut::receive(DBusMessage* message)
{
    if (dbus_message_get_type(message) != DBUS_MESSAGE_TYPE_SIGNAL)
        return;
    if (dbus_message_is_signal(message, DBUS_INTERFACE_LOCAL, "Disconnected")) {
        lost_ = "the session bus went away";
        return;
    }
    const char* sender = dbus_message_get_sender(message);
    if (portal_.empty() || sender == nullptr || portal_ != sender)
        return;
    const char* name = dbus_message_get_member(message);
    const std::string_view member = name ? name : "";
    const char* path = dbus_message_get_path(message);
    const std::string_view at = path ? path : "";
    if (member == "Response" && step_ == Step::CreatingSession && at == sessionRequest_) {
        DBusMessageIter handle;
        if (readResponse(message, "session_handle", &handle) == 0 && !textAt(&handle).empty()) {
            session_ = textAt(&handle);
            step_ = Step::Listing;
        } else {
            lost_ = "the GlobalShortcuts portal refused a session";
        }
    } else if (member == "Response" && step_ == Step::Listing && at == listRequest_) {
        step_ = listsOurs(message) ? Step::Bound : Step::Binding;
    } else if (member == "Response" && step_ == Step::Binding && at == bindRequest_) {
        if (readResponse(message) == 0)
            step_ = Step::Bound;
        else
            lost_ = "the F9 shortcut was refused";
    } else if (member == "Closed" && at == session_) {
        lost_ = "the desktop closed the F9 shortcut's session";
    } else if (member == "Activated" || member == "Deactivated") {
        DBusMessageIter args;
        if (!dbus_message_iter_init(message, &args) || textAt(&args) != session_
            || !dbus_message_iter_next(&args) || textAt(&args) != shortcutId)
            return;
        // The desktop repeats Activated while the key is held: only the
        // first is a press.
        const bool down = member == "Activated";
        if (down && !down_)
            report_.pressed();
        else if (!down && down_)
            report_.released();
        down_ = down;
    }
}

void GlobalShortcut::pump()
{
    if (!dbus_connection_read_write(bus_, 0))
        lost_ = "the session bus went away";
    while (dbus_connection_dispatch(bus_) == DBUS_DISPATCH_DATA_REMAINS) { }
}

KeyState GlobalShortcut::asyncKeyState(int virtualKey)
{
    pump();
    if (virtualKey != key::F9 || step_ != Step::Bound || !lost_.empty())
        return 0;
    return report_.query(down_);
}

} // namespace platform::portal
