#pragma once

#include <exception>
#include <type_traits>
#include <utility>

namespace valorama {

// The general error reporting: shows the text of an error that a handler did not catch;
// the program goes on.
void reportError(const std::exception &e);
void reportUnknownError();

// Wraps a handler so that whatever it throws is reported instead of leaving the event loop.
template<class F> auto guarded(F handler)
{
    return [h = std::move(handler)](auto &&...args) {
        try {
            if constexpr (std::is_invocable_v<const F &, decltype(args)...>)
                h(std::forward<decltype(args)>(args)...);
            else
                h(); // the handler takes none of the signal's arguments
        } catch (const std::exception &e) {
            reportError(e);
        } catch (...) {
            reportUnknownError();
        }
    };
}

} // namespace valorama
