// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/about_dialog.h"

#include "desktop/sparkle_overlay.h"
#include "desktop/sparkle_request.h"
#include "desktop/web_launcher.h"
#include "resources/art_names.h"
#include "resources/resource_lookup.h"
#include "resources/version.h"
#include "ui_about_dialog.h"
#include "widgets/center_dialog.h"
#include "widgets/dialog_units.h"
#include "widgets/draw_helpers.h"

#include <QCloseEvent>
#include <QPainter>

namespace cw {

AboutDialog::AboutDialog(Random& random, QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::AboutDialog>()), random_(random),
      picture_(LoadBitmap(ArtName(art::kAboutPicture))),
      sparkle_(LoadBitmap(ArtName(art::kSparklePicture))) {
    ui_->setupUi(this);
    ApplyDialogUnits(this);
    ui_->versionLabel->setTextFormat(Qt::PlainText);
    //: %1 is the version ("v1.0a"), %2 the build's date and time, always in English.
    ui_->versionLabel->setText(
        tr("Version %1, compiled: %2")
            .arg(QString::fromLatin1(kVersionText), QString::fromLatin1(kBuildStamp)));
    // The picture is only a picture: it takes neither focus nor clicks.
    ui_->pictureButton->setEnabled(false);
    ui_->pictureButton->setFocusPolicy(Qt::NoFocus);
    ui_->pictureButton->installEventFilter(this);
    connect(ui_->okButton, &QPushButton::clicked, this, [this] { done(kAboutOk); });
    connect(ui_->webSiteButton, &QPushButton::clicked, this, [this] { done(kAboutVisitWebSite); });
    overlay_ = new SparkleOverlay(this);
    ui_->okButton->setFocus();
    // On the screen, not over the main window.
    CenterDialog(this, nullptr);
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::reject() {}

bool AboutDialog::event(QEvent* event) {
    if (event->type() == SparkleRequestType()) {
        Sparkle();
        return true;
    }
    return QDialog::event(event);
}

bool AboutDialog::eventFilter(QObject* watched, QEvent* event) {
    QWidget* button = ui_->pictureButton;
    if (watched != button || event->type() != QEvent::Paint)
        return QDialog::eventFilter(watched, event);
    QPainter painter(button);
    DrawFramedRect(painter, 0, 0, button->width(), button->height(), 1);
    // Each halving truncates towards zero, as the picture was always placed.
    painter.drawImage((button->width() - picture_.width()) / 2,
                      (button->height() - picture_.height()) / 2, picture_);
    return true;
}

void AboutDialog::closeEvent(QCloseEvent* event) {
    done(kAboutClosed);
    event->accept();
}

// A request that arrives while a sparkle plays is dropped rather than nested.
void AboutDialog::Sparkle() {
    if (sparkling_ || !isVisible())
        return;
    sparkling_ = true;
    PlaySparkle(*overlay_, sparkle_, PickSparklePosition(random_, width()));
    overlay_->Clear();
    sparkling_ = false;
}

int RunAboutDialog(Random& random, QWidget* owner) {
    AboutDialog dialog(random, owner);
    return dialog.exec();
}

void RunAboutCommand(Random& random, QWidget* owner,
                     const std::function<void(const QString& address)>& openWebAddress) {
    if (RunAboutDialog(random, owner) == kAboutVisitWebSite)
        openWebAddress(QString::fromLatin1(kHomePageAddress));
}

void RunAboutCommand(Random& random, QByteArray& browserPath, QWidget* owner) {
    RunAboutCommand(random, owner, [&browserPath, owner](const QString& address) {
        OpenWebAddress(address, browserPath, owner);
    });
}

} // namespace cw
