#include "roadbuilder.h"

#include <QLoggingCategory>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList captured;

void capture(QtMsgType, const QMessageLogContext& context, const QString& message)
{
    captured << QString::fromLatin1(context.category) + ": " + message;
}

// The library's traces cost the stake walk and the drawing nothing unless
// asked for, the way QT_LOGGING_RULES asks.
TEST(DebugLines, OffByDefaultAndOnWithTheLoggingRules)
{
    const QtMessageHandler previous = qInstallMessageHandler(capture);
    captured.clear();
    RoadBuilder(0, 0, 0, 0).line(10).arc(100, 20).build();
    EXPECT_TRUE(captured.isEmpty());

    QLoggingCategory::setFilterRules("trazel.debug=true");
    RoadBuilder(0, 0, 0, 0).line(10).arc(100, 20).build();
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);

    ASSERT_EQ(captured.size(), 3);
    EXPECT_EQ(captured[0], "trazel: Enter ApplyHorizon");
    EXPECT_TRUE(captured[1].startsWith("trazel: x2 = ")) << captured[1].toStdString();
}

}  // namespace
