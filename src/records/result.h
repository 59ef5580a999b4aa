#pragma once

#include <optional>
#include <utility>
#include <variant>

namespace Records {

// Tag type that lets a failed Result be built from an error value of any type.
template<typename E>
struct Unexpected
{
    E error;
};

template<typename E>
Unexpected<std::decay_t<E>> fail(E &&error)
{
    return {std::forward<E>(error)};
}

// A value or the error that prevented it; our code reports failures through it instead of
// throwing. The names follow std::expected so that moving to it later is mechanical.
template<typename T, typename E>
class [[nodiscard]] Result
{
public:
    Result(T value) : m_state(std::in_place_index<0>, std::move(value)) {}
    template<typename F>
    Result(Unexpected<F> error) : m_state(std::in_place_index<1>, std::move(error.error)) {}

    bool has_value() const { return m_state.index() == 0; }
    explicit operator bool() const { return has_value(); }

    const T &value() const & { return std::get<0>(m_state); }
    T &value() & { return std::get<0>(m_state); }
    T &&value() && { return std::get<0>(std::move(m_state)); }
    const T &operator*() const & { return value(); }
    T &operator*() & { return value(); }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }

    const E &error() const { return std::get<1>(m_state); }

private:
    std::variant<T, E> m_state;
};

template<typename E>
class [[nodiscard]] Result<void, E>
{
public:
    Result() = default;
    template<typename F>
    Result(Unexpected<F> error) : m_error(std::move(error.error)) {}

    bool has_value() const { return !m_error.has_value(); }
    explicit operator bool() const { return has_value(); }
    const E &error() const { return *m_error; }

private:
    std::optional<E> m_error;
};

} // namespace Records
