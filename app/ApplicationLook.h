#pragma once

class QApplication;

namespace zorvanta {

/// Sets up the look every window of the program shares: the interface face. The windows'
/// fixed geometry was laid out for Segoe UI or Arial metrics; where the platform's own face is
/// wider (DejaVu Sans on many Linux desktops) a metric-compatible face takes its place, so every
/// caption fits its box. Called by the program's start-up and by the GUI tests alike.
void ApplyApplicationLook(QApplication& application);

}  // namespace zorvanta
