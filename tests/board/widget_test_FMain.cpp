#include "BoardFixture.h"

#include "board/FMain.h"
#include "support/StrictPrompts.h"
#include "support/WidgetChild.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace {

class FormMain : public TBoardTest {
protected:
    void SetUp() override
    {
        TBoardTest::SetUp();
        AddOrder(1, Now - 30 * Minute, Now + 5 * Minute);
        AddOrder(2, Now - 30 * Minute, Now + 10 * Minute);
        AddOrder(3, Now - 30 * Minute, Now + 15 * Minute, Now - Minute);
        OpenForm();
    }
    void TearDown() override
    {
        form.reset();
        TBoardTest::TearDown();
    }
    void OpenForm()
    {
        form = std::make_unique<TfrmMain>(con, TBoardSettings{}, Store());
        form->resize(1024, 740);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    TGridLayoutStore Store() const { return TGridLayoutStore(m_dir.path(), m_dir.path()); }
    QTableView *Grid() const { return Child<QTableView>(*form, "gridInvoices"); }
    QString Header() const { return Child<QLabel>(*form, "pnlViewStatus")->text(); }
    void Keypad(Qt::Key key) { QTest::keyClick(Grid(), key, Qt::KeypadModifier); }

    QTemporaryDir m_dir;
    std::unique_ptr<TfrmMain> form;
};

TEST_P(FormMain, ShowsTheVersionAndSevenButtonsOfOneSeventhInEitherView)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Invoice Allocation to Drivers. Version: ") + QStringLiteral(TRELVO_VERSION));
    EXPECT_EQ(Header(), QStringLiteral("Not Assigned"));
    EXPECT_EQ(Grid()->model()->rowCount(), 2);
    for (int view = 0; view < 2; ++view) {
        const QWidget *panel = Child<QWidget>(*form, "PnlButtons");
        int visible = 0;
        for (const QPushButton *b : panel->findChildren<QPushButton *>()) {
            if (!b->isVisible())
                continue;
            ++visible;
            EXPECT_EQ(b->height(), qRound(panel->height() / 7.0)) << b->objectName().toStdString();
        }
        EXPECT_EQ(visible, 7);
        Keypad(Qt::Key_5);
    }
    EXPECT_EQ(Child<QPushButton>(*form, "BtnMark")->text(), QStringLiteral("Assign (4)"));
}

TEST_P(FormMain, KeypadKeysActOnTheBoardAndShowTheirKeyCode)
{
    Keypad(Qt::Key_2);
    Keypad(Qt::Key_6);
    EXPECT_EQ(form->Board().Model().Tags().InOrder(), QList<qlonglong>{2});
    EXPECT_EQ(Child<QLabel>(*form, "lblKeyCode")->text(), QStringLiteral("102"));
    EXPECT_EQ(Grid()->currentIndex().row(), 1);
    Keypad(Qt::Key_8);
    EXPECT_EQ(Grid()->currentIndex().row(), 0);

    Keypad(Qt::Key_5);
    EXPECT_EQ(Header(), QStringLiteral("Already Assigned to Drivers"));
    EXPECT_EQ(Child<QPushButton>(*form, "BtnMark")->text(), QStringLiteral("Re-Assign\n(4)"));
    Keypad(Qt::Key_7);
    EXPECT_EQ(form->Board().Grouping().Count(), -1) << "no grouping in the Already Assigned view";
    QTest::keyClick(Grid(), Qt::Key_1);
    EXPECT_EQ(Grid()->currentIndex().row(), 0) << "typed digits do not search the rows";

    TStrictPrompts prompts;
    prompts.ExpectMessage(QStringLiteral("Are you sure you want to quit?"), mrNo)
        .ExpectMessage(QStringLiteral("Are you sure you want to quit?"), mrYes);
    Keypad(Qt::Key_0);
    EXPECT_TRUE(form->isVisible());
    Keypad(Qt::Key_0);
    EXPECT_FALSE(form->isVisible());
}

TEST_P(FormMain, AClickTagsTheRowAndTheDueRowIsYellow)
{
    QTableView *grid = Grid();
    const QRect second = grid->visualRect(grid->model()->index(1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(form->Board().Model().Tags().InOrder(), QList<qlonglong>{2});
    SetClock(Now + 5 * Minute);
    form->Board().RefreshBoard();
    EXPECT_EQ(grid->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow)) << "due this minute";
    EXPECT_EQ(grid->model()->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), grid->palette().color(QPalette::Active, QPalette::Highlight))
        << "current and tagged, not yet due";
    SetClock(Now + 10 * Minute);
    form->Board().RefreshBoard();
    EXPECT_EQ(grid->model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(192, 192, 192)) << "late";
    EXPECT_EQ(grid->model()->index(1, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::yellow)) << "selected and due";
}

TEST_P(FormMain, TheColumnWidthsAUserSetsAreKeptInTheIniFile)
{
    QHeaderView *titles = Grid()->horizontalHeader();
    const int before = titles->sectionSize(3);
    titles->resizeSection(3, before * 2);
    form.reset();
    const TGridLayout saved = Store().Read();
    EXPECT_EQ(saved.Columns()[5].field, TBoardField::NotifyName);
    EXPECT_GT(saved.Columns()[5].width, BoardFields::Def(TBoardField::NotifyName).width);
    OpenForm();
    EXPECT_GT(Grid()->horizontalHeader()->sectionSize(3), before * 3 / 2) << "read back when the window opens";
}

INSTANTIATE_TEST_SUITE_P(SQLite, FormMain, ::testing::Values(TEngine::SQLite), EngineName);

} // namespace
