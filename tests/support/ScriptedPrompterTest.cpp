#include "ScriptedPrompter.h"

#include "GTestSupport.h"

#include <QStringList>

using pelora::Prompter;
using pelora::test::ScriptedPrompter;

namespace {

TEST(ScriptedPrompter, AnswersExpectedPromptsInOrder) {
    QStringList failures;
    {
        ScriptedPrompter p([&](const QString& f) { failures << f; });
        p.expectWarning(QStringLiteral("Tab list is blank."))
            .expectConfirm(QStringLiteral("Close Pelora?"), true)
            .expectConfirmWithCancel(QStringLiteral("Save changes?"), Prompter::Answer::Cancel)
            .expectInput(QStringLiteral("Try manual password entry"), QStringLiteral("Enter Password"),
                         QStringLiteral("secret"))
            .expectColour(255u);
        p.warning(QStringLiteral("Tab list is blank."));
        EXPECT_TRUE(p.confirm(QStringLiteral("Close Pelora?")));
        EXPECT_EQ(p.confirmWithCancel(QStringLiteral("Save changes?")), Prompter::Answer::Cancel);
        EXPECT_EQ(p.inputText(QStringLiteral("Try manual password entry"),
                              QStringLiteral("Enter Password"), QString(), Prompter::Echo::Normal),
                  QStringLiteral("secret"));
        EXPECT_EQ(p.chooseColour(0), 255u);
        EXPECT_EQ(p.shown().size(), 5u);
    }
    EXPECT_TRUE(failures.isEmpty()) << failures.join(u'\n').toStdString();
}

TEST(ScriptedPrompter, ReportsWhatWasNotScripted) {
    QStringList failures;
    {
        ScriptedPrompter p([&](const QString& f) { failures << f; });
        p.expectInformation(QStringLiteral("First select a Tab."))
            .expectError(QStringLiteral("Cannot open QtyForm."));
        p.information(QStringLiteral("First select a tab.")); // another text
        p.warning(QStringLiteral("Qty not valid."));           // another kind
        EXPECT_FALSE(p.confirm(QStringLiteral("Delete?")));     // not expected at all: No
    }
    ASSERT_EQ(failures.size(), 3);
    EXPECT_TRUE(failures[0].contains(QStringLiteral("First select a tab.")));
    EXPECT_TRUE(failures[1].contains(QStringLiteral("Cannot open QtyForm.")));
    EXPECT_TRUE(failures[2].startsWith(QStringLiteral("Unexpected confirmation")));

    failures.clear();
    {
        ScriptedPrompter p([&](const QString& f) { failures << f; });
        p.expectInformation(QStringLiteral("Invalid input."));
    } // never shown
    ASSERT_EQ(failures.size(), 1);
    EXPECT_TRUE(failures[0].contains(QStringLiteral("never shown")));
}

} // namespace
