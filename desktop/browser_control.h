// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Asking a browser that is already running to show an address, over a request/reply
// conversation with the browser's control service (on platforms that have one). The
// transport is an interface so that the exchange itself can be tested and another platform
// can plug its own in; on Linux no browser answers and the launcher goes on without it.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

namespace cw {

inline constexpr char kBrowserService[] = "Netscape";
inline constexpr char kOpenTopic[] = "WWW_OpenURL";
inline constexpr char kActivateTopic[] = "WWW_Activate";

class BrowserControl {
public:
    virtual ~BrowserControl() = default;

    // A client session; every conversation lives inside one.
    virtual bool StartSession() = 0;
    virtual void EndSession() = 0;
    // At most one conversation is open at a time.
    virtual bool Connect(const QString& service, const QString& topic) = 0;
    virtual void Disconnect() = 0;
    // A synchronous request whose arguments travel in the item name. No value when the
    // server sent no data back in time.
    virtual std::optional<QByteArray> Request(const QString& item) = 0;
};

// The Linux desktop has no browser control service: no session can be started.
class NoBrowserControl final : public BrowserControl {
public:
    bool StartSession() override { return false; }
    void EndSession() override {}
    bool Connect(const QString&, const QString&) override { return false; }
    void Disconnect() override {}
    std::optional<QByteArray> Request(const QString&) override { return std::nullopt; }
};

// "<address>",,0xFFFFFFFF,0x4: any window, flags 0x4.
QString OpenRequestItem(const QString& address);
// 0x<ID>,0x0 in uppercase hexadecimal without leading zeros.
QString ActivateRequestItem(std::uint32_t windowId);
// The first four bytes of the reply, least significant first; missing bytes count as 0.
std::uint32_t WindowIdFromReply(const QByteArray& reply);

// True when a running browser took the address (whatever became of bringing it forward).
// Mail addresses open a composer, not a browser window, so nothing is brought forward then.
bool AskRunningBrowser(BrowserControl& control, const QString& address);

} // namespace cw
