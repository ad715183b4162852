#include "app/clsEVxException.h"
#include "records/clsEmployee.h"
#include "support/EngineFixture.h"

#include <QRandomGenerator>

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

// The fields a save writes and a load reads back, by type, to fill and compare them all.
QString TEmployee::*const TextFields[] = {
    &TEmployee::Category, &TEmployee::FirstName, &TEmployee::Flat,      &TEmployee::LastName,  &TEmployee::PostCode,
    &TEmployee::Street,   &TEmployee::Suburb,    &TEmployee::Telephone, &TEmployee::Telephone2};
double TEmployee::*const NumberFields[] = {  // floats and date-times
    &TEmployee::Date,      &TEmployee::DiscDate,   &TEmployee::KmsPrDeliv, &TEmployee::LastWorked, &TEmployee::MtdDelAmt,
    &TEmployee::MtdKms,    &TEmployee::MtdNumDel,  &TEmployee::MtdHrs,     &TEmployee::MtdTimeW,   &TEmployee::MtdTravelW,
    &TEmployee::PctDisc,   &TEmployee::ShToDate,   &TEmployee::YtdHrs,     &TEmployee::YtdKms,     &TEmployee::YtdNumDel,
    &TEmployee::YtdDelAmt, &TEmployee::YtdTimeW,   &TEmployee::YtdTravelW, &TEmployee::MaxDiscPct};
Currency TEmployee::*const MoneyFields[] = {
    &TEmployee::MaxDiscPctAny, &TEmployee::MaxDiscValueAny, &TEmployee::HourlyRate, &TEmployee::KmRate,
    &TEmployee::MtdTips,       &TEmployee::PayRatePerDelivery, &TEmployee::PctMax, &TEmployee::RandDisc,
    &TEmployee::ShiftDisc,     &TEmployee::YtdTips,         &TEmployee::MonthlyMaxSpend, &TEmployee::MaxDiscValue};
bool TEmployee::*const FlagFields[] = {&TEmployee::Waiter, &TEmployee::Active, &TEmployee::DoesDeliveries};

void FillEveryField(TEmployee &e)
{
    int n = 0;
    for (auto f : TextFields)
        e.*f = QStringLiteral("T%1").arg(++n);
    for (auto f : NumberFields)
        e.*f = 45000 + (++n) + 0.25;  // whole seconds, so every engine keeps them
    for (auto f : MoneyFields)
        e.*f = Currency::FromRaw(10000 * (++n) + 1234);
    for (auto f : FlagFields)
        e.*f = true;
    e.KIColour = 0x00FF8040;
    e.SetPassword(S("PW"));
    e.SetInvoicePassword(S("INV"));
    e.SetDatePasswordChanged(45100.5);
    e.SetDateInvoicePasswordChanged(45101.75);
}

void ExpectSameFields(const TEmployee &a, const TEmployee &b)
{
    for (auto f : TextFields)
        EXPECT_EQ(a.*f, b.*f);
    for (auto f : NumberFields)
        EXPECT_NEAR(a.*f, b.*f, 1e-8) << a.*f;
    for (auto f : MoneyFields)
        EXPECT_EQ((a.*f).Raw(), (b.*f).Raw());
    for (auto f : FlagFields)
        EXPECT_EQ(a.*f, b.*f);
    EXPECT_EQ(a.KIColour, b.KIColour);
    EXPECT_EQ(a.EmpNum, b.EmpNum);
    EXPECT_EQ(a.Password(), b.Password());
    EXPECT_EQ(a.InvoicePassword(), b.InvoicePassword());
    EXPECT_NEAR(a.DatePasswordChanged(), b.DatePasswordChanged(), 1e-8);
    EXPECT_NEAR(a.DateInvoicePasswordChanged(), b.DateInvoicePasswordChanged(), 1e-8);
    EXPECT_EQ(a.FingerPrint, b.FingerPrint);
}

} // namespace

