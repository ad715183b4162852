#include "board/GridLayoutStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList Names(const TGridLayout &layout)
{
    QStringList names;
    for (const TGridColumn &c : layout.Columns())
        names << BoardFields::Name(c.field);
    return names;
}

TEST(GridLayout, TheDefaultListsTheTenColumnsWithTheirTitlesAndWidths)
{
    const TGridLayout layout = TGridLayout::Default();
    EXPECT_EQ(Names(layout).join(u','), QStringLiteral("OrderNum,Lapsed,Assigned,TimeSinceDeparted,GridRef,NotifyName,Flat,Address2,streetname,Customer"));
    EXPECT_EQ(layout.Columns().front(), (TGridColumn{TBoardField::OrderNum, 4, QStringLiteral("Ord #")}));
    EXPECT_EQ(layout.Columns().back(), (TGridColumn{TBoardField::Customer, 10, QStringLiteral("Cashier")}));
}

TEST(GridLayout, ASavedLayoutKeepsItsOrderAndGetsTheMissingDefaultColumns)
{
    const TGridLayout layout = TGridLayout::Parse(QStringLiteral(
        "telephone\t12\tPhone;;NOTIFYNAME\t20\tName;;Nonsense\t3\tX;;OrderNum\tabc\tOrder;;telephone\t5\tAgain"));
    const QStringList names = Names(layout);
    EXPECT_EQ(names.mid(0, 3).join(u','), QStringLiteral("telephone,NotifyName,OrderNum")) << "unknown and repeated fields dropped";
    EXPECT_EQ(names.size(), 11) << names.join(u',').toStdString();
    EXPECT_EQ(layout.Columns()[0], (TGridColumn{TBoardField::telephone, 12, QStringLiteral("Phone")}));
    EXPECT_EQ(layout.Columns()[2], (TGridColumn{TBoardField::OrderNum, 4, QStringLiteral("Order")})) << "a bad width takes the default";
    EXPECT_EQ(TGridLayout::Parse(layout.ToText()), layout);
}

TEST(GridLayoutStore, TheLayoutIsWrittenToTrevloIniAndReadBack)
{
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("bin")), user = dir.filePath(QStringLiteral("config"));
    QDir().mkpath(program);
    const TGridLayoutStore store(program, user);
    EXPECT_EQ(store.Path(), QDir(program).filePath(QStringLiteral("Trevlo.INI"))) << "beside the program";
    EXPECT_EQ(store.Read(), TGridLayout::Default()) << "nothing saved yet";

    TGridLayout layout = TGridLayout::Parse(QStringLiteral("NotifyName\t20\tName, first;;OrderNum\t6\tOrd #"));
    layout.SetWidth(TBoardField::GridRef, 9);
    ASSERT_TRUE(store.Write(layout));
    EXPECT_EQ(store.Read(), layout);
    QFile ini(store.Path());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(ini.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("[Grid]"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral(";;"))) << text.toStdString();

    const TGridLayoutStore noProgramFolder(dir.filePath(QStringLiteral("missing")), user);
    EXPECT_EQ(noProgramFolder.Path(), QDir(user).filePath(QStringLiteral("Trevlo.INI"))) << "the user's folder when the program's cannot be written";
    ASSERT_TRUE(noProgramFolder.Write(layout));
    EXPECT_EQ(noProgramFolder.Read(), layout);
}

} // namespace
