// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Loads and unloads the page library once, built with AddressSanitizer, in a
// process that uses nothing of it but the fact that its pages appear and go.
// Any bad memory access or leak in its start-up or shut-down ends the run
// with a sanitizer report and a failing exit code.
#include <QFile>

#include <cstdio>
#include <dlfcn.h>

int main()
{
    void *library = dlopen(TESSALINE_ASAN_FILE, RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        std::fprintf(stderr, "cannot load: %s\n", dlerror());
        return 1;
    }
    const bool present = QFile::exists(QStringLiteral(":/23/5000/2070"));
    if (dlclose(library) != 0) {
        std::fprintf(stderr, "cannot unload: %s\n", dlerror());
        return 1;
    }
    const bool gone = !QFile::exists(QStringLiteral(":/23/5000/2070"));
    std::printf("pages present while loaded: %d, gone after unload: %d\n", present, gone);
    return present && gone ? 0 : 1;
}