TEST(FingerPrintText, Examples)
{
    const struct {
        QByteArray bytes;
        const char *text;
    } cases[] = {
        {QByteArray("\x00\x01\x02", 3), "0042"},
        {QByteArray("\xFF\xFF", 2), "//y"},
        {QByteArray("abc"), "OM9Z"},
        {QByteArray(), ""},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(FingerPrintText::Encode(c.bytes), S(c.text)) << c.text;
        EXPECT_EQ(FingerPrintText::Decode(S(c.text)), c.bytes) << c.text;
    }
    // Decoding stops at a character outside the alphabet.
    EXPECT_EQ(FingerPrintText::Decode(S("0042*OM9Z")), QByteArray("\x00\x01\x02", 3));
    EXPECT_EQ(FingerPrintText::Decode(S("=0042")), QByteArray());
}

TEST(FingerPrintText, RandomBytesComeBack)
{
    QRandomGenerator random(20240305);
    for (int length = 0; length < 70; ++length) {
        QByteArray bytes(length, '\0');
        for (char &b : bytes)
            b = static_cast<char>(random.bounded(256));
        const QString text = FingerPrintText::Encode(bytes);
        EXPECT_EQ(text.size(), (length * 8 + 5) / 6);
        EXPECT_EQ(FingerPrintText::Decode(text), bytes) << length;
    }
}

TEST(EmployeeRecord, FullName)
{
    const struct {
        const char *last, *first, *full;
    } cases[] = {{"Smith", "John", "Smith, John"}, {"Smith", "", "Smith"}, {"", "John", "John"}, {"", "", ""}};
    for (const auto &c : cases) {
        TEmployee e;
        e.LastName = S(c.last);
        e.FirstName = S(c.first);
        EXPECT_EQ(e.GetFullName(), S(c.full)) << c.full;
    }
}

TEST(EmployeeRecord, PasswordSettersMarkOnlyAChange)
{
    const struct {
        const char *name;
        std::function<void(TEmployee &)> set;
    } setters[] = {
        {"password", [](TEmployee &e) { e.SetPassword(S("A")); }},
        {"invoice password", [](TEmployee &e) { e.SetInvoicePassword(S("A")); }},
        {"password date", [](TEmployee &e) { e.SetDatePasswordChanged(45000); }},
        {"invoice password date", [](TEmployee &e) { e.SetDateInvoicePasswordChanged(45000); }},
    };
    for (const auto &s : setters) {
        TEmployee e;
        e.ResetFlags();
        s.set(e);
        EXPECT_TRUE(e.Modified()) << s.name;
        e.ResetFlags();
        s.set(e);
        EXPECT_FALSE(e.Modified()) << s.name;
    }
    TEmployee e;
    e.ResetFlags();
    e.LastName = S("Plain");
    EXPECT_FALSE(e.Modified());
}

TEST(EmployeeRecord, LoadersAndAccessCodesNeedAConnection)
{
    TEmployee e;
    const auto message = [](const std::function<void()> &call) {
        try {
            call();
        } catch (const EVxException &x) {
            return x.Message();
        }
        return QString();
    };
    EXPECT_EQ(message([&] { e.LoadByEmpNum(S("1")); }), S("TEmployee.AdoConnection property not set"));
    EXPECT_EQ(message([&] { e.LoadByField(S("Password"), S("x")); }), S("TEmployee.AdoConnection property not set"));
    EXPECT_EQ(message([&] { e.HasAccessCode(S("TM010")); }), S("TEmployee.AdoConnection property not set\rRaised in : TEmployee.RefreshAccessCodes"));
}

