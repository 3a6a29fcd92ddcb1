// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first

#include <jpeglib.h>

namespace zand {

// libjpeg's error handling for the game's decoder and the art generator's
// encoder. libjpeg calls error_exit on a fatal error and may not get control
// back; it prints warnings and carries on with grey pixels. Here both end the
// work on the picture: the library jumps back to the caller's setjmp with its
// message kept, and nothing is printed or left running.
//
//     JpegError error;
//     info.err = error.install();
//     if (setjmp(error.jump)) { destroy the libjpeg object, report error.message }
struct JpegError
{
    jpeg_error_mgr manager; // first: libjpeg hands back a pointer to it
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];

    // Sets up `manager` and returns it, for the err field of a libjpeg object.
    jpeg_error_mgr *install();
};

} // namespace zand
