// Seeded mutation of what reaches the widgets from outside: Designer forms edited at random
// and loaded through QUiLoader with the kit's plugin, and every property of every class set
// to random values of every kind. A fixed seed and a fixed number of rounds make each run
// the same; whatever comes in, nothing crashes and every widget still paints, answers its
// size hint and takes a good value afterwards.
#include "qt/widgets.h"
#include "qt_fixture.h"

#include <QBuffer>
#include <QColor>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QMetaProperty>
#include <QPixmap>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <vector>

namespace nk::qt::testing {
namespace {

// Random edits and values from a fixed seed (the generator's own sequence, the same on
// every platform).
class Mutator {
public:
    explicit Mutator(std::uint32_t seed) : state_(seed ? seed : 1) {}

    // A number in [0, n).
    std::size_t Below(std::size_t n) { return n ? Next() % n : 0; }
    bool OneIn(std::size_t n) { return Below(n) == 0; }

    // A few edits of `text`: bytes changed, removed, repeated, and words of `dictionary`
    // put in.
    QByteArray Mutate(QByteArray text, const std::vector<QByteArray>& dictionary) {
        const std::size_t edits = 1 + Below(4);
        for (std::size_t e = 0; e < edits; ++e)
            Edit(text, dictionary);
        return text;
    }

    // A value of any kind Qt properties take, extremes and nonsense included.
    QVariant AnyValue() {
        switch (Below(10)) {
        case 0:
            return {};
        case 1:
            return OneIn(2);
        case 2:
            return static_cast<qlonglong>(Int());
        case 3:
            return Real();
        case 4:
            return String();
        case 5:
            return Color();
        case 6:
            return Pixmap();
        case 7:
            return QByteArray(static_cast<int>(Below(64)), static_cast<char>(Below(256)));
        case 8:
            return QFont(String(), static_cast<int>(Int() % 2000));
        default:
            return QSize(static_cast<int>(Int()), static_cast<int>(Int()));
        }
    }

    // A value for a property of type `type`, mostly of that type.
    QVariant ValueFor(int type) {
        if (OneIn(4)) return AnyValue();
        switch (type) {
        case QMetaType::Bool:
            return OneIn(2);
        case QMetaType::Int:
            return static_cast<int>(Int());
        case QMetaType::Float:
        case QMetaType::Double:
            return Real();
        case QMetaType::QString:
            return String();
        case QMetaType::QColor:
            return Color();
        case QMetaType::QPixmap:
            return Pixmap();
        default:
            return static_cast<int>(Int()); // enumerations, in range or not
        }
    }

private:
    std::uint32_t Next() { // xorshift32
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return state_;
    }

    // Most edits change what an element holds, so that most forms still parse and the
    // widgets see the values; the rest change the bytes of the markup itself.
    void Edit(QByteArray& text, const std::vector<QByteArray>& dictionary) {
        const auto at = static_cast<qsizetype>(Below(static_cast<std::size_t>(text.size()) + 1));
        const auto span = static_cast<qsizetype>(1 + Below(16));
        switch (Below(8)) {
        case 0:
            if (at < text.size()) text[at] = static_cast<char>(Below(256));
            break;
        case 1:
            text.remove(at, span);
            break;
        case 2:
            text.insert(at, text.mid(at, span));
            break;
        case 3:
            if (!dictionary.empty()) text.insert(at, dictionary[Below(dictionary.size())]);
            break;
        default:
            ReplaceContent(text, at, dictionary);
        }
    }

    // The text of the first element that holds only text, from `at` on, replaced by a
    // number, a word of the dictionary or a long run of letters or marks.
    void ReplaceContent(QByteArray& text, qsizetype at, const std::vector<QByteArray>& dictionary) {
        for (qsizetype open = text.indexOf('>', at); open >= 0;
             open = text.indexOf('>', open + 1)) {
            const qsizetype close = text.indexOf('<', open + 1);
            if (close < 0) return;
            if (close == open + 1 || text.mid(open + 1, close - open - 1).trimmed().isEmpty())
                continue;
            QByteArray value;
            switch (Below(4)) {
            case 0:
                value = QByteArray::number(static_cast<qlonglong>(Int()));
                break;
            case 1:
                value = QByteArray::number(Real());
                break;
            case 2:
                value = dictionary.empty() ? QByteArray() : dictionary[Below(dictionary.size())];
                break;
            default:
                value = OneIn(2) ? QByteArray(20000, 'M')
                                 : "a" + QByteArray("\xCC\x81").repeated(20000);
            }
            text.replace(open + 1, close - open - 1, value);
            return;
        }
    }

