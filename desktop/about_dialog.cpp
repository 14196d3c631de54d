#include "desktop/about_dialog.h"

#include "desktop/sparkle_overlay.h"
#include "desktop/sparkle_request.h"
#include "desktop/web_launcher.h"
#include "records/center_dialog.h"
#include "resources/art_names.h"
#include "resources/dialog_units.h"
#include "resources/resource_lookup.h"
#include "resources/version.h"
#include "ui_ABOUT.h"

#include <QCloseEvent>
#include <QPainter>

namespace cw {
namespace {

const QColor kFrameBlack(0, 0, 0);
const QColor kFrameFace(192, 192, 192);
const QColor kBevelLight(255, 255, 255);
const QColor kBevelShadow(128, 128, 128);

// The raised cell frame: a black outline around light grey and a one-pixel bevel, white
// along the top and left, dark grey along the bottom and right.
void DrawRaisedFrame(QPainter& painter, const QRect& rect) {
    const int l = rect.left();
    const int t = rect.top();
    const int w = rect.width();
    const int h = rect.height();
    painter.fillRect(rect, kFrameBlack);
    painter.fillRect(l + 1, t + 1, w - 2, h - 2, kFrameFace);
    painter.fillRect(l + 1, t + 1, 1, h - 2, kBevelLight);
    painter.fillRect(l + 1, t + 1, w - 2, 1, kBevelLight);
    painter.fillRect(l + 1, t + h - 2, w - 2, 1, kBevelShadow);
    painter.fillRect(l + w - 2, t + 2, 1, h - 3, kBevelShadow);
}

} // namespace

QString AboutVersionLine() {
    return QStringLiteral("Version %1, compiled: %2")
        .arg(QString::fromLatin1(kVersionText), QString::fromLatin1(kBuildStamp));
}

AboutDialog::AboutDialog(Random& random, QWidget* owner)
    : QDialog(owner), ui_(std::make_unique<Ui::AboutDialog>()), random_(random),
      picture_(LoadBitmap(ArtName(art::kAboutPicture))),
      sparkle_(LoadBitmap(ArtName(art::kSparklePicture))) {
    ui_->setupUi(this);
    ApplyDialogUnits(this);
    ui_->versionLabel->setTextFormat(Qt::PlainText);
    ui_->versionLabel->setText(AboutVersionLine());
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
    if (watched == ui_->pictureButton && event->type() == QEvent::Paint) {
        PaintPicture(ui_->pictureButton);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void AboutDialog::closeEvent(QCloseEvent* event) {
    done(kAboutClosed);
    event->accept();
}

void AboutDialog::PaintPicture(QWidget* button) const {
    QPainter painter(button);
    const QRect rect = button->rect();
    DrawRaisedFrame(painter, rect);
    if (picture_.isNull())
        return;
    // Each halving truncates towards zero, as the picture was always placed.
    painter.drawImage(
        QPoint((rect.width() - picture_.width()) / 2, (rect.height() - picture_.height()) / 2),
        picture_);
}

// A request that arrives while a sparkle plays is dropped rather than nested.
void AboutDialog::Sparkle() {
    if (sparkling_ || !isVisible())
        return;
    sparkling_ = true;
    const QPoint at = PickSparklePosition(random_, width());
    PlaySparkle(*overlay_, sparkle_, at);
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

void RunAboutCommand(Random& random, QString& browserPath, QWidget* owner) {
    RunAboutCommand(random, owner, [&browserPath, owner](const QString& address) {
        OpenWebAddress(address, browserPath, owner);
    });
}

} // namespace cw
