#include "spreadsheet/Application.h"
#include "core/Error.h"

#include <gtest/gtest.h>

using namespace spreadsheet;

TEST(Application, StartsInvisibleAndCountsWorkbooksFromOne) {
    Application app;
    EXPECT_FALSE(app.visible());
    EXPECT_TRUE(app.displayAlerts());
    EXPECT_EQ(Application::defaultMemberText(), QStringLiteral("Microsoft Excel"));
    EXPECT_EQ(app.workbooks().count(), 0);
    auto first = app.workbooks().add();
    auto second = app.workbooks().add();
    EXPECT_EQ(app.workbooks().count(), 2);
    EXPECT_EQ(app.workbooks().item(1), first);
    EXPECT_EQ(app.workbooks().item(app.workbooks().count()), second);
    EXPECT_THROW(app.workbooks().item(0), core::Error);
    EXPECT_THROW(app.workbooks().item(3), core::Error);
    EXPECT_EQ(first->activeSheet().name(), QStringLiteral("Sheet1"));
}

TEST(Application, ClosedWorkbooksAndQuitApplicationsAnswerWithErrors) {
    Application app;
    auto first = app.workbooks().add();
    auto second = app.workbooks().add();
    app.workbooks().close(first);
    EXPECT_EQ(app.workbooks().count(), 1);
    EXPECT_EQ(app.workbooks().item(1), second); // later items move up
    EXPECT_THROW(first->activeSheet(), core::Error);
    EXPECT_THROW(app.workbooks().close(first), core::Error);
    app.setDisplayAlerts(false);
    app.quit();
    EXPECT_TRUE(second->isClosed());
    EXPECT_THROW(app.workbooks(), core::Error);
    EXPECT_THROW(app.setVisible(true), core::Error);
    EXPECT_THROW(app.quit(), core::Error);
}
