#include "FMain.h"

#include "FTrelvoSettings.h"
#include "LockKeys.h"
#include "data/clsOrvikSettings.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int HeaderHeight = 41;
constexpr int ButtonPanelWidth = 127;
constexpr int StatusKeyPanelWidth = 200;

// "MS Sans Serif" where it exists; the platform's sans serif elsewhere.
QFont BoardFont(int pixelSize)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

// The captions separate their lines with carriage returns.
QString DisplayCaption(const QString &caption)
{
    return QString(caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

// The board's colours as the grid paints them.
class TColourProxy : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    QPalette palette;

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::BackgroundRole)
            return Colour(QIdentityProxyModel::data(index, TBoardModel::BackgroundColourRole));
        if (role == Qt::ForegroundRole)
            return Colour(QIdentityProxyModel::data(index, TBoardModel::FontColourRole));
        return QIdentityProxyModel::data(index, role);
    }

private:
    QVariant Colour(const QVariant &value) const
    {
        const auto colour = static_cast<TColor>(value.toUInt());
        switch (colour) {
        case clDefault: return {};
        case clHighlight: return palette.color(QPalette::Active, QPalette::Highlight);
        case clHighlightText: return palette.color(QPalette::Active, QPalette::HighlightedText);
        default: return QColor::fromRgb(colour);
        }
    }
};

// A frame around the current row: tagged rows are drawn selected too, and the keypad user
// must see which one the cursor is on.
class TCurrentRowFrame : public QStyledItemDelegate {
public:
    TCurrentRowFrame(const TBoardModel &board, QObject *parent) : QStyledItemDelegate(parent), m_board(board) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        plain.state &= ~QStyle::State_HasFocus;
        QStyledItemDelegate::paint(painter, plain, index);
        if (index.row() != m_board.CurrentRow())
            return;
        constexpr int Width = 3;
        const QRect r = option.rect;
        painter->save();
        painter->setPen(Qt::NoPen);
        painter->setBrush(FrameColour);
        painter->drawRect(r.left(), r.top(), r.width(), Width);
        painter->drawRect(r.left(), r.bottom() - Width + 1, r.width(), Width);
        if (index.column() == 0)
            painter->drawRect(r.left(), r.top(), Width, r.height());
        if (index.column() == index.model()->columnCount() - 1)
            painter->drawRect(r.right() - Width + 1, r.top(), Width, r.height());
        painter->restore();
    }

private:
    static inline const QColor FrameColour{255, 140, 0};  // seen on black, silver, yellow and white rows
    const TBoardModel &m_board;
};

QPushButton *NewButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QPushButton(DisplayCaption(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFont(BoardFont(16));
    button->setFocusPolicy(Qt::NoFocus);  // the grid keeps the keypad
    button->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return button;
}

} // namespace

