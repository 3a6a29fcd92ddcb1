#pragma once

#include <QUrl>

namespace zand {

// Opens a web page in the desktop's browser, without waiting for it.
class Browser
{
public:
    virtual ~Browser() = default;

    // False when the desktop has no handler for the address.
    virtual bool open(const QUrl &url) = 0;
};

// The desktop's default handler.
class DesktopBrowser final : public Browser
{
public:
    bool open(const QUrl &url) override;
};

} // namespace zand
