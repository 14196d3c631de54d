// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/browser_control.h"

namespace cw {

QString OpenRequestItem(const QString& address) {
    return QStringLiteral("\"%1\",,0xFFFFFFFF,0x4").arg(address);
}

QString ActivateRequestItem(std::uint32_t windowId) {
    return QStringLiteral("0x%1,0x0").arg(QString::number(windowId, 16).toUpper());
}

std::uint32_t WindowIdFromReply(const QByteArray& reply) {
    std::uint32_t id = 0;
    for (qsizetype i = 0; i < std::min<qsizetype>(reply.size(), 4); ++i)
        id |= std::uint32_t(static_cast<unsigned char>(reply[i])) << (8 * i);
    return id;
}

namespace {

void BringBrowserForward(BrowserControl& control, std::uint32_t windowId) {
    const QString service = QString::fromLatin1(kBrowserService);
    if (!control.Connect(service, QString::fromLatin1(kActivateTopic)))
        return;
    control.Request(ActivateRequestItem(windowId)); // the reply tells nothing we act on
    control.Disconnect();
}

} // namespace

bool AskRunningBrowser(BrowserControl& control, const QString& address) {
    if (!control.StartSession())
        return false;
    bool handled = false;
    if (control.Connect(QString::fromLatin1(kBrowserService), QString::fromLatin1(kOpenTopic))) {
        const std::optional<QByteArray> reply = control.Request(OpenRequestItem(address));
        control.Disconnect();
        handled = reply.has_value();
        if (handled && !address.startsWith(QLatin1String("mailto:"), Qt::CaseSensitive))
            BringBrowserForward(control, WindowIdFromReply(*reply));
    }
    control.EndSession();
    return handled;
}

} // namespace cw
