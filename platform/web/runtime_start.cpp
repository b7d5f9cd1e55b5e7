#include "platform/web/runtime_start.h"

#include "platform/runtime/event_dispatch.h"
#include "platform/web/help.h"
#include "platform/web/toolkit.h"

extern "C" {
// dom.js: the page's files kept by its service worker, where the page is served.
void web_keep_offline(const char* service_worker);
}

namespace trelumo {

void start_runtime() {
    web_keep_offline("service_worker.js");
    install_help_key();
    event_dispatch::use_toolkit(web_toolkit());
}

}  // namespace trelumo
