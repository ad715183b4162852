#include "FDbSelector.h"

#include "app/clsEVxException.h"
#include "ui/TchButton.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTableView>

namespace {

constexpr int RowHeight = 40;

} // namespace

TfrmDbSelector::TfrmDbSelector(QWidget *parent) : TfrmPosForm(parent)
{
    pnlTop = new TVxPanel(pnlMain);
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    pnlTop->setFont(KitFont(QStringLiteral("Arial"), 10, true));
    pnlTop->setFixedHeight(48);
    AddContent(pnlTop);

    nav = new QWidget(pnlMain);
    nav->setObjectName(QStringLiteral("nav"));
    auto *navLayout = new QHBoxLayout(nav);
    navLayout->setContentsMargins(4, 4, 4, 4);
    const struct {
        const char *name;
        const char *caption;
        std::function<void(TfrmDbSelector *)> action;
    } navButtons[] = {
        {"navFirst", "First", [](TfrmDbSelector *f) { f->SetCurrentRow(0); }},
        {"navPrior", "Prior", [](TfrmDbSelector *f) { f->SetCurrentRow(std::max(0, f->CurrentRow() - 1)); }},
        {"navNext", "Next", [](TfrmDbSelector *f) { f->SetCurrentRow(f->CurrentRow() + 1); }},
        {"navLast", "Last", [](TfrmDbSelector *f) { f->SetCurrentRow(f->qry.RecordCount() - 1); }},
        {"navInsert", "Insert", [](TfrmDbSelector *f) { f->DoInsert(); }},
        {"navDelete", "Delete", [](TfrmDbSelector *f) { f->DoDelete(); }},
    };
    for (const auto &b : navButtons) {
        TTchButton *button = NewKitButton(nav, b.name, QString::fromLatin1(b.caption));
        button->setMinimumSize(72, TouchButtonMinHeight);
        button->setFont(KitFont(QStringLiteral("Arial"), 10, true));
        connect(button, &TTchButton::OnClick, this, [this, action = b.action] { action(this); });
        navLayout->addWidget(button);
    }
    AddContent(nav);

    grid = new QTableView(pnlMain);
    grid->setObjectName(QStringLiteral("grid"));
    m_model = new QStandardItemModel(grid);
    grid->setModel(m_model);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(RowHeight);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setFont(KitFont(QStringLiteral("Arial"), 11));
    AddContent(grid, 1);

    btnOK = NewKitButton(pnlBottom, "btnOK", QStringLiteral("&OK"));
    btnCancel = NewKitButton(pnlBottom, "btnCancel", QStringLiteral("&Cancel"), mrCancel);
    btnClose = NewKitButton(pnlBottom, "btnClose", QStringLiteral("Close"), mrCancel);
    connect(btnOK, &TTchButton::OnClick, this, &TfrmDbSelector::btnOKClick);
    resize(560, 460);
    SetAllowEdit(false);
}

void TfrmDbSelector::SetAllowEdit(bool value)
{
    m_allowEdit = value;
    nav->setVisible(value);
    UpdateButtons();
}

void TfrmDbSelector::SetButtons(const QSet<TMsgDlgBtn> &buttons)
{
    m_buttons = buttons;
    UpdateButtons();
}

void TfrmDbSelector::UpdateButtons()
{
    btnOK->setVisible(m_buttons.contains(mbOK));
    btnCancel->setVisible(m_buttons.contains(mbCancel) && m_allowEdit);
    btnClose->setVisible(m_buttons.isEmpty());
    pnlBottom->ArrangeControls();
}

TTchButton *TfrmDbSelector::NavButton(const char *name) const
{
    return nav->findChild<TTchButton *>(QString::fromLatin1(name));
}

int TfrmDbSelector::CurrentRow() const
{
    return grid->currentIndex().isValid() ? grid->currentIndex().row() : -1;
}

void TfrmDbSelector::SetCurrentRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    grid->setCurrentIndex(m_model->index(row, 0));
    grid->selectRow(row);
}

void TfrmDbSelector::FillGrid()
{
    m_model->clear();
    const QStringList fields = qry.FieldNames();
    const QStringList columns = GridColumns.isEmpty() ? fields : GridColumns;
    m_model->setHorizontalHeaderLabels(columns);
    for (qry.First(); !qry.Eof(); qry.Next()) {
        QList<QStandardItem *> items;
        for (const QString &column : columns) {
            auto *item = new QStandardItem(qry.FieldByName(column).AsString().remove(QChar(0)));
            item->setEditable(false);
            items.append(item);
        }
        m_model->appendRow(items);
    }
    grid->resizeColumnsToContents();
    qry.First();
}

bool TfrmDbSelector::DoRefresh()
{
    if (QryStrings.isEmpty())
        throw EVxException(QStringLiteral("TfrmDbSelector.QryStrings has not been set"), QStringLiteral("TfrmDbSelector.DoRefresh"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int remembered = qry.Active() ? CurrentRow() : -1;
    bool hasRows = false;
    try {
        qry.Close();
        qry.SQL() = QryStrings;
        qry.Open();
        AfterRefresh();
        hasRows = !qry.IsEmpty();
        FillGrid();
        SetCurrentRow(remembered >= 0 && remembered < qry.RecordCount() ? remembered : 0);
    } catch (const std::exception &e) {
        QApplication::restoreOverrideCursor();
        ShowError(QStringLiteral("Failed to refresh the query\r\rReason: ") + ExceptionMessage(e) + QStringLiteral("\r\r") +
                  QStringLiteral("Raised In: TfrmDbSelector.DoRefresh"));
        return false;
    }
    QApplication::restoreOverrideCursor();
    return hasRows;
}

void TfrmDbSelector::btnOKClick()
{
    done(mrOk);
}

bool TfrmDbSelector::Execute()
{
    if (!DoRefresh())
        return false;
    return ShowModal() == mrOk;
}

void TfrmDbSelector::keyPressEvent(QKeyEvent *event)
{
    const bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ctrl)
            CtrlEnterKey();
        else
            done(mrOk);  // leaves the selection as it was
        return;
    case Qt::Key_Insert: InsertKey(); return;
    case Qt::Key_Delete: DeleteKey(); return;
    default: TfrmPosForm::keyPressEvent(event);
    }
}

void TfrmDbSelector::done(int result)
{
    TfrmPosForm::done(!qry.Active() || qry.IsEmpty() ? mrCancel : result);
}
