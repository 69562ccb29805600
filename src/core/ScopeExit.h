// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Ko-Vaq developers

#pragma once

#include <utility>

namespace kovaq {

// Runs its function when the scope ends, however it ends: a flag set by hand for a while
// (no recalculation during a load, a dialog disabled during a print) is put back even when
// something throws in between.
template <class F> class ScopeExit {
  public:
    explicit ScopeExit(F f) : m_f(std::move(f)) {}
    ~ScopeExit() { m_f(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

  private:
    F m_f;
};

// Sets a value for the rest of the scope, then puts the old one back.
template <class T> class ScopedValue {
  public:
    ScopedValue(T& target, T value) : m_target(target), m_old(std::exchange(target, value)) {}
    ~ScopedValue() { m_target = m_old; }
    ScopedValue(const ScopedValue&) = delete;
    ScopedValue& operator=(const ScopedValue&) = delete;

  private:
    T& m_target;
    T m_old;
};

} // namespace kovaq
