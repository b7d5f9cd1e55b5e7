#include "platform/win32/amount_edit.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/number_text/number_text.h"
#include "platform/win32/wide_text.h"

namespace trelumo {
namespace {

constexpr UINT_PTR subclass_id = 0x7F0E;
constexpr WPARAM ctrl_y = 0x19;
constexpr WPARAM ctrl_z = 0x1A;

bool shift_down() {
    return GetKeyState(VK_SHIFT) < 0;
}

// An undo or redo the user asks for, if the message is one: its direction.
std::optional<bool> undo_asked(UINT message, WPARAM w) {
    switch (message) {
        case WM_UNDO:
        case EM_UNDO:
            return true;
        case WM_CHAR:
            if (w == ctrl_z) return !shift_down();
            if (w == ctrl_y) return false;
            return std::nullopt;
        case WM_SYSKEYDOWN:  // alt+backspace
            if (w == VK_BACK) return !shift_down();
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

// The messages by which the user edits the text (ctrl+v and ctrl+x come as characters first).
bool is_edit(UINT message) {
    switch (message) {
        case WM_KEYDOWN:
        case WM_CHAR:
        case WM_IME_CHAR:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
            return true;
        default:
            return false;
    }
}

bool is_read_only(HWND control) {
    return (GetWindowLongW(control, GWL_STYLE) & ES_READONLY) != 0;
}

}  // namespace

AmountEdit::~AmountEdit() {
    if (edit_) RemoveWindowSubclass(edit_, control_procedure, subclass_id);
}

void AmountEdit::attach(HWND edit) {
    edit_ = edit;
    known_text_ = wide_text();
    SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);  // none: the largest the control can hold
    SetWindowSubclass(edit, control_procedure, subclass_id, reinterpret_cast<DWORD_PTR>(this));
}

void AmountEdit::set_decimal_separator(std::string_view separator) {
    decimal_separator_ = wide(separator);
}

void AmountEdit::notified(WORD code) {
    if (code != EN_CHANGE) return;
    std::wstring now = wide_text();
    if (now == known_text_) return;
    known_text_ = std::move(now);
    history_.written();
    if (changed_) changed_();
}

std::wstring AmountEdit::wide_text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit_)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(edit_, text.data(), static_cast<int>(text.size()))));
    return text;
}

std::string AmountEdit::text() const {
    return utf8(wide_text());
}

void AmountEdit::set_text(std::string_view text) {
    history_.written();
    SetWindowTextW(edit_, wide(text).c_str());
}

void AmountEdit::set_selection_start(int start) {
    const int units = utf16_units(wide_text(), start);
    SendMessageW(edit_, EM_SETSEL, units, units);
}

void AmountEdit::set_selection_length(int length) {
    DWORD start = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const std::wstring text = wide_text();
    const auto rest = std::wstring_view(text).substr(std::min<std::size_t>(start, text.size()));
    const int end = static_cast<int>(start) + utf16_units(rest, length);
    SendMessageW(edit_, EM_SETSEL, start, end);
}

AmountEdit::Selection AmountEdit::selection() const {
    Selection now{wide_text()};
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&now.start),
                 reinterpret_cast<LPARAM>(&now.end));
    return now;
}

void AmountEdit::undo_or_redo(bool undo) {
    if (is_read_only(edit_)) return;
    history_.step(
        undo, [this] { return selection(); },
        [this](const std::wstring& text) { SetWindowTextW(edit_, text.c_str()); },
        [this](const Selection& back) { SendMessageW(edit_, EM_SETSEL, back.start, back.end); });
}

void AmountEdit::paste() {
    std::string clipboard;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT) && OpenClipboard(edit_)) {
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
                clipboard = utf8(text);
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
    }
    if (const std::optional<std::string_view> pasted = pasted_amount_text(clipboard)) {
        SendMessageW(edit_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide(*pasted).c_str()));
    } else {
        SetWindowTextW(edit_, L"");
    }
}

LRESULT CALLBACK AmountEdit::control_procedure(HWND control, UINT message, WPARAM w, LPARAM l,
                                               UINT_PTR, DWORD_PTR self_pointer) {
    auto* self = reinterpret_cast<AmountEdit*>(self_pointer);
    if (const std::optional<bool> undo = undo_asked(message, w)) {
        self->undo_or_redo(*undo);
        return TRUE;
    }
    if (message == EM_CANUNDO) return self->history_.can_undo() ? TRUE : FALSE;
    if (!is_edit(message)) return self->handle(control, message, w, l);

    LRESULT result = 0;
    self->history_.edit(
        self->selection(), [&] { result = self->handle(control, message, w, l); },
        [self] { return self->selection(); });
    return result;
}

LRESULT AmountEdit::handle(HWND control, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_KEYDOWN:
            if (w == VK_DECIMAL && !is_read_only(control)) {
                SendMessageW(control, EM_REPLACESEL, TRUE,
                             reinterpret_cast<LPARAM>(decimal_separator_.c_str()));
                drop_next_character_ = true;
                return 0;
            }
            break;
        case WM_CHAR:
            if (drop_next_character_) {
                // The character the keypad's decimal key made, already typed as the separator.
                drop_next_character_ = false;
                if (w == L'.' || w == L',') return 0;
            }
            break;
        case WM_PASTE:
            if (is_read_only(control)) break;
            paste();
            return 0;
        case WM_LBUTTONDOWN:
            // A click that brings the focus in keeps the selection that GotFocus made.
            if (GetFocus() != control) {
                SetFocus(control);
                return 0;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(control, control_procedure, subclass_id);
            edit_ = nullptr;
            break;
        default:
            break;
    }
    return DefSubclassProc(control, message, w, l);
}

}  // namespace trelumo