    std::int64_t Int() {
        static constexpr std::int64_t kEdges[] = {0,
                                                  -1,
                                                  1,
                                                  255,
                                                  256,
                                                  32767,
                                                  32768,
                                                  65535,
                                                  16777215,
                                                  std::numeric_limits<int>::max(),
                                                  std::numeric_limits<int>::min()};
        if (OneIn(2)) return kEdges[Below(std::size(kEdges))];
        return static_cast<std::int32_t>(Next());
    }

    double Real() {
        static constexpr double kEdges[] = {0.0,
                                            -0.0,
                                            0.5,
                                            -1.0,
                                            1e-300,
                                            1e300,
                                            -1e300,
                                            3.5e38,
                                            std::numeric_limits<double>::infinity(),
                                            -std::numeric_limits<double>::infinity(),
                                            std::numeric_limits<double>::quiet_NaN()};
        if (OneIn(2)) return kEdges[Below(std::size(kEdges))];
        return static_cast<double>(static_cast<std::int32_t>(Next())) / 64.0;
    }

    QString String() {
        switch (Below(6)) {
        case 0:
            return {};
        case 1:
            return QString(static_cast<qsizetype>(100000), QChar(u'W'));
        case 2:
            return QStringLiteral("a") + QString(static_cast<qsizetype>(60000), QChar(0x0301));
        case 3:
            return QString::fromUtf8("&&&\r\n\t\xD8\xB4\xE0\xA4\xA8\xE4\xB8\xAD&");
        case 4:
            return QString(QChar(static_cast<char16_t>(0xD800 + Below(0x800)))); // lone half
        default:
            return QString::number(Int());
        }
    }

    QColor Color() {
        if (OneIn(4)) return {}; // not a colour
        return QColor::fromRgba(Next());
    }

    // Pictures up to the side limit and one beyond it; long and thin, so that they stay small.
    QPixmap Pixmap() {
        static constexpr QSize kSizes[] = {{0, 0},
                                           {1, 1},
                                           {40, 30},
                                           {kMaxPictureSide, 2},
                                           {2, kMaxPictureSide},
                                           {kMaxPictureSide + 1, 1},
                                           {1, kMaxPictureSide + 1}};
        const QSize size = kSizes[Below(std::size(kSizes))];
        if (size.isEmpty()) return {};
        QPixmap p(size);
        p.fill(QColor::fromRgba(Next()));
        return p;
    }

