// The about dialog on Qt: a modal dialog that shows the kit's about form as the kit draws it
// and turns a press and release on one of its elements into the form's click.
#pragma once

#include "framework/about.h"
#include "framework/picture.h"

#include <QDialog>

#include <string>

namespace nk::qt {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    // `logo` and `linkPointer` are the pictures of the library's resources 900 and 901.
    AboutDialog(AboutForm& about, Picture logo, Picture linkPointer, QWidget* parent = nullptr);

    // The form as currently drawn (the pressed button drawn pushed in).
    QImage formImage() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void reject() override;

private:
    void Redraw();
    void Clicked(const std::string& element);

    AboutForm& about_;
    Picture logo_;
    QCursor linkCursor_;
    QImage image_;
    std::string pressed_;
};

// Shows the dialog modally over `parent` until the form is unloaded.
void RunAboutDialogModal(QWidget* parent, AboutForm& about, const Picture& logo,
                         const Picture& linkPointer);

} // namespace nk::qt
