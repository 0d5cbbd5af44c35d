// The kit as a Qt style: Fusion, with the stock buttons, check boxes, radio buttons,
// progress bars and (where a widget asks) frames and group boxes drawn by the kit's
// controls in the state the style option gives. A QPushButton or QToolButton is a
// NuvelCommand (or a NuvelHCommand pill), a QCheckBox or QRadioButton a NuvelCheck, a
// QProgressBar a NuvelFill, a QFrame or QGroupBox with the `nuvelkit-look` property a
// NuvelScreen. Looks: see qt/style/look.h; pictures: qt/style/renderer.h.
#pragma once

#include "qt/style/look.h"
#include "qt/style/renderer.h"

#include <QMutex>
#include <QProxyStyle>

#include <map>
#include <utility>

namespace nk::qt::style {

// The dynamic property a widget gives its own look in.
inline constexpr char kLookProperty[] = "nuvelkit-look";

class NuvelStyle : public QProxyStyle {
    Q_OBJECT
public:
    // With the settings of the settings file (SettingsFile()) for this application.
    NuvelStyle();
    explicit NuvelStyle(Settings settings);

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget = nullptr) const override;
    void polish(QWidget* widget) override;
    void unpolish(QWidget* widget) override;
    using QProxyStyle::polish;
    using QProxyStyle::unpolish;
    bool eventFilter(QObject* object, QEvent* event) override;

    // The look a widget of `kind` has (the widget may be null: the settings alone).
    const Look& LookOf(Kind kind, const QWidget* widget) const;

private:
    // Draws the control of the widget's look in `rect`; false when the look leaves the widget
    // to Fusion.
    bool DrawLook(Kind kind, const QStyleOption& option, QRect rect, Members given, States states,
                  QPainter* painter, const QWidget* widget) const;
    QSize ButtonSize(Kind kind, const QStyleOption& option, QSize fusion, const QString& text,
                     const QWidget* widget) const;
    QSize CheckSize(const QStyleOption& option, QSize fusion, const QString& text) const;
    QSize BarSize(const QStyleOption& option, QSize fusion, const QWidget* widget) const;

    Settings settings_;
    // The looks parsed so far, by kind and the widget's property text.
    mutable QMutex lock_;
    mutable std::map<std::pair<Kind, QString>, Look> looks_;
};

} // namespace nk::qt::style
