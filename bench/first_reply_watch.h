#pragma once
// Watches the switches' reply port alongside the program and notes when the
// first datagram arrives after it is armed: the start of a search's
// collection window. Linux only, like the benchmarks.

#include <atomic>
#include <chrono>
#include <thread>

class FirstReplyWatch
{
public:
    using Clock = std::chrono::steady_clock;

    FirstReplyWatch();
    ~FirstReplyWatch();

    void arm();
    Clock::time_point first() const { return first_arrival; }
    // Seconds from the end of the five-second collection window to now.
    double seconds_after_window() const { return seconds_after_first() - 5.0; }
    // Seconds from the first answer to now.
    double seconds_after_first() const;
    // Milliseconds from the first answer to a moment on the wall clock, in
    // milliseconds since the epoch: the clock a web page's stamps use.
    double ms_after_first(double epoch_ms) const { return epoch_ms - first_epoch_ms; }

private:
    void run();

    int fd;
    std::thread thread;
    std::atomic<bool> stop{false}, armed{false}, seen{false};
    Clock::time_point first_arrival;
    double first_epoch_ms = 0;
};
