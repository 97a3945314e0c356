#pragma once
// The one adapter between Qt's signals and the program's handlers: a handler
// that fails throws VorzoError; the adapter shows the error box and returns,
// so what the handler did before the failing step stays done and no exception
// ever crosses the event loop.

#include <functional>
#include <utility>

void runGuarded(const std::function<void()> &handler);

// The handler wrapped for a connection. The signal's arguments are handed on
// as far as the handler takes them (a handler of none ignores them all).
template <typename Handler> auto guarded(Handler handler)
{
    return [handler = std::move(handler)](auto &&...args) -> decltype(handler(args...), void()) {
        runGuarded([&] { handler(args...); });
    };
}
