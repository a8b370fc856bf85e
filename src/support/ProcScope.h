// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/Failure.h"

#include <exception>
#include <utility>

// The procedure boundary: pushes the procedure's name on the error handler's stack on entry and
// pops it on every exit. `run` executes the body; a failure thrown inside it is handed to the
// error handler (HandleError), or to the procedure's own failure path when one is given, and
// the procedure then leaves through its normal exit with the result it had reached:
//
//   bool cThisDay::mResolve() {
//       ProcScope scope("cThisDay.mResolve");
//       bool result = false;
//       scope.run([&] { ...; result = true; });
//       return result;
//   }
class ProcScope {
public:
    // `name` must outlive the scope and every report made in it: a literal. It is not copied.
    explicit ProcScope(const char* name);
    ~ProcScope();
    ProcScope(const ProcScope&) = delete;
    ProcScope& operator=(const ProcScope&) = delete;

    // Runs `body`; true when it finished without a failure.
    template <class Body> bool run(Body&& body) {
        return run(std::forward<Body>(body), [](const Failure& f) { handle(f); });
    }

    // Runs `body`; a failure goes to `onFailure(const Failure&)` instead of HandleError.
    template <class Body, class OnFailure> bool run(Body&& body, OnFailure&& onFailure) {
        try {
            body();
            return true;
        } catch (const Failure& f) {
            onFailure(f);
        } catch (const std::exception& e) {
            onFailure(fromStd(e));
        } catch (...) {
            onFailure(Failure::internal({}));
        }
        return false;
    }

    // Hands `failure` to the error handler as the current failure (HandleError).
    static void handle(const Failure& failure);

private:
    static Failure fromStd(const std::exception& e);
};
