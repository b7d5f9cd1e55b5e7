#include "platform/web/dom.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <utility>

// dom.js
extern "C" {
int web_element(const char* id, std::size_t id_size);
int web_create(const char* tag, std::size_t tag_size);
void web_append(int parent, int child);
void web_remove(int id);
void web_set_attribute(int id, const char* name, std::size_t name_size, const char* value,
                       std::size_t value_size);
void web_remove_attribute(int id, const char* name, std::size_t name_size);
void web_set_style(int id, const char* property, std::size_t property_size, const char* value,
                   std::size_t value_size);
void web_set_text(int id, const char* text, std::size_t text_size);
void web_replace_text(int id, const char* text, std::size_t text_size);
char* web_value(int id);
void web_set_value(int id, const char* text, std::size_t text_size);
void web_selection(int id, int* out);
void web_select(int id, int start, int end, int backward);
void web_replace_selection(int id, const char* text, std::size_t text_size);
char* web_tag(int id);
int web_closest(int id, const char* selector, std::size_t selector_size);
void web_click(int id);
void web_focus(int id);
int web_has_focus(int id);
int web_focused();
int web_body();
int web_contains(int outer, int inner);
void web_send_key(int id, const char* key, std::size_t key_size);
void web_listen(int id, const char* type, std::size_t type_size, int listener);
void web_listen_media(const char* query, std::size_t query_size, int listener);
void web_observe_size(int id, int listener);
int web_media_matches(const char* query, std::size_t query_size);
void web_post(int task);
void web_extent(int id, double* out);
unsigned web_drawn_colour(int id, const char* property, std::size_t property_size);
int web_width(int id);
void web_show_modal(int id);
void web_close_dialog(int id);
int web_viewport_width();
void web_set_title(const char* text, std::size_t text_size);
int web_close_page();
void web_reload();
}

