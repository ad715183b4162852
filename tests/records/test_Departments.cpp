#include "records/RecordTest.h"

#include "records/clsTillsLinkDepartment.h"
#include "support/StrictPrompts.h"

TEST(TillsLinkDepartmentItem, ClearResetsTheLinkAndItsDepartment)
{
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtInformation, QStringLiteral("TTillsLinkDepartmentItem.Clone not implemented"));
    TTillsLinkDepartmentItem link;
    link.SetActive(true);
    link.SetfkTillsID(4);
    link.Department().SetCode(QStringLiteral("9"));
    link.Clear();
    EXPECT_FALSE(link.Active());
    EXPECT_EQ(link.fkTillsID(), -1);
    EXPECT_EQ(link.TillsLinkDepartmentID(), 0);
    EXPECT_EQ(link.Department().Code(), QString());
    link.Clone(link);
}

class DepartmentRecords : public TRecordTest {
protected:
    void SetUp() override
    {
        TRecordTest::SetUp();
        departments.SetAdoConnection(&con);
        links.SetAdoConnection(&con);
    }
    TDepartments departments;
    TTillsLinkDepartment links;
};
TRELVO_ENGINE_TEST_SUITE(DepartmentRecords);

TEST_P(DepartmentRecords, ANewDepartmentTakesItsCodeFromTheIdentity)
{
    TDepartmentsItem *first = departments.Add();
    TDepartmentsItem *second = departments.Add();
    EXPECT_EQ(first->Description(), QStringLiteral("New Department0"));
    EXPECT_EQ(second->Description(), QStringLiteral("New Department1"));
    EXPECT_EQ(first->Code(), QString());
    first->SetDescription(Hostile("Chef's"));
    second->SetDescription(QStringLiteral(" "));
    EXPECT_EQ(departments.UpdateAll(), 2);
    ASSERT_FALSE(first->Code().isEmpty());
    EXPECT_EQ(second->Code().toInt(), first->Code().toInt() + 1);
    EXPECT_EQ(Text(QStringLiteral("SELECT Description FROM Departments WHERE Code = %1").arg(second->Code())), NulString());

    TDepartmentsItem found;
    found.SetAdoConnection(&con);
    ASSERT_TRUE(found.LoadByDescription(Hostile("Chef's")));
    EXPECT_EQ(found.Code(), first->Code());
    ASSERT_TRUE(found.LoadByCode(second->Code()));
    EXPECT_EQ(found.Description(), QString());  // the NUL text trimmed away

    found.SetDescription(QStringLiteral("Bakery"));
    EXPECT_EQ(found.Update(), 1);  // by its code, not a second row
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM Departments")), 2);

    TDepartments all;
    all.SetAdoConnection(&con);
    ASSERT_EQ(all.LoadAll(), 2);
    EXPECT_EQ(all.Items(0)->Description(), QStringLiteral("Bakery"));
    EXPECT_FALSE(found.LoadByCode(QStringLiteral("999")));
    EXPECT_FALSE(found.LoadByCode(QString()));
}

TEST_P(DepartmentRecords, ATillLinkKeepsTheTillNumberAndLoadsItsDepartment)
{
    TDepartmentsItem *grill = departments.Add();
    grill->SetDescription(QStringLiteral("Grill"));
    departments.UpdateAll();

    TTillsLinkDepartmentItem *link = links.Add();
    link->SetfkTillsID(7);  // the till number, not a Tills row key
    link->SetActive(true);
    link->Department().SetCode(grill->Code());
    TTillsLinkDepartmentItem *unlinked = links.Add();  // a department never saved: no code
    unlinked->SetfkTillsID(7);
    EXPECT_EQ(links.SaveAll(), 2);
    EXPECT_GT(link->TillsLinkDepartmentID(), 0);
    EXPECT_EQ(unlinked->TillsLinkDepartmentID(), link->TillsLinkDepartmentID() + 1);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM TillsLinkDepartments WHERE fkDepartmentID IS NULL")), 1);

    TTillsLinkDepartment ofTill;
    ofTill.SetAdoConnection(&con);
    ASSERT_EQ(ofTill.LoadForTill(7), 2);
    EXPECT_FALSE(ofTill.AdoQuery.Active());
    TTillsLinkDepartmentItem *read = ofTill.Items(0)->TillsLinkDepartmentID() == link->TillsLinkDepartmentID() ? ofTill.Items(0) : ofTill.Items(1);
    EXPECT_TRUE(read->Active());
    EXPECT_EQ(read->fkTillsID(), 7);
    EXPECT_EQ(read->Department().Description(), QStringLiteral("Grill"));

    read->SetActive(false);
    EXPECT_EQ(ofTill.SaveAll(), 1);  // the one change, by its key
    EXPECT_EQ(Scalar(QStringLiteral("SELECT COUNT(*) FROM TillsLinkDepartments")), 2);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT Active FROM TillsLinkDepartments WHERE TillsLinkDepartmentID = %1").arg(link->TillsLinkDepartmentID())), 0);
    EXPECT_EQ(Scalar(QStringLiteral("SELECT fkDepartmentID FROM TillsLinkDepartments WHERE TillsLinkDepartmentID = %1").arg(link->TillsLinkDepartmentID())),
              grill->Code().toInt());
    EXPECT_EQ(ofTill.LoadForTill(8), 0);
}
