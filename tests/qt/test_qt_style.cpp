// The nuvelkit style: stock Qt widgets under it show the kit's control in the widget's state,
// pixel for pixel against the kit's own headless drawing; their sizes fit the artwork; looks
// come from the widget's property and the settings file; the plugin is found by name.
#include "qt_fixture.h"

#include "host/hosts/compose.h"
#include "qt/size_rules.h"
#include "qt/style/nuvel_style.h"

#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QToolButton>

#include <algorithm>
#include <functional>

namespace nk::qt::testing {
namespace {

using style::NuvelStyle;

// How a test puts a widget into a state, and the same state in the kit's input rules.
struct StateCase {
    const char* name;
    std::function<void(QAbstractButton&)> apply;
    bool hover, press, focus, disabled, checked;
};

const StateCase kStates[] = {
    {"normal", [](QAbstractButton&) {}, false, false, false, false, false},
    {"hover", [](QAbstractButton& b) { MoveTo(b, b.rect().center()); }, true, false, false, false,
     false},
    {"pressed", [](QAbstractButton& b) { b.setFocus(), b.setDown(true); }, false, true, true, false,
     false},
    {"focused", [](QAbstractButton& b) { b.setFocus(); }, false, false, true, false, false},
    {"disabled", [](QAbstractButton& b) { b.setEnabled(false); }, false, false, false, true, false},
    {"checked", [](QAbstractButton& b) { b.setCheckable(true), b.setChecked(true); }, false, false,
     false, false, true},
};

// The kit's own drawing of a control of `className` with `members`, in the case's state.
Image Headless(const char* className, const QWidget& w,
               const std::vector<std::pair<std::string, Variant>>& members, const StateCase& s,
               QSize size = {}) {
    if (size.isEmpty()) size = w.size();
    const InterfaceTable* table = findClass(QLatin1String(className));
    FormSettings settings;
    settings.font = fontFromQt(w.font());
    Form form(std::span<const InterfaceTable* const>(&table, 1), settings);
    form.SetScale(NearestDeviceScale(w.devicePixelRatioF()));
    FormControl* c =
        form.Add(className, std::string(className) + "1", 0, 0, size.width(), size.height());
    for (const auto& [m, v] : members)
        c->Set(m, v);
    c->SetSize(size.width(), size.height()); // as the orientation allows
    // A push button that is on shows pressed; a check box shows its check.
    const bool isCheck = std::string_view(className) == "NuvelCheck";
    if (s.checked && isCheck) c->Set("Value", Variant::Long(1));
    FormInput input(form);
    const double x = size.width() / 2.0, y = size.height() / 2.0;
    if (s.disabled) c->Set("Enabled", Variant::Boolean(kFalse));
    if (s.focus) input.Focus(c);
    if (s.hover || s.press || (s.checked && !isCheck)) input.MouseMove(0, 0, x, y);
    if (s.press || (s.checked && !isCheck)) input.MouseDown(kLeftButton, 0, x, y);
    return Compose(c->host());
}

Variant Text(const char* s) {
    return Variant::String(s);
}

struct Styled {
    std::unique_ptr<QWidget> form = ShownForm(300, 200);
    NuvelStyle style{style::Settings{}};
    template <class W> W* Add(W* w, QSize size) {
        w->setStyle(&style);
        w->setGeometry(QRect(QPoint(20, 20), size));
        return w;
    }
};

TEST(QtStyle, StockButtonsShowTheKitsControlInEveryState) {
    for (const StateCase& s : kStates) {
        SCOPED_TRACE(s.name);
        Styled ui;
        auto* push = ui.Add(new QPushButton("OK", ui.form.get()), {120, 40});
        auto* check = ui.Add(new QCheckBox("Check me", ui.form.get()), {140, 28});
        check->move(20, 100);
        auto* radio = ui.Add(new QRadioButton("Pick me", ui.form.get()), {140, 28});
        radio->move(160, 100);
        ASSERT_TRUE(Show(*ui.form));
        // The offscreen window hears of the pointer from the third move on.
        for (int i = 0; i < 2; ++i)
            MoveTo(*ui.form, QPoint(i, 1));
        for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{push, check, radio}) {
            SCOPED_TRACE(b->metaObject()->className());
            b->clearFocus(); // the window's first widget has it once shown
            s.apply(*b);
            const bool isPush = b == push;
            std::vector<std::pair<std::string, Variant>> members;
            if (!isPush)
                for (const auto& [m, v] : paletteDefaults("NuvelCheck", b->palette()))
                    members.emplace_back(std::string(m), v);
            members.emplace_back("ShowFocus", Variant::Boolean(kTrue));
            if (isPush) members.emplace_back("CoolButton", Variant::Boolean(kTrue));
            members.emplace_back("Caption", Variant::String(b->text().toStdString()));
            std::string where;
            EXPECT_EQ(Differences(*b,
                                  Headless(isPush ? "NuvelCommand" : "NuvelCheck", *b, members, s),
                                  &where),
                      0)
                << where;
            if (s.press) b->setDown(false);
        }
    }
}

TEST(QtStyle, AProgressBarIsANuvelFillInEitherOrientation) {
    for (const Qt::Orientation o : {Qt::Horizontal, Qt::Vertical}) {
        Styled ui;
        auto* bar = ui.Add(new QProgressBar(ui.form.get()), {160, 24});
        bar->setOrientation(o);
        bar->setRange(0, 200);
        bar->setValue(84);
        bar->resize(bar->sizeHint());
        ASSERT_TRUE(Show(*ui.form));
        std::vector<std::pair<std::string, Variant>> members;
        for (const auto& [m, v] : paletteDefaults("NuvelFill", bar->palette()))
            members.emplace_back(std::string(m), v);
        members.emplace_back("FillOrientation", Variant::Long(o == Qt::Vertical ? 1 : 0));
        members.emplace_back("Value", Variant::Double(42));
        members.emplace_back("Caption", Text(o == Qt::Vertical ? "" : "42%"));
        std::string where;
        EXPECT_EQ(Differences(*bar, Headless("NuvelFill", *bar, members, kStates[0]), &where), 0)
            << where;
        // The bar's thickness is the control's own.
        const InterfaceTable* fill = findClass("NuvelFill");
        const SizeRules rules =
            FindSizeRules(*fill, {{"FillOrientation", Variant::Long(o == Qt::Vertical ? 1 : 0)}},
                          fontFromQt(bar->font()));
        const bool horizontal = o == Qt::Horizontal;
        EXPECT_TRUE(horizontal ? rules.fixedHeight : rules.fixedWidth);
        EXPECT_EQ(horizontal ? bar->sizeHint().height() : bar->sizeHint().width(),
                  horizontal ? rules.least.height() : rules.least.width());
    }
}

TEST(QtStyle, AToolButtonIsACommandAndFramesThatAskAreScreens) {
    Styled ui;
    auto* tool = ui.Add(new QToolButton(ui.form.get()), {90, 30});
    tool->setText("Tool");
    auto* frame = ui.Add(new QFrame(ui.form.get()), {120, 80});
    frame->move(20, 80);
    frame->setFrameShape(QFrame::Box);
    frame->setProperty(style::kLookProperty, "ScreenType=1");
    auto* plain = ui.Add(new QFrame(ui.form.get()), {60, 60});
    plain->move(200, 80);
    plain->setFrameShape(QFrame::Box);
    ASSERT_TRUE(Show(*ui.form));
    tool->clearFocus();
    std::string where;
    EXPECT_EQ(Differences(*tool,
                          Headless("NuvelCommand", *tool,
                                   {{"ShowFocus", Variant::Boolean(kTrue)},
                                    {"CoolButton", Variant::Boolean(kTrue)},
                                    {"Caption", Text("Tool")}},
                                   kStates[0]),
                          &where),
              0)
        << where;
    EXPECT_EQ(
        Differences(*frame,
                    Headless("NuvelScreen", *frame, {{"ScreenType", Variant::Long(1)}}, kStates[0]),
                    &where),
        0)
        << where;
    // A group box that asks: the screen in its frame, below the title Fusion draws.
    auto* group = ui.Add(new QGroupBox("Group", ui.form.get()), {120, 90});
    group->move(160, 0);
    group->setProperty(style::kLookProperty, "ScreenType=NKBlueScreen");
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect box =
        ui.style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxFrame, group);
    const int below =
        ui.style.subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group)
            .bottom() +
        1;
    const Image screen =
        Headless("NuvelScreen", *group, {{"ScreenType", Variant::Long(2)}}, kStates[0], box.size());
    const QImage shown = group->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const double ratio = shown.devicePixelRatio();
    int differ = 0;
    for (int y = static_cast<int>((below - box.top()) * ratio); y < screen.height; ++y)
        for (int x = 0; x < screen.width; ++x)
            differ += shown.pixel(static_cast<int>(box.left() * ratio) + x,
                                  static_cast<int>(box.top() * ratio) + y) != screen.At(x, y);
    EXPECT_EQ(differ, 0);
    EXPECT_LT(below - box.top(), box.height() / 2); // most of the screen is compared
    // A frame that does not ask stays Fusion's.
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    const QImage ours = plain->grab().toImage();
    plain->setStyle(fusion.get());
    EXPECT_EQ(ours, plain->grab().toImage());
}

