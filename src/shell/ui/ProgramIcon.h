#pragma once
#include <QIcon>

// The program's icon (window icon, shortcut pictures, "lsys:" images of messages).
QIcon ProgramIcon();
