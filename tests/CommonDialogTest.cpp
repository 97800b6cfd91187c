#include "platform/CommonDialog.h"

#include "tests/Doubles.h"

#include <gtest/gtest.h>

using namespace tamsoret;

TEST(CommonDialog, TheFontDialogShowsWhatPrintsAndWhatIsLeftAsShownKeepsTheStoredValue)
{
    const QString courier = QStringLiteral("Courier New"), mono = ResolvedFamily(courier),
                  serif = QStringLiteral("DejaVu Serif");
    const struct {
        ListingFont current, shown, chosen, confirmed;
    } cases[] = {
        {{courier, 10.0f}, {mono, 10.0f}, {mono, 10.0f}, {courier, 10.0f}},
        {{courier, 10.0f}, {mono, 10.0f}, {mono.toUpper(), 12.0f}, {courier, 12.0f}},
        {{courier, 9.25f}, {mono, 9.0f}, {serif, 10.0f}, {serif, 10.0f}},
        // Whole sizes only: a stored 10.5 shows as 11 and stays unless another size is picked.
        {{courier, 10.5f}, {mono, 11.0f}, {serif, 11.0f}, {serif, 10.5f}},
    };
    for (const auto &c : cases) {
        test::FakeDialogs dialogs;
        dialogs.font = c.chosen;
        CommonDialog CD{dialogs};
        CD.Font = c.current;
        ASSERT_TRUE(CD.ShowFont(nullptr));
        EXPECT_EQ(dialogs.fontShownWith.name + u' ' + QString::number(dialogs.fontShownWith.size),
                  c.shown.name + u' ' + QString::number(c.shown.size));
        EXPECT_EQ(CD.Font.name + u' ' + QString::number(CD.Font.size),
                  c.confirmed.name + u' ' + QString::number(c.confirmed.size));
    }
}