TEST(QtStyle, SizeHintsFitTheArtwork) {
    Styled ui;
    QFontMetrics metrics(ui.form->font());
    auto* push = ui.Add(new QPushButton("A rather long caption", ui.form.get()), {10, 10});
    auto* check = ui.Add(new QCheckBox("Another caption", ui.form.get()), {10, 10});
    const QSize pushHint = push->sizeHint(), checkHint = check->sizeHint();
    const int text = metrics.horizontalAdvance(push->text());
    EXPECT_GE(pushHint.width(), text + pushHint.height());
    EXPECT_GE(pushHint.height(), metrics.height() + 7);
    EXPECT_GE(checkHint.width(), 30 + metrics.horizontalAdvance(check->text()) + 2);
    EXPECT_GE(checkHint.height(), 24);
    // A pill keeps its own size.
    push->setProperty(style::kLookProperty, "Class=NuvelHCommand");
    const SizeRules pill = FindSizeRules(*findClass("NuvelHCommand"), {}, fontFromQt(push->font()));
    EXPECT_TRUE(pill.fixedWidth && pill.fixedHeight);
    EXPECT_EQ(push->sizeHint(), pill.least);
}

TEST(QtStyle, TheLookPropertyChoosesTheControlAndItsMembers) {
    struct Case {
        const char* look;
        const char* className;
        std::vector<std::pair<std::string, Variant>> members;
    };
    const Case cases[] = {
        {"BackPicture=NKCyanWater",
         "NuvelCommand",
         {{"ShowFocus", Variant::Boolean(kTrue)},
          {"CoolButton", Variant::Boolean(kTrue)},
          {"BackPicture", Variant::Long(1)}}},
        {"Class=NuvelHCommand", "NuvelHCommand", {{"ShowFocus", Variant::Boolean(kTrue)}}},
        {"class=nuvelhcommand; ShowFocus=False; ForeColor=#FF0000",
         "NuvelHCommand",
         {{"ShowFocus", Variant::Boolean(kFalse)}, {"ForeColor", Variant::Long(0x0000FF)}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.look);
        Styled ui;
        auto* push = ui.Add(new QPushButton("Go", ui.form.get()), {100, 36});
        push->setProperty(style::kLookProperty, c.look);
        push->resize(push->sizeHint());
        ASSERT_TRUE(Show(*ui.form));
        push->clearFocus();
        auto members = c.members;
        members.emplace_back("Caption", Text("Go"));
        std::string where;
        EXPECT_EQ(Differences(*push, Headless(c.className, *push, members, kStates[0]), &where), 0)
            << where;
    }
    // "none" leaves the button to Fusion.
    Styled ui;
    auto* ours = ui.Add(new QPushButton("Go", ui.form.get()), {100, 36});
    ours->setProperty(style::kLookProperty, "none");
    std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    auto* theirs = new QPushButton("Go", ui.form.get());
    theirs->setStyle(fusion.get());
    theirs->setGeometry(20, 80, 100, 36);
    ASSERT_TRUE(Show(*ui.form));
    EXPECT_EQ(ours->grab().toImage(), theirs->grab().toImage());
}

TEST(QtStyle, LooksAndSettingsNameWhatIsWrong) {
    std::vector<QString> problems;
    const style::Look look =
        style::ParseLook(style::Kind::CheckBox,
                         {"Class=NuvelCommand; Colour=1; FocusType=Round; ShowFocus"}, problems);
    EXPECT_EQ(look.table, findClass("NuvelCheck")); // the kind's own control instead
    ASSERT_EQ(problems.size(), 4u);
    EXPECT_TRUE(problems[0].contains("ShowFocus")) << problems[0].toStdString();
    EXPECT_TRUE(problems[1].contains("QCheckBox is drawn as NuvelCheck"));
    EXPECT_TRUE(problems[2].contains("Colour: NuvelCheck has no such member"));
    EXPECT_TRUE(problems[3].contains("FocusType=Round"));

    const style::Settings s = style::ParseSettings("# looks\n"
                                                   "QPushButton = BackPicture=NKAuroraZone\n"
                                                   "demo/QPushButton = Class=NuvelHCommand\n"
                                                   "other/QCheckBox = NuvelCheckType=1\n"
                                                   "QSlider = Thing=1\n"
                                                   "QProgressBar\n"
                                                   "QFrame = ScreenType=Purple\n",
                                                   "style.conf", "demo");
    EXPECT_EQ(s.looks[0], "Class=NuvelHCommand"); // the application's own line wins
    EXPECT_TRUE(s.looks[2].isEmpty());
    ASSERT_EQ(s.problems.size(), 3u);
    EXPECT_TRUE(s.problems[0].startsWith("style.conf:5: \"QSlider\" is no widget"));
    EXPECT_TRUE(s.problems[1].startsWith("style.conf:6: expected"));
    EXPECT_TRUE(s.problems[2].startsWith("style.conf:7: ScreenType=Purple"));
    // The style made by name reads the file $NUVELKIT_STYLE_SETTINGS names.
    QTemporaryDir dir;
    QFile file(dir.filePath("style.conf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("QPushButton = BackPicture=NKAuroraZone\n");
    file.close();
    qputenv("NUVELKIT_STYLE_SETTINGS", file.fileName().toUtf8());
    const NuvelStyle fromFile;
    qunsetenv("NUVELKIT_STYLE_SETTINGS");
    const style::Members& members = fromFile.LookOf(style::Kind::PushButton, nullptr).members;
    EXPECT_TRUE(std::any_of(members.begin(), members.end(), [](const auto& m) {
        return m.first == "BackPicture" && m.second.ToLong() == std::optional<std::int32_t>(3);
    }));
    EXPECT_TRUE(style::LoadSettings("/nonexistent/style.conf", "demo")
                    .problems.at(0)
                    .startsWith("/nonexistent/style.conf: cannot be read"));
}

TEST(QtStyle, PicturesAreDrawnOncePerLookSizeStateAndScale) {
    Styled ui;
    auto* a = ui.Add(new QPushButton("Shared", ui.form.get()), {110, 34});
    auto* b = ui.Add(new QPushButton("Shared", ui.form.get()), {110, 34});
    b->move(20, 80);
    ASSERT_TRUE(Show(*ui.form));
    const std::size_t before = style::Counts().drawn;
    a->grab();
    b->grab();
    a->grab();
    EXPECT_EQ(style::Counts().drawn, before); // shown already: both from the cache
    b->resize(111, 34);
    b->grab();
    EXPECT_EQ(style::Counts().drawn, before + 1);
    EXPECT_LE(style::Counts().bytes, style::kCacheBytes);
}

TEST(QtStyle, ThePluginIsFoundByName) {
#ifdef NK_STYLE_PLUGIN_DIR
    QCoreApplication::addLibraryPath(NK_STYLE_PLUGIN_DIR);
    EXPECT_TRUE(QStyleFactory::keys().contains("nuvelkit", Qt::CaseInsensitive));
    std::unique_ptr<QStyle> made(QStyleFactory::create("nuvelkit"));
    ASSERT_NE(made, nullptr);
    EXPECT_STREQ(made->metaObject()->className(), "nk::qt::style::NuvelStyle");
    QPushButton push("OK");
    push.setStyle(made.get());
    EXPECT_GE(push.sizeHint().height(), QFontMetrics(push.font()).height() + 7);
#else
    GTEST_SKIP() << "built without the style plugin";
#endif
}

} // namespace
} // namespace nk::qt::testing
