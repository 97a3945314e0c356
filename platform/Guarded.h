#pragma once
// The one adapter between Qt's signals and the program's handlers: a handler
// that fails throws VorzoError; the adapter shows the error box and returns,
// so what the handler did before the failing step stays done and no exception
// ever crosses the event loop.

#include <functional>
#include <utility>

void runGuarded(const std::function<void()> &handler);

template <typename Handler>
auto guarded(Handler handler)
{
    return [handler = std::move(handler)](auto &&...) { runGuarded(handler); };
}
