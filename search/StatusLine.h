#pragma once

// The two status lines a long search or comparison writes to while it runs: the summary line
// (what was found) and the agreement line (how the labelings compare with the filling).
enum class StatusLine { Summary, Agreement };
