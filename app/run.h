// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace app {

// The program as started from the desktop: the application object, the
// welcome screen and the event loop, until "Keluar" or the last window
// closes. Returns the exit status; 2 when no display can be reached.
int run(int argc, char *argv[]);

} // namespace app