TEST(EmployeeRecord, EachColumnIsBoundAsTheTableStoresIt)
{
    TEmployee e;
    e.EmpNum = S("1");
    EXPECT_THROW(e.Update(), EDatabaseError);  // no connection: bound, then refused
    const struct {
        const char *param;
        TFieldType type;
    } cases[] = {
        {"MaxDiscPctAny", TFieldType::Float},      // money in a float column
        {"MaxDiscValueAny", TFieldType::Currency}, // read as a float, bound as money
        {"HourlyRate", TFieldType::Currency},      {"KmsPrDeliv", TFieldType::Float},
        {"Date", TFieldType::DateTime},            {"DatePasswordChanged", TFieldType::DateTime},
        {"KIColour", TFieldType::Integer},         {"Waiter", TFieldType::Boolean},
        {"Lastname", TFieldType::String},          {"Password", TFieldType::String},
    };
    for (const auto &c : cases) {
        const TParameter *p = e.AdoCommand.Parameters().Find(S(c.param));
        ASSERT_NE(p, nullptr) << c.param;
        EXPECT_EQ(p->DataType, c.type) << c.param;
    }
}

class Employee : public TDatabaseTest {
protected:
    void SetUp() override
    {
        TDatabaseTest::SetUp();
        Exec("INSERT INTO EmpCat (Category, Descriptn) VALUES ('DRIVER', 'Driver')");
        Exec("INSERT INTO EmpCat (Category, Descriptn) VALUES ('CLEANER', 'Cleaner')");
        Exec("INSERT INTO Permiss (EmpCat, AccessCode) VALUES ('DRIVER', 'TM010')");
        Exec("INSERT INTO Permiss (EmpCat, AccessCode) VALUES ('DRIVER', 'GL020')");
    }
    void Exec(const char *sql) { con.Exec(QString::fromUtf8(sql)); }

    // A stored employee of the fixture.
    void AddEmployee(const QString &empNum, const QString &password, const QString &category = QStringLiteral("DRIVER"))
    {
        TEmployee e;
        e.SetAdoConnection(&con);
        e.EmpNum = empNum;
        e.Category = category;
        e.LastName = QStringLiteral("Last") + empNum;
        e.Active = true;
        e.SetPassword(password);
        ASSERT_EQ(e.Update(), 1);
    }

    std::unique_ptr<TEmployee> Loaded(const QString &empNum)
    {
        auto e = std::make_unique<TEmployee>();
        e->SetAdoConnection(&con);
        EXPECT_TRUE(e->LoadByEmpNum(empNum));
        return e;
    }
};
TRELVO_ENGINE_TEST_SUITE(Employee);

TEST_P(Employee, EveryFieldAndTheFingerprintSurviveAnInsertAndALoad)
{
    TEmployee saved;
    saved.SetAdoConnection(&con);
    FillEveryField(saved);
    saved.EmpNum = S("42");
    saved.Category = S("DRIVER");
    QByteArray print;
    for (int b = 0; b < 256; ++b)
        print += static_cast<char>(255 - b);
    saved.FingerPrint = QString::fromLatin1(print);
    ASSERT_TRUE(saved.IsNew());
    EXPECT_EQ(saved.Update(), 1);
    EXPECT_FALSE(saved.IsNew());
    EXPECT_FALSE(saved.Modified());

    TEmployee loaded;
    loaded.SetAdoConnection(&con);
    ASSERT_TRUE(loaded.LoadByEmpNum(S("42")));
    ExpectSameFields(loaded, saved);
    EXPECT_EQ(loaded.Descriptn, S("Driver"));
    EXPECT_FALSE(loaded.Empty());
    EXPECT_FALSE(loaded.IsNew());

    TAdoQuery q(&con);
    q.SetSQL(S("SELECT FingerPrint FROM Employee"));
    q.Open();
    EXPECT_EQ(q.FieldByName(S("FingerPrint")).AsString(), FingerPrintText::Encode(print));
}

