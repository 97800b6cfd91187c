#include "platform/CommonDialog.h"

#include "tests/Doubles.h"

#include <gtest/gtest.h>

using namespace tamsoret;
using namespace tamsoret::test;

TEST(CommonDialog, TheFontDialogShowsTheResolvedFamilyAndAnUnchangedFamilyKeepsItsStoredName)
{
    const QString courier = QStringLiteral("Courier New");
    const QString mono = ResolvedFamily(courier);
    const QString serif = QStringLiteral("DejaVu Serif");
    const struct {
        ListingFont current;
        ListingFont chosen;
        ListingFont confirmed;
        float shownSize;
    } cases[] = {
        {{courier, 10.0f}, {mono, 10.0f}, {courier, 10.0f}, 10.0f},
        {{courier, 10.0f}, {mono.toUpper(), 12.0f}, {courier, 12.0f}, 10.0f},
        {{courier, 10.0f}, {serif, 10.0f}, {serif, 10.0f}, 10.0f},
        // The dialog has whole sizes only: a stored 10.5 stays unless another size is picked.
        {{serif, 10.5f}, {serif, 11.0f}, {serif, 10.5f}, 11.0f},
        {{courier, 9.25f}, {serif, 10.0f}, {serif, 10.0f}, 9.0f},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.chosen.name.toStdString());
        FakeDialogs dialogs;
        dialogs.font = c.chosen;
        CommonDialog CD{dialogs};
        CD.Font = c.current;
        ASSERT_TRUE(CD.ShowFont(nullptr));
        EXPECT_EQ(dialogs.fontShownWith.name, ResolvedFamily(c.current.name));
        EXPECT_EQ(dialogs.fontShownWith.size, c.shownSize);
        EXPECT_EQ(CD.Font.name, c.confirmed.name);
        EXPECT_EQ(CD.Font.size, c.confirmed.size);
    }
}
