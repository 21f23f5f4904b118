#pragma once
// What the window's parts share. The window owns it and hands it by
// reference to the project area, the opening of a switch, the cloud project
// tree and the cloud account; none of them holds the window's members.

#include <QString>

struct ORB_WindowState
{
    // The switch handed to the page last, local or cloud: opening it again
    // from a search is refused once.
    QString current_device_sn;
    // Set when that refusal was shown; the next double-click starts afresh.
    int repeat_guard = 0;
    // Signed in to the cloud; the window starts signed in unless the cloud
    // mode comes without credentials.
    bool login_done = true;
    // How often a repeated sign-in asks when the service does not answer.
    int login_attempts = 3;
    // Watch: the search repeats by itself on watch_nic, every
    // watch_interval_s seconds, while watching.
    bool watching = false;
    QString watch_nic;
    int watch_interval_s = 15;
};