    std::uint32_t state_;
};

// Whether a widget is still usable: it answers its size hints, paints at its size, and takes
// and keeps a plain value.
void ExpectUsable(ControlWidget& w) {
    SCOPED_TRACE(w.metaObject()->className());
    EXPECT_TRUE(w.hasControl()) << w.error().toStdString();
    EXPECT_TRUE(w.sizeHint().isValid());
    EXPECT_GE(w.minimumSizeHint().width(), -1);
    const QImage shown = w.grab().toImage();
    EXPECT_FALSE(shown.isNull());
    EXPECT_EQ(shown.size(), w.size() * shown.devicePixelRatio());
    // The first of these the class has.
    const std::pair<const char*, QVariant> plain[] = {
        {"caption", QStringLiteral("OK")}, {"foreColor", QColor(Qt::blue)}, {"borderStyle", 1}};
    for (const auto& [name, good] : plain) {
        if (w.metaObject()->indexOfProperty(name) < 0) continue;
        EXPECT_TRUE(w.setProperty(name, good)) << name;
        EXPECT_EQ(w.property(name), good) << name;
        return;
    }
    ADD_FAILURE() << "no plain property to set";
}

// Qt's messages held back while a test sends the widgets refused values by the hundred.
class QuietMessages {
public:
    QuietMessages() : previous_(qInstallMessageHandler(&Drop)) {}
    ~QuietMessages() { qInstallMessageHandler(previous_); }
    QuietMessages(const QuietMessages&) = delete;
    QuietMessages& operator=(const QuietMessages&) = delete;

private:
    static void Drop(QtMsgType, const QMessageLogContext&, const QString&) {}
    QtMessageHandler previous_;
};

using Factory = std::function<std::unique_ptr<ControlWidget>()>;

template <class W> Factory Make() {
    return [] { return std::make_unique<W>(); };
}

// The properties a class declares itself, which reach its control.
std::vector<QMetaProperty> OwnProperties(const QObject& o) {
    std::vector<QMetaProperty> props;
    const QMetaObject* meta = o.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i)
        if (meta->property(i).isWritable()) props.push_back(meta->property(i));
    return props;
}

TEST(QtMutation, EveryPropertyTakesAnyValueAndTheWidgetStaysUsable) {
    const std::vector<Factory> classes = {
        Make<NuvelCommand>(), Make<NuvelHCommand>(), Make<NuvelSphere>(), Make<NuvelCheck>(),
        Make<NuvelScreen>(),  Make<NuvelFill>(),     Make<NuvelPad>()};
    constexpr int kRounds = 150;
    Mutator m(20261209);
    const QuietMessages quiet;
    for (const Factory& make : classes) {
        std::unique_ptr<ControlWidget> w = make();
        w->setGeometry(0, 0, 120, 40);
        const std::vector<QMetaProperty> props = OwnProperties(*w);
        ASSERT_FALSE(props.empty()) << w->metaObject()->className();
        for (int round = 0; round < kRounds; ++round) {
            const QMetaProperty& p = props[m.Below(props.size())];
            w->setProperty(p.name(), m.ValueFor(p.metaType().id()));
            w->property(p.name()); // reading back must not fail either
            if (m.OneIn(20))
                w->resize(static_cast<int>(m.Below(300)), static_cast<int>(m.Below(120)));
            if (m.OneIn(10)) {
                w->resize(120, 40);
                ExpectUsable(*w);
            }
        }
        w->resize(120, 40);
        ExpectUsable(*w);
    }
}

#if defined(NK_DESIGNER_PLUGIN) && defined(NK_DESIGNER_FORM)
}
} // namespace nk::qt::testing
#include <QUiLoader>
namespace nk::qt::testing {
namespace {

// The plugin's widgets: the plugin has its own copy of the widget classes' meta-objects, so
// they are found by their C++ type.
std::vector<ControlWidget*> Controls(QWidget& form) {
    std::vector<ControlWidget*> found;
    for (QWidget* w : form.findChildren<QWidget*>())
        if (auto* c = dynamic_cast<ControlWidget*>(w)) found.push_back(c);
    return found;
}

std::unique_ptr<QWidget> Load(const QByteArray& text) {
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QFileInfo(QStringLiteral(NK_DESIGNER_PLUGIN)).absolutePath());
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    return std::unique_ptr<QWidget>(loader.load(&buffer));
}

// Words of the form's language and values that test the widgets' limits.
std::vector<QByteArray> FormWords() {
    return {"<property name=\"caption\"><string>",
            "</string></property>",
            "<number>",
            "</number>",
            "<bool>true</bool>",
            "<width>16777215</width>",
            "<height>100000</height>",
            "<x>-2147483648</x>",
            "<double>nan</double>",
            "<enum>99</enum>",
            "<widget class=\"nk::qt::NuvelSphere\" name=\"s\">",
            "<widget class=\"nk::qt::NuvelFill\" name=\"f\"></widget>",
            "</widget>",
            "<pixmap>/no/such.png</pixmap>",
            "&amp;&amp;",
            "\xCC\x81\xCC\x81\xCC\x81",
            "&#xD800;",
            "<color><red>999</red></color>"};
}

TEST(QtMutation, MutatedDesignerFormsLoadOrFailAndWhatLoadsStaysUsable) {
    QFile file(QStringLiteral(NK_DESIGNER_FORM));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << NK_DESIGNER_FORM;
    const QByteArray seed = file.readAll();
    {
        const auto form = Load(seed);
        ASSERT_NE(form, nullptr);
        ASSERT_EQ(Controls(*form).size(), 7u);
    }
    const std::vector<QByteArray> words = FormWords();
    constexpr int kRounds = 120;
    Mutator m(7);
    const QuietMessages quiet;
    int loaded = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        const auto form = Load(m.Mutate(seed, words));
        if (!form) continue;
        ++loaded;
        for (ControlWidget* w : Controls(*form)) {
            // A form may ask for any size; the widget is checked at a size it can paint.
            w->resize(std::clamp(w->width(), 1, 400), std::clamp(w->height(), 1, 300));
            ExpectUsable(*w);
        }
    }
    // Most edits leave a form that loads: the loop tested widgets, not only the parser.
    EXPECT_GT(loaded, kRounds / 4);
}

#endif

} // namespace
} // namespace nk::qt::testing
