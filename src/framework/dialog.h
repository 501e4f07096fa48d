#pragma once
// Dialogs built from templates and run modally, with a declarative message table
// (each dialog's handleMessage holds one), overridable OK and Cancel, message
// pre-translation and the reflection of control messages to bound controls.
#include <windows.h>
#include <windowsx.h>

#include <optional>
#include <span>
#include <variant>

namespace fw {

class Dialog;

// One row of a message table: a message (or, for WM_COMMAND, a command id) and
// the member that handles it, in one of three forms:
// - plain: its result is the message's result;
// - may decline: no result leaves the message to the default processing;
// - mouse: it gets the message's client point, and its result is the message's.
template <class T>
struct MessageEntry {
    using Plain = LRESULT (T::*)(WPARAM, LPARAM);
    using MayDecline = std::optional<LRESULT> (T::*)(WPARAM, LPARAM);
    using Mouse = LRESULT (T::*)(POINT);

    UINT message;
    UINT commandId;  // only for WM_COMMAND: the control or menu id
    std::variant<Plain, MayDecline, Mouse> handler;
};

template <class T>
constexpr MessageEntry<T> onMessage(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    return {message, 0, handler};
}
template <class T>
constexpr MessageEntry<T> onMessage(UINT message, std::optional<LRESULT> (T::*handler)(WPARAM, LPARAM)) {
    return {message, 0, handler};
}
template <class T>
constexpr MessageEntry<T> onMouse(UINT message, LRESULT (T::*handler)(POINT)) {
    return {message, 0, handler};
}
template <class T>
constexpr MessageEntry<T> onCommand(UINT id, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    return {WM_COMMAND, id, handler};
}

// The client point of a mouse message.
inline POINT mousePoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// Runs the entry of `table` for `message`. False when there is none, or when
// its handler declined: the default processing then runs.
template <class T>
bool dispatchMessage(T* self, std::span<const MessageEntry<T>> table, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result) {
    using Entry = MessageEntry<T>;
    for (const Entry& entry : table) {
        if (entry.message != message) continue;
        if (message == WM_COMMAND && entry.commandId != LOWORD(wParam)) continue;
        std::optional<LRESULT> answer;
        if (auto plain = std::get_if<typename Entry::Plain>(&entry.handler))
            answer = (self->**plain)(wParam, lParam);
        else if (auto mayDecline = std::get_if<typename Entry::MayDecline>(&entry.handler))
            answer = (self->**mayDecline)(wParam, lParam);
        else
            answer = (self->*std::get<typename Entry::Mouse>(entry.handler))(mousePoint(lParam));
        if (!answer) return false;
        result = *answer;
        return true;
    }
    return false;
}

class Dialog {
public:
    explicit Dialog(UINT templateId);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Runs the dialog in a modal loop of its own and returns the endDialog result.
    // Without an owner the application's main window owns it (when there is one).
    INT_PTR doModal(HWND owner = nullptr);
    void endDialog(INT_PTR result);

    HWND hwnd() const { return hwnd_; }
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }

    // Called by the modal loop before a message is dispatched; true means consumed.
    virtual bool preTranslateMessage(MSG& msg);

protected:
    // Default: binds the controls (doDataExchange) and returns TRUE.
    virtual BOOL onInitDialog();
    virtual void doDataExchange() {}
    virtual void onOK() { endDialog(IDOK); }
    virtual void onCancel() { endDialog(IDCANCEL); }
    // The derived class's message table; false lets the default handling run.
    virtual bool handleMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    // The default painting of a dialog: it only validates the update region.
    void defaultPaint();

private:
    static INT_PTR CALLBACK dialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR route(UINT message, WPARAM wParam, LPARAM lParam);

    UINT templateId_;
    HWND hwnd_ = nullptr;
    bool ended_ = false;
    INT_PTR result_ = 0;
};

}  // namespace fw
