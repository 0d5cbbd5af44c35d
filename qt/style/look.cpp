#include "qt/style/look.h"

#include "qt/kit.h"

#include <QColor>
#include <QFile>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

namespace nk::qt::style {

namespace {

struct KindInfo {
    Kind kind;
    const char* qtClass;
    // The controls that may draw the kind, the first by default.
    std::array<const char*, 2> classes;
};

constexpr KindInfo kKindInfo[kKinds] = {
    {Kind::PushButton, "QPushButton", {"NuvelCommand", "NuvelHCommand"}},
    {Kind::ToolButton, "QToolButton", {"NuvelCommand", "NuvelHCommand"}},
    {Kind::CheckBox, "QCheckBox", {"NuvelCheck", nullptr}},
    {Kind::RadioButton, "QRadioButton", {"NuvelCheck", nullptr}},
    {Kind::ProgressBar, "QProgressBar", {"NuvelFill", nullptr}},
    {Kind::Frame, "QFrame", {"NuvelScreen", nullptr}},
    {Kind::GroupBox, "QGroupBox", {"NuvelScreen", nullptr}},
};

// The style's own choices, before any look: the buttons and check boxes show the focus as
// their Qt widgets do, and NuvelCommand shows its hover look.
struct ClassDefaults {
    const char* className;
    const char* look;
};
constexpr ClassDefaults kClassDefaults[] = {
    {"NuvelCommand", "ShowFocus=True; CoolButton=True"},
    {"NuvelHCommand", "ShowFocus=True"},
    {"NuvelCheck", "ShowFocus=True"},
};

const KindInfo& InfoOf(Kind kind) {
    return kKindInfo[static_cast<std::size_t>(kind)];
}

// The value text as the member's type takes it: one of its enumeration's names, a colour
// (#RRGGBB, as an OLE colour 0x00BBGGRR), True or False, a number, or the text itself.
std::optional<Variant> ValueOf(const PropertyInfo& p, const QString& text) {
    if (p.enumeration)
        for (const EnumMember& m : p.enumeration->members)
            if (SameName(m.name, text.toStdString())) return Variant::Long(m.value);
    Variant v = Variant::String(text.toStdString());
    if (text.startsWith('#') && QColor::isValidColorName(text))
        v = Variant::Double(colorFromQt(QColor::fromString(text)));
    else if (text.compare("True", Qt::CaseInsensitive) == 0)
        v = Variant::Boolean(kTrue);
    else if (text.compare("False", Qt::CaseInsensitive) == 0)
        v = Variant::Boolean(kFalse);
    else if (bool number = false; text.toDouble(&number), number)
        v = Variant::Double(text.toDouble());
    else if (p.type != ValueType::String && p.type != ValueType::Variant)
        return std::nullopt; // text for a member that takes no text
    return ConvertTo(p.type, v);
}

void Put(Members& members, std::string name, Variant value) {
    const auto same = [&](const auto& m) { return SameName(m.first, name); };
    members.erase(std::remove_if(members.begin(), members.end(), same), members.end());
    members.emplace_back(std::move(name), std::move(value));
}

// The pairs of one layer, in the order written; `Class` is taken apart.
std::vector<std::pair<QString, QString>> Pairs(const QString& text, QString& className,
                                               std::vector<QString>& problems) {
    std::vector<std::pair<QString, QString>> pairs;
    for (const QString& part : text.split(';', Qt::SkipEmptyParts)) {
        const QString item = part.trimmed();
        if (item.isEmpty()) continue;
        const qsizetype eq = item.indexOf('=');
        if (eq <= 0) {
            problems.push_back(QStringLiteral("\"%1\": not Member=Value").arg(item));
            continue;
        }
        const QString key = item.left(eq).trimmed(), value = item.mid(eq + 1).trimmed();
        if (key.compare("Class", Qt::CaseInsensitive) == 0)
            className = value;
        else
            pairs.emplace_back(key, value);
    }
    return pairs;
}

} // namespace

const char* QtClassOf(Kind kind) {
    return InfoOf(kind).qtClass;
}

std::optional<Kind> KindOf(const QString& qtClass) {
    for (const KindInfo& k : kKindInfo)
        if (qtClass == QLatin1String(k.qtClass)) return k.kind;
    return std::nullopt;
}

QString DefaultLook(const QString& className) {
    for (const ClassDefaults& d : kClassDefaults)
        if (className.compare(QLatin1String(d.className), Qt::CaseInsensitive) == 0)
            return QLatin1String(d.look);
    return {};
}

Look ParseLook(Kind kind, const std::vector<QString>& layers, std::vector<QString>& problems) {
    const KindInfo& info = InfoOf(kind);
    Look look;
    QString className = QLatin1String(info.classes[0]);
    std::vector<std::pair<QString, QString>> pairs;
    for (const QString& layer : layers) {
        if (layer.trimmed().compare("none", Qt::CaseInsensitive) == 0) {
            look.drawn = false;
            return look;
        }
        for (auto& pair : Pairs(layer, className, problems))
            pairs.push_back(std::move(pair));
    }
    // The class as the kit names it, in any letter case.
    const auto allowed = std::find_if(info.classes.begin(), info.classes.end(), [&](const char* c) {
        return c && className.compare(QLatin1String(c), Qt::CaseInsensitive) == 0;
    });
    if (allowed != info.classes.end()) {
        className = QLatin1String(*allowed);
    } else {
        problems.push_back(QStringLiteral("Class=%1: a %2 is drawn as %3")
                               .arg(className, QLatin1String(info.qtClass),
                                    QLatin1String(info.classes[1] ? "NuvelCommand or NuvelHCommand"
                                                                  : info.classes[0])));
        className = QLatin1String(info.classes[0]);
    }
    // The class's defaults go first, so that every layer wins over them.
    QString unused;
    std::vector<std::pair<QString, QString>> defaults =
        Pairs(DefaultLook(className), unused, problems);
    pairs.insert(pairs.begin(), defaults.begin(), defaults.end());
    QString why;
    look.table = findClass(className, &why);
    if (!look.table) {
        problems.push_back(QStringLiteral("Class=%1: %2").arg(className, why));
        look.drawn = false;
        return look;
    }
    for (const auto& [key, value] : pairs) {
        const PropertyInfo* p = look.table->FindProperty(key.toStdString());
        if (!p || !p->set) {
            problems.push_back(QStringLiteral("%1: %2 has no such member")
                                   .arg(key, fromUtf8(look.table->className)));
            continue;
        }
        std::optional<Variant> v = ValueOf(*p, value);
        if (!v) {
            problems.push_back(QStringLiteral("%1=%2: not a value of %1").arg(key, value));
            continue;
        }
        Put(look.members, std::string(p->name), std::move(*v));
    }
    return look;
}

Settings ParseSettings(const QString& text, const QString& fileName, const QString& application) {
    Settings settings;
    // The application's own lines win over the general ones, wherever they stand.
    std::array<bool, kKinds> own{};
    const QStringList lines = text.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith('#')) continue;
        const auto problem = [&](const QString& what) {
            settings.problems.push_back(
                QStringLiteral("%1:%2: %3").arg(fileName).arg(i + 1).arg(what));
        };
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0) {
            problem(QStringLiteral("expected \"QPushButton = <look>\", found \"%1\"").arg(line));
            continue;
        }
        QString target = line.left(eq).trimmed();
        const qsizetype slash = target.indexOf('/');
        const bool forApp = slash >= 0;
        if (forApp && target.left(slash) != application) continue;
        if (forApp) target = target.mid(slash + 1);
        const std::optional<Kind> kind = KindOf(target);
        if (!kind) {
            problem(QStringLiteral("\"%1\" is no widget the style draws (QPushButton, QToolButton, "
                                   "QCheckBox, QRadioButton, QProgressBar, QFrame, QGroupBox)")
                        .arg(target));
            continue;
        }
        const std::size_t at = static_cast<std::size_t>(*kind);
        if (own[at] && !forApp) continue;
        own[at] = own[at] || forApp;
        settings.looks[at] = line.mid(eq + 1).trimmed();
        // The look's own problems show now, with the line, rather than at the first paint.
        std::vector<QString> problems;
        ParseLook(*kind, {settings.looks[at]}, problems);
        for (const QString& p : problems)
            problem(p);
    }
    return settings;
}

QString SettingsFile() {
    const QString given = qEnvironmentVariable("NUVELKIT_STYLE_SETTINGS");
    if (!given.isEmpty()) return given;
    return QStandardPaths::locate(QStandardPaths::GenericConfigLocation,
                                  QStringLiteral("nuvelkit/style.conf"));
}

Settings LoadSettings(const QString& path, const QString& application) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        Settings none;
        none.problems.push_back(
            QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString()));
        return none;
    }
    return ParseSettings(QString::fromUtf8(file.readAll()), path, application);
}

} // namespace nk::qt::style
