#include "platform/qt/runtime.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QApplication>
#include <cstdlib>
#include <optional>
#include <string>

namespace trelumo {
namespace {

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

// Qt's complaints about the runtime folder kept from it are no news to the user.
QtMessageHandler next_message_handler = nullptr;
void drop_runtime_folder_warnings(QtMsgType type, const QMessageLogContext& context,
                                  const QString& message) {
    if (!message.startsWith(QLatin1String("QStandardPaths:")))
        next_message_handler(type, context, message);
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
        next_message_handler = qInstallMessageHandler(drop_runtime_folder_warnings);
        auto application = std::make_unique<QApplication>(argc, argv);
        qInstallMessageHandler(next_message_handler);
        return application;
    }
#endif
    return std::make_unique<QApplication>(argc, argv);
}

}  // namespace trelumo
