#include "platform/web/runtime_start.h"

#include <cstddef>
#include <string_view>

#include "platform/runtime/event_dispatch.h"
#include "platform/web/help.h"
#include "platform/web/toolkit.h"

extern "C" {
// dom.js: the page's files kept by its service worker, where the page is served.
void web_keep_offline(const char* service_worker, std::size_t service_worker_size);
}

namespace trelumo {

void start_runtime() {
    constexpr std::string_view service_worker = "service_worker.js";
    web_keep_offline(service_worker.data(), service_worker.size());
    install_help_key();
    event_dispatch::use_toolkit(web_toolkit());
}

}  // namespace trelumo