TfrmMain::TfrmMain(TAdoConnection &connection, TBoardSettingsSource settings, TGridLayoutStore layoutStore, QWidget *parent)
    : QMainWindow(parent), m_board(connection, std::move(settings)), m_layoutStore(std::move(layoutStore))
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Invoice Allocation to Drivers"));

    auto *central = new QWidget(this);
    pnlViewStatus = new QLabel(central);
    pnlViewStatus->setObjectName(QStringLiteral("pnlViewStatus"));
    pnlViewStatus->setFixedHeight(HeaderHeight);
    pnlViewStatus->setAlignment(Qt::AlignCenter);
    pnlViewStatus->setFont(BoardFont(21));
    pnlViewStatus->setFrameStyle(QFrame::Panel | QFrame::Raised);

    gridInvoices = new QTableView(central);
    gridInvoices->setObjectName(QStringLiteral("gridInvoices"));
    auto *colours = new TColourProxy(this);
    colours->palette = gridInvoices->palette();
    colours->setSourceModel(&m_board.Model());
    m_colours = colours;
    gridInvoices->setModel(m_colours);
    gridInvoices->setItemDelegate(new TCurrentRowFrame(m_board.Model(), gridInvoices));
    // Rows are drawn selected by the board's colours: the current row and the tagged ones.
    gridInvoices->setSelectionMode(QAbstractItemView::NoSelection);
    gridInvoices->setSelectionBehavior(QAbstractItemView::SelectRows);
    gridInvoices->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gridInvoices->setTabKeyNavigation(false);
    // Rows are one line high: a wrapped second line would never show, so the line is cut
    // with an ellipsis instead.
    gridInvoices->setWordWrap(false);
    gridInvoices->setTextElideMode(Qt::ElideRight);
    gridInvoices->setShowGrid(true);
    gridInvoices->setFont(BoardFont(19));
    gridInvoices->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    gridInvoices->verticalHeader()->hide();
    gridInvoices->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    gridInvoices->verticalHeader()->setDefaultSectionSize(QFontMetrics(gridInvoices->font()).height() * 3 / 2 + 4);
    QHeaderView *titles = gridInvoices->horizontalHeader();
    titles->setFont(BoardFont(16));
    titles->setDefaultAlignment(Qt::AlignCenter);
    titles->setSectionsMovable(false);
    titles->setSectionResizeMode(QHeaderView::Interactive);
    titles->setHighlightSections(false);
    titles->setMinimumSectionSize(12);
    gridInvoices->installEventFilter(this);
    gridInvoices->viewport()->installEventFilter(this);

    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(gridInvoices, 1);
    body->addWidget(BuildButtons());
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlViewStatus);
    layout->addLayout(body, 1);
    setCentralWidget(central);

    BuildMenus();
    BuildStatusBar();

    TBoardModel &model = m_board.Model();
    connect(&model, &QAbstractItemModel::modelReset, this, &TfrmMain::ApplyColumnWidths);
    connect(&model, &TBoardModel::CurrentRowChanged, this, &TfrmMain::ShowCurrentRow);
    connect(gridInvoices->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    m_board.Model().SetCurrentRow(current.row());
            });
    connect(titles, &QHeaderView::sectionResized, this, [this](int column, int, int newSize) { ColumnResized(column, newSize); });
    connect(&m_board, &TDispatchBoard::Changed, this, &TfrmMain::UpdateControls);
    connect(&m_board, &TDispatchBoard::QuitConfirmed, this, &QWidget::close);
    connect(&m_board, &TDispatchBoard::BusyChanged, this, [this](bool busy) {
        if (busy == m_busy)
            return;
        m_busy = busy;
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });

    model.SetLayout(m_layoutStore.Read());
    UpdateControls();

    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &TfrmMain::ClockTick);
    m_clock.start();
    ClockTick();
}

TfrmMain::~TfrmMain()
{
    m_layoutStore.Write(m_board.Model().Layout());
    if (m_busy)
        QApplication::restoreOverrideCursor();
}

QWidget *TfrmMain::BuildButtons()
{
    PnlButtons = new QWidget(this);
    PnlButtons->setObjectName(QStringLiteral("PnlButtons"));
    PnlButtons->setFixedWidth(ButtonPanelWidth);
    BtnUp = NewButton(PnlButtons, "BtnUp", QStringLiteral("  (8)"));
    BtnUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    BtnDown = NewButton(PnlButtons, "BtnDown", QStringLiteral("  (2)"));
    BtnDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    for (QPushButton *arrow : {BtnUp, BtnDown})
        arrow->setIconSize(QSize(32, 32));
    btnTagUntag = NewButton(PnlButtons, "btnTagUntag", QStringLiteral("Tag/Untag (6)"));
    btnGroup = NewButton(PnlButtons, "btnGroup", QStringLiteral("Group (7)"));
    BtnMark = NewButton(PnlButtons, "BtnMark", QStringLiteral("Assign (4)"));
    BtnDriverLeaving = NewButton(PnlButtons, "BtnDriverLeaving", QStringLiteral("Driver\r\nIn/Out\r\n(Enter)"));
    BtnSwitchView = NewButton(PnlButtons, "BtnSwitchView", QStringLiteral("Switch\r\n View  (5)"));
    BtnQuit = NewButton(PnlButtons, "BtnQuit", QStringLiteral("Quit (0)"));

    auto *column = new QVBoxLayout(PnlButtons);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (QPushButton *b : {BtnUp, BtnDown, btnTagUntag, btnGroup, BtnMark, BtnDriverLeaving, BtnSwitchView, BtnQuit})
        column->addWidget(b);
    column->addStretch();
    PnlButtons->installEventFilter(this);

    connect(BtnUp, &QPushButton::clicked, this, [this] { m_board.Prior(); });
    connect(BtnDown, &QPushButton::clicked, this, [this] { m_board.Next(); });
    connect(btnTagUntag, &QPushButton::clicked, this, [this] { m_board.MarkRecord(); });
    connect(btnGroup, &QPushButton::clicked, this, [this] { m_board.ToggleGrouping(); });
    connect(BtnMark, &QPushButton::clicked, this, [this] { m_board.AssignOrReassign(); });
    connect(BtnDriverLeaving, &QPushButton::clicked, this, [this] { m_board.DriverInOut(); });
    connect(BtnSwitchView, &QPushButton::clicked, this, [this] { m_board.SwitchView(); });
    connect(BtnQuit, &QPushButton::clicked, this, [this] { m_board.ConfirmQuit(); });
    return PnlButtons;
}

