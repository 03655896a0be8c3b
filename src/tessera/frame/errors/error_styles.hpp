// The five ways a member of the library handles a run-time error inside its body.
//
// Every member names its style by calling one of these helpers with its body; no member writes its
// own try/catch. A body that computes a result takes it by reference and fills it as it goes, so a
// failure returns the result "as it stood": the value the body had assigned before the error, or the
// type's initial value (empty string, false, 0). Foreign exceptions (bad_alloc, file-system errors)
// become a RuntimeError before any style looks at them.
//
//   ReportLabelled("GTool.SortString", body)  box "<label>\r\n<description>", style 16, "Tessera"
//   ReportPlain(body)                         box "<description>", style 16, "Tessera"
//   ReportPlain(title, body, cleanup)         the same under the member's own title, then cleanup
//   PassOn(body [, cleanup])                  the error reaches the caller as a RuntimeError,
//                                             after cleanup
//   EndQuietly(body [, cleanup])              no message; cleanup runs first when the body failed
//   PassOver(step, step, ...)                 a failing step is skipped, the next one runs
//
// Steps a member takes before its handling begins stay outside the body: their errors reach the
// caller whatever the style.
#pragma once

#include <concepts>
#include <exception>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

#include "tessera/platform/runtime/error.hpp"
#include "tessera/platform/ui/ui.hpp"

namespace tessera::frame {

// The message boxes of the two reporting styles (shown through the UI service).
void ShowLabelledReport(std::string_view label, const platform::RuntimeError& error);
void ShowPlainReport(const platform::RuntimeError& error,
                     std::optional<std::string_view> title = std::nullopt);

namespace detail {

// Runs `body` (with a Result& when Result is not void) and hands any error, as a RuntimeError, to
// `on_error`. Returns the result as it stood.
template <typename Result, typename Body, typename OnError>
Result RunHandled(Body&& body, OnError&& on_error) {
  if constexpr (std::is_void_v<Result>) {
    try {
      std::forward<Body>(body)();
    } catch (...) {
      on_error(platform::ToRuntimeError());
    }
  } else {
    Result result{};
    try {
      std::forward<Body>(body)(result);
    } catch (...) {
      on_error(platform::ToRuntimeError());
    }
    return result;
  }
}

}  // namespace detail

template <typename Result = void, typename Body>
Result ReportLabelled(std::string_view label, Body&& body) {
  return detail::RunHandled<Result>(std::forward<Body>(body), [label](const platform::RuntimeError& error) {
    ShowLabelledReport(label, error);
  });
}

template <typename Result = void, typename Body>
Result ReportPlain(Body&& body) {
  return detail::RunHandled<Result>(std::forward<Body>(body),
                                    [](const platform::RuntimeError& error) { ShowPlainReport(error); });
}

// The plain report under a title of the member's own, followed by a clean-up step (which may fail:
// its error then reaches the caller).
template <typename Result = void, typename Body, std::invocable Cleanup>
Result ReportPlain(std::string_view title, Body&& body, Cleanup&& cleanup) {
  return detail::RunHandled<Result>(std::forward<Body>(body), [&](const platform::RuntimeError& error) {
    ShowPlainReport(error, title);
    cleanup();
  });
}

// With a clean-up step, that runs after a failure before the error goes on to the caller.
template <typename Result = void, typename Body, std::invocable Cleanup = void (*)()>
Result PassOn(
    Body&& body, Cleanup&& cleanup = [] {}) {
  return detail::RunHandled<Result>(std::forward<Body>(body),
                                    [&cleanup](const platform::RuntimeError& error) {
                                      cleanup();
                                      throw error;
                                    });
}

// The clean-up step runs only after a failure and is itself quiet: its own failure is dropped.
template <typename Result = void, typename Body, std::invocable Cleanup = void (*)()>
Result EndQuietly(
    Body&& body, Cleanup&& cleanup = [] {}) {
  return detail::RunHandled<Result>(std::forward<Body>(body), [&cleanup](const platform::RuntimeError&) {
    detail::RunHandled<void>(cleanup, [](const platform::RuntimeError&) {});
  });
}

template <std::invocable... Steps>
void PassOver(Steps&&... steps) {
  (detail::RunHandled<void>(std::forward<Steps>(steps), [](const platform::RuntimeError&) {}), ...);
}

}  // namespace tessera::frame
