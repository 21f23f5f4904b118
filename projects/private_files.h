#pragma once
// The program's files hold switch passwords and project details, so only the
// user may read them: folders 0700, files 0600. On Windows these calls only
// touch the read-only flag; there the files stay in the user's own profile,
// whose access list already keeps other users out.

#include <QFileDevice>
#include <QSettings>
#include <QString>

inline constexpr QFileDevice::Permissions PRIVATE_FILE = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Makes the folder (and its parents) if needed and closes it to others.
bool make_private_folder(const QString& path);

// ./Settings.ini: the open project, the language, the cloud account and what
// the windows remember.
QSettings program_settings();