void TfrmMain::ShowTrelvoSettings()
{
    if (!OrvikSettings)
        return;
    TfrmTrelvoSettings form(OrvikSettings->GlobalSettings, this);
    if (form.exec() == QDialog::Accepted)
        m_board.SettingsChanged();
}

void TfrmMain::BuildMenus()
{
    QMenu *settingsMenu = menuBar()->addMenu(QStringLiteral("Settings"));
    QAction *orvikSettings = settingsMenu->addAction(QStringLiteral("Orvik Settings"));
    orvikSettings->setObjectName(QStringLiteral("OrvikSettings1"));
    QAction *trelvoSettings = settingsMenu->addAction(QStringLiteral("Trelvo Settings"));
    trelvoSettings->setObjectName(QStringLiteral("TrelvoSettings1"));
    connect(orvikSettings, &QAction::triggered, this, [this] { m_board.OrvikSettingsClick(); });
    connect(trelvoSettings, &QAction::triggered, this, [this] { m_board.TrelvoSettingsClick(); });
    connect(&m_board, &TDispatchBoard::TrelvoSettingsRequested, this, &TfrmMain::ShowTrelvoSettings);

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    PopupMenu->setFont(BoardFont(16));
    struct TItem {
        const char *name, *caption, *shortcut;
        void (TDispatchBoard::*action)();
    };
    static constexpr TItem Items[] = {
        {"mnuAssign", "&Assign", "4", &TDispatchBoard::AssignOrReassign},
        {"Prior1", "&Prior", "8", &TDispatchBoard::Prior},
        {"Next1", "&Next", "2", &TDispatchBoard::Next},
        {"Switch1", "&Switch", "5", nullptr},
        {"Quit1", "&Quit", "0", &TDispatchBoard::ConfirmQuit},
    };
    for (const TItem &item : Items) {
        QAction *action = PopupMenu->addAction(QString::fromLatin1(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        addAction(action);  // the shortcuts work while the menu is closed
        const auto run = item.action;
        connect(action, &QAction::triggered, this, [this, run] {
            if (run)
                (m_board.*run)();
            else
                m_board.SwitchView();
        });
    }
    for (QWidget *w : {static_cast<QWidget *>(this), static_cast<QWidget *>(gridInvoices), static_cast<QWidget *>(pnlViewStatus)}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this, [this, w](const QPoint &pos) { PopupMenu->popup(w->mapToGlobal(pos)); });
    }
}

void TfrmMain::BuildStatusBar()
{
    const auto label = [this](const char *name) {
        auto *l = new QLabel(this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    lblKeyCode = label("lblKeyCode");
    lblKeyCode->setFixedWidth(StatusKeyPanelWidth);
    lblStatusText = label("lblStatusText");
    lblDateTime = label("lblDateTime");
    lblNumLock = label("lblNumLock");
    lblCapsLock = label("lblCapsLock");
    statusBar()->addWidget(lblKeyCode);
    statusBar()->addWidget(lblStatusText, 1);
    for (QLabel *info : {lblDateTime, lblNumLock, lblCapsLock})
        statusBar()->addPermanentWidget(info);
}

void TfrmMain::UpdateControls()
{
    pnlViewStatus->setText(m_board.HeaderCaption());
    BtnMark->setText(DisplayCaption(m_board.MarkCaption()));
    btnGroup->setText(DisplayCaption(m_board.GroupCaption()));
    btnGroup->setVisible(m_board.GroupVisible());
    BtnDriverLeaving->setVisible(m_board.DriverLeavingVisible());
    ArrangeButtons();
}

void TfrmMain::ArrangeButtons()
{
    const QList<QPushButton *> buttons{BtnUp, BtnDown, btnTagUntag, btnGroup, BtnMark, BtnDriverLeaving, BtnSwitchView, BtnQuit};
    const int height = qRound(PnlButtons->height() / double(buttons.size() - 1));
    for (QPushButton *b : buttons)
        b->setFixedHeight(std::max(height, 1));
}

int TfrmMain::CharWidth() const
{
    return QFontMetrics(gridInvoices->font()).horizontalAdvance(u'0');
}

int TfrmMain::Padding() const
{
    return 2 * gridInvoices->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, gridInvoices) + 6;
}

void TfrmMain::ApplyColumnWidths()
{
    const TBoardModel &model = m_board.Model();
    QList<int> natural;
    int total = 0;
    for (int c = 0; c < model.columnCount(); ++c) {
        int width = 0;
        for (const TGridColumn &column : model.Layout().Columns())
            if (column.field == model.FieldAt(c))
                width = column.width * CharWidth() + Padding();
        natural.append(width);
        total += width;
    }
    // A wide screen spreads the columns over the grid instead of leaving half of it empty, and
    // a layout a little too wide is narrowed rather than scrolled; the saved widths stay the
    // layout's.
    constexpr double MostNarrowed = 0.85;
    const int available = gridInvoices->viewport()->width();
    m_widthScale = total > 0 ? std::max(MostNarrowed, double(available) / total) : 1.0;
    m_applyingWidths = true;
    for (int c = 0; c < natural.size(); ++c)
        gridInvoices->setColumnWidth(c, int(natural[c] * m_widthScale));
    m_applyingWidths = false;
}

void TfrmMain::ColumnResized(int column, int newSize)
{
    if (m_applyingWidths)
        return;
    const int chars = qRound((newSize / m_widthScale - Padding()) / double(CharWidth()));
    m_board.Model().SetColumnWidth(column, std::max(1, chars));
}

void TfrmMain::ShowCurrentRow(int row)
{
    if (row < 0 || row >= m_colours->rowCount())
        return;
    const int column = std::max(gridInvoices->currentIndex().column(), 0);
    const QModelIndex index = m_colours->index(row, std::min(column, m_colours->columnCount() - 1));
    if (gridInvoices->currentIndex() != index)
        gridInvoices->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    gridInvoices->scrollTo(index);
}

void TfrmMain::ClockTick()
{
    lblDateTime->setText(QDateTime::currentDateTime().toString(QStringLiteral("dd MMM yy hh:mm:ss")));
    const TLockKeys keys = ReadLockKeys();
    const auto show = [](QLabel *label, const char *caption, std::optional<bool> on) {
        label->setVisible(on.has_value());
        if (on)
            label->setText(QString::fromLatin1(caption) + (*on ? QStringLiteral(" On") : QStringLiteral(" Off")));
    };
    show(lblNumLock, "Num:", keys.numLock);
    show(lblCapsLock, "Caps:", keys.capsLock);
    m_board.Model().SetNow(DateTimes::Now());
}

void TfrmMain::BringForward()
{
    if (isMinimized())
        showMaximized();
    raise();
    activateWindow();
}

void TfrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    setWindowTitle(QStringLiteral("Invoice Allocation to Drivers. Version: ") + QStringLiteral(TRELVO_VERSION));
    gridInvoices->setFocus();
    m_board.FormShow();
}

bool TfrmMain::GridKeyPress(QKeyEvent *event)
{
    const int code = BoardKeys::VirtualKeyCode(event->key(), event->modifiers());
    lblKeyCode->setText(QString::number(code ? code : static_cast<int>(event->nativeVirtualKey())));
    if (m_board.Perform(BoardKeys::ActionFor(event->key(), event->modifiers())))
        return true;
    // Typed characters do nothing on the board (the grid would search its rows with them).
    return !event->text().isEmpty() && event->text().at(0).isPrint();
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == PnlButtons && event->type() == QEvent::Resize) {
        ArrangeButtons();
    } else if (watched == gridInvoices) {
        if (event->type() == QEvent::ShortcutOverride) {
            // Keypad digits are the grid's, not the menu's main-keyboard shortcuts.
            auto *key = static_cast<QKeyEvent *>(event);
            if (BoardKeys::ActionFor(key->key(), key->modifiers()) != TBoardAction::None) {
                event->accept();
                return true;
            }
        } else if (event->type() == QEvent::KeyPress) {
            return GridKeyPress(static_cast<QKeyEvent *>(event));
        }
    } else if (watched == gridInvoices->viewport() && event->type() == QEvent::Resize) {
        ApplyColumnWidths();
    } else if (watched == gridInvoices->viewport() && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (gridInvoices->indexAt(mouse->position().toPoint()).isValid())
            m_board.MarkRecord();
    }
    return QMainWindow::eventFilter(watched, event);
}