TEST_P(Employee, BlankTextsReadAsEmpty)
{
    // An engine may give a blank text back as the one-NUL "empty" text.
    Exec("INSERT INTO EmpCat (Category, Descriptn) VALUES ('BLANK', '')");
    AddEmployee(S("7"), S(""), S("BLANK"));
    con.Exec(S("UPDATE Employee SET LastName = '', InvoicePassword = ''"));
    const auto e = Loaded(S("7"));
    for (auto f : TextFields) {
        if (f == &TEmployee::Category)  // the join needs one
            continue;
        EXPECT_EQ(e.get()->*f, QString());
    }
    EXPECT_EQ(e->Password(), QString());
    EXPECT_EQ(e->InvoicePassword(), QString());
    EXPECT_EQ(e->Descriptn, QString());
}

TEST_P(Employee, ALoadedPasswordMarksTheRecordAndASaveRewritesTheSameRow)
{
    AddEmployee(S("7"), S("SEVEN"));
    TEmployee e;
    e.SetAdoConnection(&con);
    ASSERT_TRUE(e.LoadByEmpNum(S("7")));
    EXPECT_TRUE(e.Modified());
    EXPECT_EQ(e.Update(), 1);
    ExpectSameFields(*Loaded(S("7")), e);

    e.Telephone = S("555 0101");
    e.SetModified(true);
    CountStatements();
    EXPECT_EQ(e.Update(), 1);
    ASSERT_EQ(StatementsSent(), 1);
    EXPECT_TRUE(SentTexts().front().startsWith(S("UPDATE Employee")));
    EXPECT_EQ(Loaded(S("7"))->Telephone, S("555 0101"));
    EXPECT_EQ(Scalar(S("SELECT COUNT(*) FROM Employee")), 1);
    EXPECT_EQ(e.Update(), 0);  // nothing changed since
}

TEST_P(Employee, ARecordWithoutFingerprintSavesNull)
{
    AddEmployee(S("7"), S("SEVEN"));
    EXPECT_EQ(Scalar(S("SELECT COUNT(*) FROM Employee WHERE FingerPrint IS NULL")), 1);
    EXPECT_TRUE(Loaded(S("7"))->FingerPrint.isEmpty());
}

TEST_P(Employee, ANewRecordWithoutNumberIsRefusedAndKeepsItsFlags)
{
    // Employee has no identity column: nothing could give the row a key.
    TEmployee e;
    e.SetAdoConnection(&con);
    e.SetPassword(S("NEW"));
    EXPECT_THROW(e.Update(), EVxException);
    EXPECT_TRUE(e.IsNew());
    EXPECT_TRUE(e.Modified());
    EXPECT_EQ(Scalar(S("SELECT COUNT(*) FROM Employee")), 0);
}

TEST_P(Employee, AMissingNumberLeavesACleanRecord)
{
    TEmployee e;
    e.SetAdoConnection(&con);
    e.EmpNum = S("stale");
    e.SetPassword(S("STALE"));
    EXPECT_FALSE(e.LoadByEmpNum(S("99")));
    EXPECT_TRUE(e.Empty());
    EXPECT_TRUE(e.EmpNum.isEmpty());
    EXPECT_TRUE(e.Password().isEmpty());
    EXPECT_FALSE(e.Modified());
}

TEST_P(Employee, LookupsTakeOnlyKnownColumnsAndBindTheValue)
{
    AddEmployee(S("1"), S("O'BRIEN"));
    AddEmployee(S("2"), S("X' OR '1'='1"));
    TEmployee e;
    e.SetAdoConnection(&con);
    const struct {
        const char *column, *value, *found;
    } lookups[] = {
        {"Password", "O'BRIEN", "1"},        {"Password", "X' OR '1'='1", "2"}, {"Password", "' OR ''='", nullptr},
        {"password", "o'brien", "1"},        {"Employee.EmpNum", "2", "2"},     {"InvoicePassword", "O'BRIEN", nullptr},
    };
    for (const auto &l : lookups) {
        EXPECT_EQ(e.LoadByField(S(l.column), S(l.value)), l.found != nullptr) << l.value;
        EXPECT_EQ(e.EmpNum, S(l.found ? l.found : "")) << l.value;
    }
    for (const char *column : {"Telephone", "Password = Password OR 1", "", "Attend.EmpNum"})
        EXPECT_THROW(e.LoadByField(S(column), S("x")), EVxException) << column;
}

