// Every call from Qt into the program's handlers goes through Guarded: no exception crosses Qt.
#pragma once

#include <exception>
#include <utility>

namespace pl::detail {

// Parks the exception in the application (re-thrown by a press loop after it has released the
// capture); with no press loop running it is reported and dropped.
void ParkException(std::exception_ptr error);

template <class F> void Guarded(F&& f) {
    try {
        std::forward<F>(f)();
    } catch (...) {
        ParkException(std::current_exception());
    }
}

} // namespace pl::detail
