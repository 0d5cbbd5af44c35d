#include "qt/member_help.h"

#include "framework/interface_table.h"
#include "qt/kit.h"

namespace nk::qt {

const PropertyInfo* memberOf(const InterfaceTable& table, const QString& property) {
    // Widget properties are the members' names with a lower-case start, or with "nuvel" in
    // front where the name is QWidget's.
    const QString bare =
        property.startsWith(QLatin1String("nuvel")) && property.size() > 5 && property[5].isUpper()
            ? property.mid(5)
            : QString();
    for (const PropertyInfo& p : table.properties) {
        const QString name = fromUtf8(p.name);
        if (name.compare(property, Qt::CaseInsensitive) == 0 ||
            (!bare.isEmpty() && name.compare(bare, Qt::CaseInsensitive) == 0))
            return &p;
    }
    return nullptr;
}

QString memberHelp(const InterfaceTable& table, const QString& property) {
    const PropertyInfo* p = memberOf(table, property);
    return p ? fromUtf8(p->help) : QString();
}

} // namespace nk::qt
