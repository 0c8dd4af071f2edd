// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What one standard library lacks, in one place: the browser build's libc++ (emscripten 3.1.6)
// has no floating-point to_chars and from_chars, no std::bit_cast or std::bit_width and no
// std::jthread. Elsewhere
// these are the standard library's own; the fallbacks give the same text and the same bits.
#include <charconv>
#include <cstdint>
#include <cstring>
#include <thread>
#include <type_traits>
#include <version>
#if defined(__cpp_lib_bit_cast)
#include <bit>
#endif

namespace kiva {

// std::to_chars for a double: the shortest text that reads back as the same number, or `digits`
// digits after the point.
std::to_chars_result ShortestToChars(char* first, char* last, double value);
std::to_chars_result FixedToChars(char* first, char* last, double value, int digits);
// std::from_chars for a decimal number in the general format: no leading blank or '+'.
std::from_chars_result NumberFromChars(const char* first, const char* last, double& value);
std::from_chars_result NumberFromChars(const char* first, const char* last, float& value);

// The fallbacks behind the four above where the library lacks them, built everywhere so that the
// tests hold them to the library's own.
namespace fallback {
std::to_chars_result ShortestToChars(char* first, char* last, double value);
std::to_chars_result FixedToChars(char* first, char* last, double value, int digits);
std::from_chars_result NumberFromChars(const char* first, const char* last, double& value);
std::from_chars_result NumberFromChars(const char* first, const char* last, float& value);
}  // namespace fallback

template <typename To, typename From>
    requires(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> && std::is_trivially_copyable_v<From>)
To BitCast(const From& from) {
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<To>(from);
#else
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
#endif
}

// std::bit_width: the bits a number needs, 0 for 0.
constexpr int BitWidth(std::uint32_t value) {
    int width = 0;
    for (; value != 0; value >>= 1) ++width;
    return width;
}

// A thread that joins when it is destroyed.
#if defined(__cpp_lib_jthread)
using JoiningThread = std::jthread;
#else
class JoiningThread {
public:
    template <typename Function>
    explicit JoiningThread(Function&& function) : thread_(std::forward<Function>(function)) {}
    JoiningThread(JoiningThread&&) noexcept = default;
    JoiningThread& operator=(JoiningThread&& other) noexcept {
        if (thread_.joinable()) thread_.join();
        thread_ = std::move(other.thread_);
        return *this;
    }
    ~JoiningThread() {
        if (thread_.joinable()) thread_.join();
    }

private:
    std::thread thread_;
};
#endif

// The browser's build has one thread: it starts none, so it needs no shared memory, which a page
// has only under special server headers.
#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
inline constexpr bool kThreadsAvailable = false;
#else
inline constexpr bool kThreadsAvailable = true;
#endif

// The cores a program may run threads on: one in a build without threads.
inline unsigned HardwareThreads() { return kThreadsAvailable ? std::thread::hardware_concurrency() : 1; }

}  // namespace kiva
