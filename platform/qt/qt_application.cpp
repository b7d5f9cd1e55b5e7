#include "platform/qt/qt_application.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QApplication>
#include <QList>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

namespace trelumo {
namespace {

// What Qt says while its application object is made. Its messages about the platform are held back
// until it is made: when no display can be opened, Qt's own English lines and its abort give way
// to one Spanish line and exit status 1. Its complaints about the runtime folder kept from it
// (below) are no news to the user and are dropped.
class StartMessages {
public:
    StartMessages() { next_ = qInstallMessageHandler(&StartMessages::handle); }
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
        if (message.startsWith(QLatin1String("QStandardPaths:"))) return;
        const QLatin1String category(context.category ? context.category : "");
        if (type == QtFatalMsg) say_no_display();
        // The Wayland platform, which Qt tries first when a compositor is named, says that it
        // cannot reach it in a message of no category.
        const bool no_compositor = message.startsWith(QLatin1String("Failed to create wl_display"));
        if (no_compositor) {
            wayland_display_ =
                qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0")).toStdString();
        }
        if (no_compositor || category.startsWith(QLatin1String("qt.qpa"))) {
            static const QLatin1String no_connection("could not connect to display");
            if (message.startsWith(no_connection))
                display_ = message.mid(no_connection.size()).trimmed().toStdString();
            held_.append({type, QByteArray(category.data(), category.size()), message});
            return;
        }
        next_(type, context, message);
    }

    [[noreturn]] static void say_no_display() {
        const std::string& display = display_.empty() ? wayland_display_ : display_;
        if (display.empty()) {
            std::fputs(
                "Trelumo necesita una sesión gráfica: no se ha indicado ninguna pantalla "
                "(DISPLAY).\n",
                stderr);
        } else {
            std::fprintf(stderr,
                         "Trelumo necesita una sesión gráfica: no se puede abrir la pantalla "
                         "«%s».\n",
                         display.c_str());
        }
        std::_Exit(1);
    }

    static inline QtMessageHandler next_ = nullptr;
    static inline QList<Held> held_;
    static inline std::string display_;
    static inline std::string wayland_display_;
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
    // Without a session bus, the D-Bus library that Qt's accessibility reaches the desktop through
    // would start one (dbus-launch), which writes its address under the home folder.
    if (!has_session_bus()) setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
    if (!has_runtime_folder()) {
        // Qt's start looks for a sandbox's mark in the user's runtime folder, and without one
        // makes a folder runtime-<user> in the temporary folder. For that moment the temporary
        // folder is one in which no folder can be made.
        const EnvironmentOverride no_runtime_folder("XDG_RUNTIME_DIR", nullptr);
        const EnvironmentOverride no_temporary_folder("TMPDIR", "/dev/null");
        const StartMessages start_messages;
        return std::make_unique<QApplication>(argc, argv);
    }
#endif
    const StartMessages start_messages;
    return std::make_unique<QApplication>(argc, argv);
}

}  // namespace trelumo
