// What widgets share instead of each holding a copy: the pictures of one pixmap given to
// many of them, and the built-in pictures of their class.
#include "framework/variant.h"
#include "host/forms/form.h"
#include "qt/widgets.h"

#include <QPainter>
#include <QPixmap>
#include <gtest/gtest.h>

namespace nk::qt::testing {
namespace {

const Image* PictureOf(ControlWidget& w, std::string_view member) {
    const std::optional<Variant> v = w.member(member);
    return v && v->kind() == VariantKind::Picture && HasImage(v->picture()) ? v->picture()->image()
                                                                            : nullptr;
}

TEST(QtSharing, OnePixmapGivenToManyWidgetsIsOnePictureUntilItChanges) {
    QPixmap pixmap(40, 20);
    pixmap.fill(Qt::red);
    NuvelCommand a, b;
    a.setPictureNormal(pixmap);
    b.setPictureNormal(pixmap);
    const Image* first = PictureOf(a, "PictureNormal");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(PictureOf(b, "PictureNormal"), first);
    EXPECT_EQ(first->At(3, 3), 0xFFFF0000u);

    // Painted on, the pixmap is another picture: the widget given it now shows the change, the
    // other keeps what it was given.
    {
        QPainter p(&pixmap);
        p.fillRect(0, 0, 40, 20, Qt::blue);
    }
    b.setPictureNormal(pixmap);
    const Image* changed = PictureOf(b, "PictureNormal");
    ASSERT_NE(changed, nullptr);
    EXPECT_NE(changed, first);
    EXPECT_EQ(changed->At(3, 3), 0xFF0000FFu);
    EXPECT_EQ(PictureOf(a, "PictureNormal")->At(3, 3), 0xFFFF0000u);
}

TEST(QtSharing, WidgetsOfAClassShareItsBuiltInPictures) {
    NuvelCommand a, b;
    ASSERT_TRUE(a.formControl() && b.formControl());
    const Picture one = a.formControl()->host().LoadResPicture(101);
    const Picture two = b.formControl()->host().LoadResPicture(101);
    ASSERT_TRUE(HasImage(one));
    EXPECT_EQ(one->image(), two->image());
}

} // namespace
} // namespace nk::qt::testing