namespace trelumo::web {
namespace {

std::map<int, Listener>& listeners() {
    static std::map<int, Listener> all;
    return all;
}

// The listeners of each element, which go with it.
std::multimap<int, int>& listeners_of() {
    static std::multimap<int, int> all;
    return all;
}

int keep(int element, Listener listener) {
    static int next = 0;
    listeners().emplace(next, std::move(listener));
    listeners_of().emplace(element, next);
    return next++;
}

std::map<int, std::function<void()>>& tasks() {
    static std::map<int, std::function<void()>> waiting;
    return waiting;
}

}  // namespace

Element Element::create(std::string_view tag) {
    return Element(web_create(tag.data(), tag.size()));
}

Element Element::by_id(std::string_view id) {
    return Element(web_element(id.data(), id.size()));
}

Element Element::window() {
    return Element(0);
}

Element Element::document() {
    return Element(1);
}

Element Element::body() {
    return Element(web_body());
}

Element Element::focused() {
    return Element(web_focused());
}

void Element::append(Element child) const {
    web_append(id_, child.id_);
}

void Element::remove() const {
    const auto [first, last] = listeners_of().equal_range(id_);
    for (auto listener = first; listener != last; ++listener) listeners().erase(listener->second);
    listeners_of().erase(first, last);
    web_remove(id_);
}

void Element::set_attribute(std::string_view name, std::string_view value) const {
    web_set_attribute(id_, name.data(), name.size(), value.data(), value.size());
}

void Element::remove_attribute(std::string_view name) const {
    web_remove_attribute(id_, name.data(), name.size());
}

void Element::set_style(std::string_view property, std::string_view value) const {
    web_set_style(id_, property.data(), property.size(), value.data(), value.size());
}

void Element::set_text(std::string_view text) const {
    web_set_text(id_, text.data(), text.size());
}

void Element::replace_text(std::string_view text) const {
    web_replace_text(id_, text.data(), text.size());
}

std::string Element::value() const {
    const std::unique_ptr<char, decltype(&std::free)> text(web_value(id_), &std::free);
    return text ? std::string(text.get()) : std::string();
}

void Element::set_value(std::string_view text) const {
    web_set_value(id_, text.data(), text.size());
}

Element::Selection Element::selection() const {
    int out[3] = {};
    web_selection(id_, out);
    return {out[0], out[1], out[2] != 0};
}

void Element::select(Selection selection) const {
    web_select(id_, selection.start, selection.end, selection.backward);
}

void Element::replace_selection(std::string_view text) const {
    web_replace_selection(id_, text.data(), text.size());
}

std::string Element::tag() const {
    const std::unique_ptr<char, decltype(&std::free)> text(web_tag(id_), &std::free);
    return text ? std::string(text.get()) : std::string();
}

Element Element::closest(std::string_view selector) const {
    return Element(web_closest(id_, selector.data(), selector.size()));
}

void Element::click() const {
    web_click(id_);
}

void Element::focus() const {
    web_focus(id_);
}

bool Element::has_focus() const {
    return web_has_focus(id_) != 0;
}

bool Element::contains(Element other) const {
    return web_contains(id_, other.id_) != 0;
}

void Element::send_key(std::string_view key) const {
    web_send_key(id_, key.data(), key.size());
}

void Element::listen(std::string_view type, Listener listener) const {
    web_listen(id_, type.data(), type.size(), keep(id_, std::move(listener)));
}

Element::Extent Element::extent() const {
    double out[2] = {};
    web_extent(id_, out);
    return {out[0], out[1]};
}

int Element::width() const {
    return web_width(id_);
}

unsigned Element::drawn_colour(std::string_view property) const {
    return web_drawn_colour(id_, property.data(), property.size());
}

void Element::show_modal() const {
    web_show_modal(id_);
}

void Element::observe_size(Listener listener) const {
    web_observe_size(id_, keep(id_, std::move(listener)));
}

void Element::listen_media(std::string_view query, Listener listener) const {
    web_listen_media(query.data(), query.size(), keep(id_, std::move(listener)));
}

void Element::close_dialog() const {
    web_close_dialog(id_);
}

bool media_matches(std::string_view query) {
    return web_media_matches(query.data(), query.size()) != 0;
}

void post(std::function<void()> task) {
    static int next = 0;
    tasks().emplace(next, std::move(task));
    web_post(next++);
}

int viewport_width() {
    return web_viewport_width();
}

void set_document_title(std::string_view title) {
    web_set_title(title.data(), title.size());
}

bool close_page() {
    return web_close_page() != 0;
}

void reload_page() {
    web_reload();
}

}  // namespace trelumo::web

// What dom.js calls: a DOM event for a listener, a posted task.
extern "C" {

__attribute__((used)) int web_event(int listener, const char* type, const char* key,
                                    const char* code, const char* data, int modifiers, int target) {
    using trelumo::web::Event;
    const auto text = [](const char* pointer) {
        return pointer ? std::string_view(pointer) : std::string_view();
    };
    const Event event{.type = text(type),
                      .key = text(key),
                      .code = text(code),
                      .data = text(data),
                      .ctrl = (modifiers & 1) != 0,
                      .alt = (modifiers & 2) != 0,
                      .shift = (modifiers & 4) != 0,
                      .meta = (modifiers & 8) != 0,
                      .repeat = (modifiers & 16) != 0,
                      .button = ((modifiers >> 8) & 0xFF) - 1,
                      .touch = (modifiers & (1 << 16)) != 0,
                      .composing = (modifiers & (1 << 17)) != 0,
                      .target = target};
    // A listener may add or remove others while it runs: call a copy.
    const auto& listeners = trelumo::web::listeners();
    const auto found = listeners.find(listener);
    if (found == listeners.end()) return 0;
    const trelumo::web::Listener listener_now = found->second;
    return listener_now(event) ? 1 : 0;
}

__attribute__((used)) void web_run_task(int task) {
    auto& tasks = trelumo::web::tasks();
    const auto found = tasks.find(task);
    if (found == tasks.end()) return;
    const std::function<void()> run = std::move(found->second);
    tasks.erase(found);
    run();
}
}
