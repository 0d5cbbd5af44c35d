#include "qt/modal_dialog.h"

#include "framework/modal_form.h"
#include "host/surface/surface_canvas.h"
#include "qt/kit.h"

#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <string>

namespace nk::qt {

namespace {

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
    case 16:
        return QMessageBox::Critical;
    case 32:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

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

ModalDialog::ModalDialog(ModalForm& form, QWidget* parent)
    : QDialog(parent), form_(form), linkCursor_(LinkCursor(form.LinkPointer())) {
    setWindowTitle(fromUtf8(form_.Caption()));
    setModal(true);
    setFixedSize(form_.Width(), form_.Height());
    setMouseTracking(true);
    Redraw();
}

QImage ModalDialog::formImage() const {
    return image_;
}

void ModalDialog::Redraw() {
    SurfaceCanvas canvas(form_.Width(), form_.Height(), kButtonFace, kButtonText, Font{});
    form_.Draw(canvas);
    image_ = ToQImage(canvas.pixels());
    update();
}

void ModalDialog::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, image_);
}

void ModalDialog::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    form_.MouseDown(e->position().x(), e->position().y());
    Redraw();
}

void ModalDialog::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    const std::string clicked = form_.MouseUp(e->position().x(), e->position().y());
    Redraw();
    if (!clicked.empty()) Clicked(clicked);
}

void ModalDialog::mouseMoveEvent(QMouseEvent* e) {
    if (form_.PointerAt(e->position().x(), e->position().y()) == FormPointer::Link)
        setCursor(linkCursor_);
    else
        unsetCursor();
}

void ModalDialog::reject() {
    // Escape and the window's close button close the form as the user's closing.
    CloseForm();
}

void ModalDialog::Clicked(const std::string& element) {
    form_.Click(element);
    if (form_.Closed()) accept();
}

void ModalDialog::CloseForm() {
    form_.Close();
    if (form_.Closed()) accept();
}

void RunModalDialog(QWidget* parent, ModalForm& form) {
    ModalDialog dialog(form, parent);
    dialog.exec();
    if (!form.Closed()) form.Close();
}

void RunMessageBox(QWidget* parent, int style, const std::string& title, const std::string& text) {
    QMessageBox box(IconOf(style), fromUtf8(title), fromUtf8(text), QMessageBox::Ok, parent);
    box.exec();
}

} // namespace nk::qt