TEST_P(Employee, PasswordIsUnusedLooksAtTheChosenColumn)
{
    AddEmployee(S("1"), S("O'BRIEN"));
    con.Exec(S("UPDATE Employee SET InvoicePassword = 'INV1'"));
    TEmployee e;
    e.SetAdoConnection(&con);
    const struct {
        const char *password;
        TPasswordKind which;
        bool unused;
    } cases[] = {
        {"O'BRIEN", TPasswordKind::Normal, false},  {"o'brien", TPasswordKind::Normal, false},
        {"' OR ''='", TPasswordKind::Normal, true}, {"INV1", TPasswordKind::Normal, true},
        {"INV1", TPasswordKind::Invoice, false},    {"O'BRIEN", TPasswordKind::Invoice, true},
    };
    for (const auto &c : cases)
        EXPECT_EQ(e.PasswordIsUnused(S(c.password), c.which), c.unused) << c.password;
    EXPECT_FALSE(e.AdoQuery.Active());
}

TEST_P(Employee, AccessCodesOfTheCategoryIgnoringCase)
{
    AddEmployee(S("1"), S("A"));
    AddEmployee(S("2"), S("B"), S("CLEANER"));
    const auto driver = Loaded(S("1"));
    EXPECT_TRUE(driver->HasAccessCode(S("tm010")));
    EXPECT_TRUE(driver->HasAccessCode(S("GL020")));
    EXPECT_FALSE(driver->HasAccessCode(S("CA150")));
    EXPECT_EQ(driver->AccessCodes, (QStringList{S("GL020"), S("TM010")}));

    const auto cleaner = Loaded(S("2"));
    CountStatements();
    EXPECT_FALSE(cleaner->HasAccessCode(S("TM010")));
    EXPECT_FALSE(cleaner->HasAccessCode(S("TM010")));
    EXPECT_EQ(StatementsSent(), 2);  // a category without codes is asked again

    TEmployee none;
    none.SetAdoConnection(&con);
    try {
        none.RefreshAccessCodes();
        ADD_FAILURE() << "no category";
    } catch (const EVxException &x) {
        EXPECT_EQ(x.Message(), S("TEmployee.Category is not set\rRaised in : TEmployee.RefreshAccessCodes"));
    }
}

TEST_P(Employee, DeleteRemovesOnlyItsRow)
{
    AddEmployee(S("007"), S("A"));
    AddEmployee(S("7"), S("B"));
    EXPECT_EQ(Loaded(S("007"))->Delete(), 1);
    EXPECT_EQ(Scalar(S("SELECT COUNT(*) FROM Employee WHERE EmpNum = '7'")), 1);

    TEmployee blank;
    blank.SetAdoConnection(&con);
    EXPECT_THROW(blank.Delete(), EVxException);
}

TEST_P(Employee, ACollectionOfLoadedEmployeesSavesTheirRows)
{
    AddEmployee(S("1"), S("A"));
    AddEmployee(S("2"), S(""));
    TEmployees list;
    list.SetAdoConnection(&con);
    list.AdoQuery.SetSQL(S("SELECT * FROM Employee ORDER BY EmpNum"));
    list.AdoQuery.Open();
    ASSERT_EQ(list.Populate(&list.AdoQuery), 2);
    EXPECT_EQ(list.NewCount(), 0);
    EXPECT_EQ(list.ModifiedCount(), 1);  // only the one whose password was set
    EXPECT_EQ(list.Items(0)->Password(), S("A"));
    EXPECT_TRUE(list.Items(1)->Password().isEmpty());
    EXPECT_EQ(list.UpdateAll(), 1);
    EXPECT_EQ(Scalar(S("SELECT COUNT(*) FROM Employee")), 2);
}
