#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QUuid>
#include <gtest/gtest.h>

namespace {

QString UniqueName()
{
    return QStringLiteral("trelvo-test-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

TEST(SingleInstance, ASecondCopyAsksTheFirstToComeForwardAndEnds)
{
    const QString name = UniqueName();
    auto first = std::make_unique<TSingleInstance>(name);
    int raised = 0;
    QObject::connect(first.get(), &TSingleInstance::RaiseRequested, first.get(), [&raised] { ++raised; });
    ASSERT_TRUE(first->Claim());

    TSingleInstance second(name);
    EXPECT_FALSE(second.Claim());
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised == 1; }, 5000)) << "the first copy was asked to come forward";

    first.reset();
    TSingleInstance third(name);
    EXPECT_TRUE(third.Claim()) << "once the first copy ends, a new one runs";
}

TEST(SingleInstance, TheSocketLeftByACrashedCopyDoesNotStopTheNextOne)
{
    const QString name = UniqueName();
    const QString leftover = QDir(QDir::tempPath()).filePath(name);
    QFile file(leftover);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    TSingleInstance copy(name);
    EXPECT_TRUE(copy.Claim());
    TSingleInstance another(name);
    EXPECT_FALSE(another.Claim());
}

} // namespace
