// The style plugin: QStyleFactory::create("nuvelkit"), `app -style nuvelkit`.
#include "qt/style/nuvel_style.h"

#include <QStylePlugin>

namespace nk::qt::style {

class NuvelStylePlugin : public QStylePlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QStyleFactoryInterface_iid FILE "nuvelkit.json")
public:
    QStyle* create(const QString& key) override {
        return key.compare(QLatin1String("nuvelkit"), Qt::CaseInsensitive) == 0 ? new NuvelStyle
                                                                                : nullptr;
    }
};

} // namespace nk::qt::style

#include "plugin.moc"
