// SPDX-FileCopyrightText: the Konsultasi THT authors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/run.h"

int main(int argc, char *argv[])
{
    return app::run(argc, argv);
}
