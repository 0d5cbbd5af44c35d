// Modal forms on Qt: a modal dialog that shows a form as the form draws itself and hands it
// the mouse, turning a press and release on one of its elements into the form's click.
#pragma once

#include "qt/kit_types.h"

#include <QCursor>
#include <QDialog>
#include <QImage>

#include <string>

namespace nk::qt {

class ModalDialog : public QDialog {
    Q_OBJECT
public:
    explicit ModalDialog(ModalForm& form, QWidget* parent = nullptr);

    // The form as currently drawn (a pressed button drawn pushed in).
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
    void CloseForm();

    ModalForm& form_;
    QCursor linkCursor_;
    QImage image_;
};

// Shows the form modally over `parent` until it is closed.
void RunModalDialog(QWidget* parent, ModalForm& form);

// Shows a control's message box modally over `parent` (none: a window of its own): `style`'s
// icon bits as the kit's message boxes have them, one OK button.
void RunMessageBox(QWidget* parent, int style, const std::string& title, const std::string& text);

} // namespace nk::qt
