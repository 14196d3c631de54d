// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/announcer.h"

#include <QAccessibleWidget>

namespace cw {
namespace {

class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(QWidget* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return static_cast<const QLabel*>(widget())->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* AnnouncerFactory(const QString&, QObject* object) {
    if (auto* announcer = qobject_cast<Announcer*>(object))
        return new AnnouncerAccessible(announcer);
    return nullptr;
}

} // namespace

// Qt keeps the first interface it builds for an object; an empty label sends no event while
// it is being made, so the factory is in place before one is asked for.
Announcer::Announcer(QWidget* parent) : QLabel(parent) {
    QAccessible::installFactory(&AnnouncerFactory);
    setObjectName(QStringLiteral("announcer"));
    setFixedSize(0, 0);
}

void Announcer::Announce(const QString& text) {
    if (text.isEmpty())
        return;
    setText(text);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace cw
