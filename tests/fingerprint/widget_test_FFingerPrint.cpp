#include "EnrolledEmployees.h"
#include "app/clsApp.h"
#include "data/DemoShop.h"
#include "data/clsOrvikSettings.h"
#include "fingerprint/FFingerPrint.h"
#include "fingerprint/SimulatedReader.h"
#include "support/EngineFixture.h"
#include "support/StrictPrompts.h"
#include "support/WidgetChild.h"
#include "ui/ModalDriver.h"
#include "ui/TchButton.h"

#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>

namespace {

QString S(const char *text)
{
    return QString::fromUtf8(text);
}

const QString Prompt = S("Enter Driver Password");

QString StatusOf(const TfrmFingerPrint &form)
{
    return Child<QLabel>(form, "lblStatus")->text();
}

// The row of the demo list whose text contains that fragment.
QListWidgetItem *FingerRow(const TfrmFingerPrint &form, const QString &fragment)
{
    auto *list = Child<QListWidget>(form, "lstFingers");
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().contains(fragment))
            return list->item(i);
    throw std::runtime_error("no such finger in the list");
}

void Touch(const TfrmFingerPrint &form, QListWidgetItem *row)
{
    auto *list = Child<QListWidget>(form, "lstFingers");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(row).center());
}

} // namespace

class FingerPrintWindow : public TDatabaseTest {
protected:
    void SetUp() override
    {
        TDatabaseTest::SetUp();
        con.Exec(S("INSERT INTO EmpCat (Category, Descriptn) VALUES ('DRIVER', 'Driver')"));
        AddEnrolledEmployee(con, "201", "Nkosi", true, Finger("thumb 201"));
        AddEnrolledEmployee(con, "202", "Pretorius", true, Finger("thumb 202"));
        AddEnrolledEmployee(con, "203", "Mabaso", true, QString());
        AddEnrolledEmployee(con, "204", "Williams", false, Finger("thumb 204"));
    }
    // A window over a simulated reader; the reader stays reachable through `reader`.
    std::unique_ptr<TfrmFingerPrint> NewWindow()
    {
        auto simulated = std::make_unique<TSimulatedFingerprintReader>();
        reader = simulated.get();
        return std::make_unique<TfrmFingerPrint>(std::move(simulated), &con);
    }
    // GetUser with `meanwhile` run once the window waits for a finger.
    int Scan(TfrmFingerPrint &form, QString &empNum, const std::function<void()> &meanwhile)
    {
        QTimer::singleShot(0, &form, meanwhile);
        return form.GetUser(Prompt, empNum);
    }

    TSimulatedFingerprintReader *reader = nullptr;
};
TRELVO_ENGINE_TEST_SUITE(FingerPrintWindow);

