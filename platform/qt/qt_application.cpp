#include "platform/qt/qt_application.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QApplication>
#include <QList>
#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace trelumo {
namespace {

std::string environment_variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The platforms Qt tries in turn, as it chooses them: those that the command line's -platform or
// QT_QPA_PLATFORM names ("wayland;xcb", each perhaps with ":options"); or else Wayland's and then
// X11's when a Wayland session is named, X11's alone otherwise.
std::vector<std::string> platforms_qt_tries(int argc, char** argv) {
    std::string names = environment_variable("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") names = argv[i + 1];
    }
    if (names.empty()) {
        const bool wayland_session =
            std::getenv("WAYLAND_DISPLAY") || environment_variable("XDG_SESSION_TYPE") == "wayland";
        names = wayland_session ? "wayland;xcb" : "xcb";
    }
    std::vector<std::string> platforms;
    for (std::size_t start = 0; start <= names.size();) {
        const std::size_t end = std::min(names.find(';', start), names.size());
        const std::string name = names.substr(start, end - start);
        if (!name.empty()) platforms.push_back(name.substr(0, name.find(':')));
        start = end + 1;
    }
    return platforms;
}

// The display a platform of Qt's would open, as the environment names it (X11's DISPLAY,
// Wayland's WAYLAND_DISPLAY, wayland-0 by default; any other platform is its own), and whether it
// can be reached at all: X11's needs a display named, Wayland's a runtime folder to find a name
// that is not a path in.
struct Display {
    std::string name;
    bool reachable = true;
};

Display display_of(std::string_view platform, bool runtime_folder) {
    if (platform == "xcb") {
        const std::string display = environment_variable("DISPLAY");
        return {display, !display.empty()};
    }
    if (platform.starts_with("wayland")) {
        const std::string display = environment_variable("WAYLAND_DISPLAY");
        if (display.starts_with('/')) return {display, true};
        return {display.empty() ? "wayland-0" : display, runtime_folder};
    }
    return {std::string(platform), true};
}

// Says in Spanish that there is no display to open, naming the last one that the environment
// names, and ends the process with status 1.
[[noreturn]] void say_no_display(const std::string& display) {
    if (display.empty()) {
        std::fputs(
            "Trelumo necesita una sesión gráfica: no se ha indicado ninguna pantalla "
            "(DISPLAY).\n",
            stderr);
    } else {
        std::fprintf(stderr,
                     "Trelumo necesita una sesión gráfica: no se puede abrir la "
                     "pantalla «%s».\n",
                     display.c_str());
    }
    std::_Exit(1);
}

// What Qt says while its application object is made, held back until it is made. Should Qt give
// up (a fatal message, whatever its words), no display could be opened: Qt's lines and its abort
// give way to the one Spanish line, and exit status 1. With the runtime folder kept from Qt
// (below), its complaints of no category are about that folder, no news to the user, and are
// dropped.
class StartMessages {
public:
    StartMessages(std::string display, bool runtime_folder_kept) {
        display_ = std::move(display);
        runtime_folder_kept_ = runtime_folder_kept;
        next_ = qInstallMessageHandler(&StartMessages::handle);
    }
    ~StartMessages() {
        qInstallMessageHandler(next_);
        for (const Held& held : held_) {
            const QMessageLogContext context(nullptr, 0, nullptr, held.category.constData());
            next_(held.type, context, held.message);
        }
        held_.clear();
    }
    StartMessages(const StartMessages&) = delete;
    StartMessages& operator=(const StartMessages&) = delete;

private:
    struct Held {
        QtMsgType type;
        QByteArray category;
        QString message;
    };

    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message) {
        if (type == QtFatalMsg) say_no_display(display_);
        const QByteArray category(context.category ? context.category : "default");
        const bool complaint = type == QtWarningMsg || type == QtCriticalMsg;
        if (runtime_folder_kept_ && complaint && category == "default") return;
        held_.append({type, category, message});
    }

    static inline QtMessageHandler next_ = nullptr;
    static inline QList<Held> held_;
    static inline std::string display_;
    static inline bool runtime_folder_kept_ = false;
};

#ifndef _WIN32
// Sets or removes an environment variable for the life of this object.
class EnvironmentOverride {
public:
    EnvironmentOverride(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~EnvironmentOverride() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }
    EnvironmentOverride(const EnvironmentOverride&) = delete;
    EnvironmentOverride& operator=(const EnvironmentOverride&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

// A runtime folder that Qt takes as it is: XDG_RUNTIME_DIR names an existing folder of this user's
// that no one else may enter.
bool has_runtime_folder() {
    const char* folder = std::getenv("XDG_RUNTIME_DIR");
    struct stat status {};
    return folder && folder[0] == '/' && lstat(folder, &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == geteuid() && (status.st_mode & 07777) == 0700;
}

// A session bus that the D-Bus library finds: by its address, or in the user's runtime folder.
bool has_session_bus() {
    if (std::getenv("DBUS_SESSION_BUS_ADDRESS")) return true;
    const char* folder = std::getenv("XDG_RUNTIME_DIR");
    struct stat status {};
    return folder && stat((std::string(folder) + "/bus").c_str(), &status) == 0 &&
           S_ISSOCK(status.st_mode);
}
#endif

}  // namespace

std::unique_ptr<QApplication> make_application(int& argc, char** argv) {
#ifndef _WIN32
    const bool runtime_folder = has_runtime_folder();
#else
    const bool runtime_folder = true;
#endif
    // Known before Qt is asked: whether any platform it would try has a display to reach.
    std::string display;
    bool any_reachable = false;
    for (const std::string& platform : platforms_qt_tries(argc, argv)) {
        const Display tried = display_of(platform, runtime_folder);
        if (!tried.name.empty()) display = tried.name;
        any_reachable = any_reachable || tried.reachable;
    }
    if (!any_reachable) say_no_display(display);
#ifndef _WIN32
    // Without a session bus, the D-Bus library that Qt's accessibility reaches the desktop through
    // would start one (dbus-launch), which writes its address under the home folder.
    if (!has_session_bus()) setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    if (!runtime_folder) {
        // Qt's start looks for a sandbox's mark in the user's runtime folder, and without one
        // makes a folder runtime-<user> in the temporary folder. For that moment the temporary
        // folder is one in which no folder can be made.
        const EnvironmentOverride no_runtime_folder("XDG_RUNTIME_DIR", nullptr);
        const EnvironmentOverride no_temporary_folder("TMPDIR", "/dev/null");
        const StartMessages start_messages(display, true);
        return std::make_unique<QApplication>(argc, argv);
    }
#endif
    const StartMessages start_messages(display, false);
    return std::make_unique<QApplication>(argc, argv);
}

int run_until_the_end() {
    const int status = QApplication::exec();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}

}  // namespace trelumo
