#include "qt/about_dialog.h"

#include "framework/about_layout.h"
#include "host/surface/surface_canvas.h"
#include "qt/kit.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace nk::qt {

namespace {

// A picture's image as a Qt image of its own (the picture may go before the image).
QImage ToQImage(const Image& image) {
    return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                  image.width * 4, QImage::Format_ARGB32)
        .copy();
}

QCursor LinkCursor(const Picture& pointer) {
    if (!HasImage(pointer)) return QCursor(Qt::PointingHandCursor);
    return QCursor(QPixmap::fromImage(ToQImage(*pointer->image())), 0, 0);
}

} // namespace

AboutDialog::AboutDialog(AboutForm& about, Picture logo, Picture linkPointer, QWidget* parent)
    : QDialog(parent), about_(about), logo_(std::move(logo)), linkCursor_(LinkCursor(linkPointer)) {
    setWindowTitle(fromUtf8(kAboutTitle));
    setModal(true);
    setFixedSize(kAboutFormWidth, kAboutFormHeight);
    setMouseTracking(true);
    Redraw();
}

QImage AboutDialog::formImage() const {
    return image_;
}

void AboutDialog::Redraw() {
    SurfaceCanvas canvas(kAboutFormWidth, kAboutFormHeight, kButtonFace, kButtonText, Font{});
    DrawAboutForm(canvas, logo_, pressed_);
    image_ = ToQImage(canvas.pixels());
    update();
}

void AboutDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void AboutDialog::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const AboutElement* el = AboutElementAt(e->position().x(), e->position().y());
    pressed_ = el ? std::string(el->name) : std::string();
    Redraw();
}

void AboutDialog::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const AboutElement* el = AboutElementAt(e->position().x(), e->position().y());
    const std::string released = el ? std::string(el->name) : std::string();
    const bool click = !pressed_.empty() && released == pressed_;
    pressed_.clear();
    Redraw();
    if (click) Clicked(released);
}

void AboutDialog::mouseMoveEvent(QMouseEvent* e) {
    const AboutElement* el = AboutElementAt(e->position().x(), e->position().y());
    if (el && el->linkPointer)
        setCursor(linkCursor_);
    else
        unsetCursor();
}

void AboutDialog::reject() {
    // Closing the dialog (Escape, the window's close button) counts as OK.
    Clicked("Command1");
}

void AboutDialog::Clicked(const std::string& element) {
    about_.Click(element);
    if (about_.Unloaded()) accept();
}

void RunAboutDialogModal(QWidget* parent, AboutForm& about, const Picture& logo,
                         const Picture& linkPointer) {
    AboutDialog dialog(about, logo, linkPointer, parent);
    dialog.exec();
    if (!about.Unloaded()) about.Click("Command1");
}

} // namespace nk::qt