TEST_P(FingerPrintWindow, AFingerIsMatchedAgainstTheActiveEmployeesWithATemplate)
{
    const struct {
        const char *name;
        QString finger;
        int result;
        const char *empNum;
    } cases[] = {
        {"an enrolled driver", Finger("thumb 202"), 1, "202"},
        {"an inactive employee's finger", Finger("thumb 204"), 0, ""},
        {"nobody's finger", Finger("stranger"), 0, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TStrictPrompts prompts;
        auto form = NewWindow();
        ASSERT_TRUE(form->Initialised());
        QString empNum = S("stale");
        EXPECT_EQ(Scan(*form, empNum, [&] { reader->PresentFinger(c.finger); }), c.result);
        EXPECT_EQ(empNum, S(c.empNum));
        EXPECT_EQ(Child<QLabel>(*form, "lblMessage")->text(), S("A Finger Print Is Needed Enter Driver Password"));
        EXPECT_EQ(StatusOf(*form), S("Idle"));
        EXPECT_FALSE(form->isVisible());
        // Only 201 and 202 have templates and are active; 203 has none and is never compared.
        EXPECT_LE(reader->Verifications(), 2);
        if (c.result == 0) {
            EXPECT_EQ(reader->Verifications(), 2);
        }
    }
}

TEST_P(FingerPrintWindow, ClosingTheWindowWhileItWaitsEndsTheScanWithoutAComparison)
{
    const struct {
        const char *name;
        std::function<void(TfrmFingerPrint &)> close;
    } cases[] = {
        {"Cancel", [](TfrmFingerPrint &form) { QTest::mouseClick(Child<TTchButton>(form, "btnCancel"), Qt::LeftButton); }},
        {"Esc", [](TfrmFingerPrint &form) { QTest::keyClick(&form, Qt::Key_Escape); }},
        {"the close box", [](TfrmFingerPrint &form) { form.close(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TStrictPrompts prompts;
        auto form = NewWindow();
        QString empNum = S("stale");
        bool waiting = false, timerOn = false;
        QString status;
        const int result = Scan(*form, empNum, [&] {
            waiting = reader->Capturing() && form->isVisible() && form->isModal();
            status = StatusOf(*form);
            timerOn = form->Timer1->isActive() && form->Timer1->interval() == 5000;
            c.close(*form);
        });
        EXPECT_TRUE(waiting);
        EXPECT_EQ(status, S("Waiting for image"));  // the reader's own status replaces "Awaiting fingerprint"
        EXPECT_TRUE(timerOn);
        EXPECT_EQ(result, 2);
        EXPECT_EQ(empNum, QString());
        EXPECT_EQ(reader->Verifications(), 0);
        EXPECT_FALSE(reader->Capturing());
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(form->Timer1->isActive());
    }
}

TEST_P(FingerPrintWindow, NoReaderOrNoDeviceShowsWhyUntilClosed)
{
    const struct {
        const char *name;
        bool haveReader;
        const char *status;
    } cases[] = {
        {"no reader", false, "Not installed"},
        {"reader not connected", true, "Not connected"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TStrictPrompts prompts;
        std::unique_ptr<TfrmFingerPrint> form;
        if (c.haveReader) {
            form = NewWindow();
            reader->SetDeviceConnected(false);
        } else {
            form = std::make_unique<TfrmFingerPrint>(nullptr, &con);
        }
        EXPECT_EQ(form->Initialised(), c.haveReader);
        QString shown;
        TModalDriver driver([&](QDialog &dialog) {
            shown = StatusOf(*form);
            EXPECT_EQ(&dialog, form.get());
            dialog.close();
        });
        QString empNum = S("stale");
        EXPECT_EQ(form->GetUser(Prompt, empNum), 2);
        EXPECT_EQ(shown, S(c.status));
        EXPECT_EQ(empNum, S("stale"));
        EXPECT_FALSE(form->isVisible());
        if (c.haveReader) {
            EXPECT_EQ(reader->Verifications(), 0);
        }
    }
}

TEST_P(FingerPrintWindow, TheSameFingerEnrolledTwiceGoesToTheEarlierCandidateWhichThenLeads)
{
    con.Exec(S("UPDATE Employee SET FingerPrint = (SELECT FingerPrint FROM Employee WHERE EmpNum = '201') WHERE EmpNum = '202'"));
    TStrictPrompts prompts;
    auto form = NewWindow();
    const TEmployees &candidates = form->Candidates().Employees;
    QStringList order;
    for (int i = 0; i < candidates.Count(); ++i)
        order << candidates.Items(i)->EmpNum;
    const QString earlier = order.indexOf(S("201")) < order.indexOf(S("202")) ? S("201") : S("202");

    for (int scan = 0; scan < 2; ++scan) {
        QString empNum;
        const int before = reader->Verifications();
        EXPECT_EQ(Scan(*form, empNum, [&] { reader->PresentFinger(Finger("thumb 201")); }), 1);
        EXPECT_EQ(empNum, earlier);
        EXPECT_EQ(candidates.Items(0)->EmpNum, earlier);
        if (scan == 1) {
            EXPECT_EQ(reader->Verifications() - before, 1);  // tried first now
        }
    }
}

TEST_P(FingerPrintWindow, TheDemoListOffersTheEnrolledFingersAndPresentsTheOneTouched)
{
    TStrictPrompts prompts;
    auto form = NewWindow();
    QString empNum;
    QStringList rows;
    const int result = Scan(*form, empNum, [&] {
        auto *list = Child<QListWidget>(*form, "lstFingers");
        for (int i = 0; i < list->count(); ++i)
            rows << list->item(i)->text();
        Touch(*form, FingerRow(*form, S("(202)")));
    });
    EXPECT_EQ(rows, (QStringList{S("Nkosi, Sam (201)"), S("Pretorius, Sam (202)"), S("Unknown finger")}));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(empNum, S("202"));

    // A touch while no scan waits is not kept for the next one.
    form->show();
    Touch(*form, FingerRow(*form, S("(201)")));
    form->close();
    EXPECT_EQ(Scan(*form, empNum, [&] { Touch(*form, FingerRow(*form, S("Unknown"))); }), 0);
    EXPECT_EQ(empNum, QString());
}

TEST_P(FingerPrintWindow, AReaderFailureIsReportedAndNobodyIsIdentified)
{
    struct TFailingReader : TSimulatedFingerprintReader {
        bool Verify() override { throw std::runtime_error("reader unplugged"); }
    };
    auto failing = std::make_unique<TFailingReader>();
    TFailingReader *raw = failing.get();
    TfrmFingerPrint form(std::move(failing), &con);
    TStrictPrompts prompts;
    prompts.ExpectExactMessage(mtInformation, S("Could not determine the user\rReason: reader unplugged\rRaised in TfrmFingerPrint.GetUser"));
    QString empNum;
    QTimer::singleShot(0, &form, [&] { raw->PresentFinger(Finger("thumb 201")); });
    EXPECT_EQ(form.GetUser(Prompt, empNum), 0);
    EXPECT_EQ(empNum, QString());
    EXPECT_FALSE(form.isVisible());
}

// The demo shop's enrolled staff, identified through the access control as a till that
// uses fingerprints does.
class FingerPrintDemoShop : public TDatabaseTest {};
TRELVO_ENGINE_TEST_SUITE(FingerPrintDemoShop);

TEST_P(FingerPrintDemoShop, ADriverIsIdentifiedByTouchingHisName)
{
    con.BeginTransaction();
    TDemoShop(con).Seed();
    con.Commit();
    TOrvikSettings settings;
    settings.SetAdoConnection(&con);
    settings.Load(1);
    settings.LocalSettings.GenUseFingerprint->SetAsBoolean(true);
    TOrvikSettings *previous = OrvikSettings;
    OrvikSettings = &settings;

    TfrmFingerPrint form(std::make_unique<TSimulatedFingerprintReader>(), &con);
    TApp app(&con);
    app.FingerPrintWindow = &form;
    TStrictPrompts prompts;
    QString message;
    QTimer::singleShot(0, &form, [&] {
        message = Child<QLabel>(form, "lblMessage")->text();
        Touch(form, FingerRow(form, S("(203)")));
    });
    EXPECT_EQ(app.GetEmployeeNumber(S("enter driver password")), S("203"));
    EXPECT_EQ(message, S("A Finger Print Is Needed Enter Driver Password"));
    // The cashier has no fingerprint on file.
    EXPECT_EQ(Child<QListWidget>(form, "lstFingers")->count(), 6);
    OrvikSettings = previous;
}
