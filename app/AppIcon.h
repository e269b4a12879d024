#pragma once

#include <QIcon>

namespace zorvanta {

/// The application icon: the logo artwork, painted at each size the first time that size
/// is asked for, so it is sharp at every size and costs nothing until a window shows it.
QIcon ApplicationIcon();

}  // namespace zorvanta
