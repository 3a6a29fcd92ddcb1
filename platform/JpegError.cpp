// SPDX-FileCopyrightText: 2026 Zantek Games
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/JpegError.h"

#include <type_traits>

namespace zand {

// The callbacks get only the manager's address and find the rest from it.
static_assert(std::is_standard_layout_v<JpegError>);

namespace {

[[noreturn]] void onError(j_common_ptr info)
{
    auto *error = reinterpret_cast<JpegError *>(info->err);
    (*info->err->format_message)(info, error->message);
    std::longjmp(error->jump, 1);
}

// Level -1 is a warning: the data is corrupt or cut short and libjpeg would
// fill in what is missing. A picture like that is not the one its maker
// meant, so it counts as broken. Higher levels are trace messages.
void onMessage(j_common_ptr info, int level)
{
    if (level < 0)
        onError(info);
}

} // namespace

jpeg_error_mgr *JpegError::install()
{
    jpeg_std_error(&manager);
    manager.error_exit = onError;
    manager.emit_message = onMessage;
    message[0] = '\0';
    return &manager;
}

} // namespace zand
