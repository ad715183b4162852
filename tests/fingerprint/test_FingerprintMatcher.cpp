#include "EnrolledEmployees.h"
#include "fingerprint/FingerprintMatcher.h"
#include "fingerprint/SimulatedReader.h"
#include "support/EngineFixture.h"

#include <QSet>
#include <stdexcept>

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

// Candidates in a known order, as a search finds them: number and template text.
void SetCandidates(TFingerprintMatcher &matcher, std::initializer_list<std::pair<const char *, QString>> candidates)
{
    matcher.Employees.Clear();
    for (const auto &[empNum, print] : candidates) {
        TEmployee *e = matcher.Employees.Add();
        e->EmpNum = S(empNum);
        e->FingerPrint = QString::fromLatin1(FingerPrintText::Decode(print));
    }
}

QStringList Order(const TFingerprintMatcher &matcher)
{
    QStringList order;
    for (int i = 0; i < matcher.Employees.Count(); ++i)
        order << matcher.Employees.Items(i)->EmpNum;
    return order;
}

} // namespace

TEST(FingerprintMatcher, FindsTheFingerAndMovesItsOwnerToTheFront)
{
    const struct {
        const char *name;
        QString finger;
        const char *found;
        int comparisons;
        QStringList orderAfter;
    } cases[] = {
        {"the first candidate", Finger("A"), "201", 1, {S("201"), S("202"), S("203"), S("204"), S("205")}},
        {"a later one moves to the front", Finger("B"), "202", 2, {S("202"), S("201"), S("203"), S("204"), S("205")}},
        {"nobody's finger: each enrolled candidate compared once", Finger("Z"), "", 4, {S("201"), S("202"), S("203"), S("204"), S("205")}},
        {"the same finger twice: the earlier one wins", Finger("D"), "204", 3, {S("204"), S("201"), S("202"), S("203"), S("205")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TFingerprintMatcher matcher;
        // 203 has no template: never compared, whatever the finger.
        SetCandidates(matcher, {{"201", Finger("A")}, {"202", Finger("B")}, {"203", QString()}, {"204", Finger("D")}, {"205", Finger("D")}});
        TSimulatedFingerprintReader reader;
        EXPECT_EQ(matcher.Search(reader, c.finger), S(c.found));
        EXPECT_EQ(reader.Verifications(), c.comparisons);
        EXPECT_EQ(Order(matcher), c.orderAfter);
    }
}

TEST(FingerprintMatcher, AMovedCandidateKeepsItsTemplateAndIsFoundAtOnce)
{
    TFingerprintMatcher matcher;
    SetCandidates(matcher, {{"201", Finger("A")}, {"202", Finger("B")}, {"203", Finger("B")}});
    TSimulatedFingerprintReader reader;
    EXPECT_EQ(matcher.Search(reader, Finger("B")), S("202"));
    EXPECT_EQ(matcher.Employees.Items(0)->StoredFingerPrint(), Finger("B"));
    EXPECT_EQ(matcher.Employees.Count(), 3);

    const int before = reader.Verifications();
    EXPECT_EQ(matcher.Search(reader, Finger("B")), S("202"));
    EXPECT_EQ(reader.Verifications() - before, 1);
    EXPECT_EQ(Order(matcher), (QStringList{S("202"), S("201"), S("203")}));
}

TEST(FingerprintMatcher, ReaderErrorsReachTheCaller)
{
    struct TFailingReader : TSimulatedFingerprintReader {
        bool Verify() override { throw std::runtime_error("reader unplugged"); }
    } reader;
    TFingerprintMatcher matcher;
    SetCandidates(matcher, {{"201", Finger("A")}});
    EXPECT_THROW(matcher.Search(reader, Finger("A")), std::runtime_error);
}

class FingerprintCandidates : public TDatabaseTest {
protected:
    void SetUp() override
    {
        TDatabaseTest::SetUp();
        con.Exec(S("INSERT INTO EmpCat (Category, Descriptn) VALUES ('DRIVER', 'Driver')"));
    }
};
TRELVO_ENGINE_TEST_SUITE(FingerprintCandidates);

TEST_P(FingerprintCandidates, TheActiveEmployeesWithTheirTemplatesAsStored)
{
    AddEnrolledEmployee(con, "201", "Driver", true, Finger("first finger"));
    AddEnrolledEmployee(con, "202", "Driver", true, QString());
    AddEnrolledEmployee(con, "203", "Driver", false, Finger("inactive"));
    AddEnrolledEmployee(con, "204", "Driver", true, Finger("second finger"));

    TFingerprintMatcher matcher;
    matcher.Populate(&con);
    QHash<QString, QString> found;
    for (int i = 0; i < matcher.Employees.Count(); ++i)
        found.insert(matcher.Employees.Items(i)->EmpNum, matcher.Employees.Items(i)->StoredFingerPrint());
    const QHash<QString, QString> expected{
        {S("201"), Finger("first finger")}, {S("202"), QString()}, {S("204"), Finger("second finger")}};
    EXPECT_EQ(found, expected);

    TSimulatedFingerprintReader reader;
    CountStatements();
    EXPECT_EQ(matcher.Search(reader, Finger("second finger")), S("204"));
    EXPECT_EQ(StatementsSent(), 0);  // moving a candidate saves nothing

    // Read anew: the list follows the table, not the last search.
    con.Exec(S("UPDATE Employee SET Active = 0 WHERE EmpNum = '204'"));
    matcher.Populate(&con);
    EXPECT_EQ(matcher.Employees.Count(), 2);
}
