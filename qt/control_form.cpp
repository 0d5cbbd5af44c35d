#include "qt/control_form.h"

#include "host/surface/surface_canvas.h"
#include "qt/kit.h"

#include <span>

namespace nk::qt {

std::unique_ptr<Form> makeControlForm(const InterfaceTable* table, const QFont& font,
                                      double deviceRatio, const ContainerHooks& hooks,
                                      FormEventObserver observer) {
    FormSettings settings;
    settings.font = fontFromQt(font);
    settings.timerInterval = 0;
    auto form = std::make_unique<Form>(std::span<const InterfaceTable* const>(&table, 1), settings);
    form->SetScale(NearestDeviceScale(deviceRatio));
    form->SetHooks(hooks);
    form->SetObserver(std::move(observer));
    return form;
}

std::string displayNameOf(const QString& objectName, std::string_view className) {
    return objectName.isEmpty() ? std::string(className) + "1" : objectName.toStdString();
}

} // namespace nk::qt
