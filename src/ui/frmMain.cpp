#include "frmMain.h"
#include "MainWindowParts.h"

#include "ButtonEdit.h"
#include "ControlPlacement.h"
#include "DateEdit.h"
#include "FormGeometry.h"
#include "FormPageScroll.h"
#include "FormPageView.h"
#include "FormStyle.h"
#include "ImportReturn.h"
#include "LinkButton.h"
#include "ListBox.h"
#include "MaskEdit.h"
#include "NumericEdit.h"
#include "ToggleButton.h"
#include "frmAbout.h"
#include "uFranchise.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <array>
#include <stdexcept>

namespace qv::ui {

using namespace window;

namespace {

constexpr int kEditionYear = 2010;

// ---------------------------------------------------------------------------------------------
// The page table.

enum class Widget : uint8_t {
    Edit,
    ButtonEdit,
    FeinEdit,
    SsnEdit,
    PhoneEdit,
    DateEdit,
    List,
    Toggle,
    Radio,
    Button,
    Link,
    Entry,
    Totals,
    Dollars,
    Cents,
    Ratio,
    Shares,
    Par,
    Year
};
enum class State : uint8_t { Enabled, Disabled, Hidden };

struct PlacedControl {
    PageTab Tab;
    const char* Name;
    Widget Kind;
    State Initial;
    std::string_view Anchor;
    double Dx, Dy, Width, Height;
};

constexpr PlacedControl kControls[] = {
#define QV_CONTROL(tab, control, widget, state, anchor, dx, dy, width, height)                               \
    {PageTab::tab, #control, Widget::widget, State::state, anchor, dx, dy, width, height},
#include "PageControls.def"
#undef QV_CONTROL
};

constexpr std::array<int, 6> kTemplatePage = {form::page::BalanceSheet, form::page::ScheduleBCD,
                                              form::page::Form200,      form::page::ScheduleA,
                                              form::page::MinMax,       form::page::Form200F};
constexpr std::array<const char*, 6> kTabNames = {"tsBalSheet", "tsSchedBCD", "ts200",
                                                  "tsSchedA",   "tsMinMax",   "ts200F"};
constexpr std::array<const char*, 6> kTabCaptions = {"Bal Sheet",  "Schedule BCD", "200",
                                                     "Schedule A", "Min Max",      "200F"};

const char* DesignFormat(Widget kind) {
    switch (kind) {
    case Widget::Entry:
    case Widget::Totals:
    case Widget::Par:
        return kCentsEntry;
    case Widget::Dollars:
        return kWholeEntry;
    case Widget::Cents:
        return ",0 .0  0;(,0 .0  0)";
    case Widget::Ratio:
        return "0  0  0  0;(0  0  0  0)";
    case Widget::Shares:
        return ",0.0000;(,0.0000)";
    case Widget::Year:
        return "0";
    default:
        return nullptr;
    }
}

const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                               "July",    "August",   "September", "October", "November", "December"};
const char* const kMinMaxTaxItems[] = {"0.00", "10.00", "20000.00"};

// A line edit keeps this many pixels between its text and its right edge.
constexpr double kLineEditTextMargin = 2;

// Line 9's digits, one to a box: the letter spacing makes a digit and the two spaces its format puts
// after it one box wide, and the control ends where its last digit sits in the middle of the last
// box. The spacing is a percentage of the font, so it follows the zoom as the font does. Returns how
// far, in points, the control's right edge moves in.
double SpaceDigitsIntoBoxes(QWidget* w, double widthPoints, size_t boxes, double pixelsPerPoint) {
    QFont font = w->font();
    const QFontMetricsF metrics(font);
    const double digit = metrics.horizontalAdvance(QLatin1Char('0')),
                 space = metrics.horizontalAdvance(QLatin1Char(' '));
    const double pitch = widthPoints / static_cast<double>(boxes) * pixelsPerPoint;
    const double percent = 100.0 * pitch / (digit + 2 * space);
    font.setLetterSpacing(QFont::PercentageSpacing, percent);
    w->setFont(font);
    // Right-aligned, the last digit's widened cell ends at the text's right edge.
    const double cell = digit * percent / 100.0;
    return (pitch / 2 + digit / 2 - cell - kLineEditTextMargin) / pixelsPerPoint;
}

bool IsUserFocus(Qt::FocusReason reason) {
    // A dialog or another window closing, a pop-up closing, or the program moving the focus (a tab
    // switch) is not the user entering a field.
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
}

} // namespace

// ---------------------------------------------------------------------------------------------

TfMain::TfMain(Services& services, Prompts& prompts, QWidget* parent)
    : QMainWindow(parent), services_(services), prompts_(prompts) {
    setObjectName("fMain");
    setWindowTitle("Ostrel Software :: Quorvex 2010");
    resize(859, 682);
    BuildActions();
    BuildPages();
    FormCreate();
}

TfMain::~TfMain() = default;

std::string TfMain::ProgramFolder() const {
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith('/'))
        dir += '/';
    return QDir::toNativeSeparators(dir).toStdString();
}

QWidget* TfMain::Control(const char* name) const {
    QWidget* w = findChild<QWidget*>(QString::fromLatin1(name));
    if (w == nullptr)
        throw std::logic_error(std::string("the window has no control ") + name);
    return w;
}

std::unique_ptr<Franchise> TfMain::NewReturn() const {
    auto doc = std::make_unique<Franchise>(kEditionYear, services_);
    doc->ProgramFolder = ProgramFolder();
    return doc;
}

// ---------------------------------------------------------------------------------------------
// Composition.

void TfMain::BuildActions() {
    auto make = [this](const char* name, const char* caption, const char* hint, QKeySequence shortcut = {}) {
        auto* a = new QAction(QString::fromUtf8(caption), this);
        a->setObjectName(name);
        if (hint != nullptr) {
            const QString h = QString::fromUtf8(hint);
            a->setToolTip(h.section('|', 0, 0));
            a->setStatusTip(h.section('|', 1));
        }
        if (!shortcut.isEmpty())
            a->setShortcut(shortcut);
        return a;
    };
    QStyle* st = style();
    FileNew1_ = make("FileNew1", "&New", "New|Create a new file", QKeySequence("Ctrl+N"));
    FileNew1_->setIcon(st->standardIcon(QStyle::SP_FileIcon));
    FileOpen1_ = make("FileOpen1", "&Open", "Open|Open a file", QKeySequence("Ctrl+O"));
    FileOpen1_->setIcon(st->standardIcon(QStyle::SP_DialogOpenButton));
    FileSave1_ = make("FileSave1", "&Save", "Save|Save current file", QKeySequence("Ctrl+S"));
    FileSave1_->setIcon(st->standardIcon(QStyle::SP_DialogSaveButton));
    FileSaveAs1_ = make("FileSaveAs1", "Save &As...", "Save As|Save current file with different name");
    FileImport1_ = make("FileImport1", "&Import", nullptr);
    FilePrint1_ = make("FilePrint1", "&Print", "Print|Print Franchise Tax Forms");
    FilePrintSelected_ = make("FilePrintSelected", "P&rint Selected", nullptr);
    FilePrintSelected_->setIcon(st->standardIcon(QStyle::SP_FileDialogDetailedView));
    FileExit1_ = make("FileExit1", "E&xit", "Exit|Exit application");
    EditCut1_ = make("EditCut1", "Cu&t", "Cut|Cuts the selection and puts it on the Clipboard",
                     QKeySequence("Ctrl+X"));
    EditCopy1_ = make("EditCopy1", "&Copy", "Copy|Copies the selection and puts it on the Clipboard",
                      QKeySequence("Ctrl+C"));
    EditPaste1_ = make("EditPaste1", "&Paste", "Paste|Inserts Clipboard contents", QKeySequence("Ctrl+V"));
    EditOptions_ = make("EditOptions", "Options", nullptr);
    QAction* support = make("actSupport", "&Support", nullptr);
    QAction* updates = make("actCheckForUpdates", "&Check for Updates", nullptr);
    QAction* about = make("HelpAbout1", "&About...", "About|Shows the program's version and copyright");
    QAction* zoomIn = make("ViewZoomIn", "Zoom &In", "Zoom In|Shows the pages larger", QKeySequence::ZoomIn);
    QAction* zoomOut =
        make("ViewZoomOut", "Zoom &Out", "Zoom Out|Shows the pages smaller", QKeySequence::ZoomOut);
    QAction* zoomReset = make("ViewZoomReset", "&Actual Size",
                              "Actual Size|Shows the pages at their own size", QKeySequence("Ctrl+0"));
    // Ctrl+= is where most keyboards have the plus.
    zoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence("Ctrl+=")});

    EditCut1_->setIcon(QIcon::fromTheme("edit-cut"));
    EditCopy1_->setIcon(QIcon::fromTheme("edit-copy"));
    EditPaste1_->setIcon(QIcon::fromTheme("edit-paste"));

    connect(FileNew1_, &QAction::triggered, this, [this] { Run([this] { FileNew1Execute(); }); });
    connect(FileOpen1_, &QAction::triggered, this, [this] { Run([this] { FileOpen1Execute(); }); });
    connect(FileSave1_, &QAction::triggered, this, [this] { Run([this] { FileSave1Execute(); }); });
    connect(FileSaveAs1_, &QAction::triggered, this, [this] { Run([this] { FileSaveAs1Execute(); }); });
    connect(FileImport1_, &QAction::triggered, this, [this] { Run([this] { FileImport1Execute(); }); });
    connect(FilePrint1_, &QAction::triggered, this, [this] { Run([this] { FilePrint1Execute(); }); });
    connect(FilePrintSelected_, &QAction::triggered, this,
            [this] { Run([this] { FilePrintSelectedExecute(); }); });
    connect(about, &QAction::triggered, this, [this] { Run([this] { HelpAbout1Execute(); }); });
    connect(support, &QAction::triggered, this, [this] { Run([this] { actSupportExecute(); }); });
    connect(updates, &QAction::triggered, this, [this] { Run([this] { actCheckForUpdatesExecute(); }); });
    connect(FileExit1_, &QAction::triggered, this, [this] { FileExit1Execute(); });
    connect(EditOptions_, &QAction::triggered, this, [this] { Run([this] { EditOptionsExecute(); }); });
    connect(EditCut1_, &QAction::triggered, this, [this] {
        if (editTarget_ != nullptr)
            editTarget_->cut();
    });
    connect(EditCopy1_, &QAction::triggered, this, [this] {
        if (editTarget_ != nullptr)
            editTarget_->copy();
    });
    connect(EditPaste1_, &QAction::triggered, this, [this] {
        if (editTarget_ != nullptr)
            editTarget_->paste();
    });
    connect(zoomIn, &QAction::triggered, this, &TfMain::ZoomIn);
    connect(zoomOut, &QAction::triggered, this, &TfMain::ZoomOut);
    connect(zoomReset, &QAction::triggered, this, &TfMain::ResetZoom);

    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File1");
    file->menuAction()->setStatusTip("File Commands");
    file->addActions({FileNew1_, FileOpen1_, FileSave1_, FileSaveAs1_});
    file->addSeparator();
    file->addAction(FileImport1_);
    file->addSeparator();
    file->addActions({FilePrint1_, FilePrintSelected_});
    file->addSeparator();
    file->addAction(FileExit1_);
    QMenu* edit = menuBar()->addMenu("&Edit");
    edit->setObjectName("Edit1");
    edit->menuAction()->setStatusTip("Edit commands");
    edit->addActions({EditCut1_, EditCopy1_, EditPaste1_});
    edit->addSeparator();
    edit->addAction(EditOptions_);
    QMenu* view = menuBar()->addMenu("&View");
    view->setObjectName("View1");
    view->addActions({zoomIn, zoomOut, zoomReset});
    BuildDiagnostics(view);
    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Help1");
    help->menuAction()->setStatusTip("Help topics");
    help->addActions({support, updates, about});

    QToolBar* bar = addToolBar("Standard");
    bar->setObjectName("ToolBar1");
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->addActions({FileNew1_, FileOpen1_, FileSave1_});
    bar->addSeparator();
    auto* print = new QToolButton(bar);
    print->setObjectName("btnPrint");
    print->setDefaultAction(FilePrintSelected_);
    print->setText("Print");
    print->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    print->setPopupMode(QToolButton::MenuButtonPopup);
    auto* printMenu = new QMenu(print);
    printMenu->setObjectName("pmPrint");
    QAction* printAll = printMenu->addAction("&Print All                  ");
    printAll->setObjectName("PrintAll1");
    connect(printAll, &QAction::triggered, FilePrint1_, &QAction::trigger);
    print->setMenu(printMenu);
    bar->addWidget(print);
    bar->addSeparator();
    bar->addActions({EditCut1_, EditCopy1_, EditPaste1_});

    statusBar()->setObjectName("StatusBar1");

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget*) { UpdateEditActions(); });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { UpdateEditActions(); });
    UpdateEditActions();
}

void TfMain::BuildPages() {
    pcTax_ = new QTabWidget(this);
    pcTax_->setObjectName("pcTax");
    pcTax_->setFocusPolicy(Qt::NoFocus);
    setCentralWidget(pcTax_);
    for (size_t t = 0; t < kTemplatePage.size(); ++t) {
        auto* scroll = new FormPageScroll(kTemplatePage[t], pcTax_);
        scroll->setObjectName(kTabNames[t]);
        pcTax_->addTab(scroll, kTabCaptions[t]);
        pages_.push_back(scroll);
    }
    order_.resize(pages_.size());

    std::unordered_map<std::string_view, const Binding*> bindingOf;
    for (const Binding& b : kBindings)
        bindingOf.emplace(b.Control, &b);

    for (const PlacedControl& c : kControls) {
        const size_t t = static_cast<size_t>(c.Tab);
        FormPageView* view = pages_[t]->page();
        const QString name = QString::fromLatin1(c.Name);
        QWidget* w = nullptr;
        switch (c.Kind) {
        case Widget::Edit:
            w = new QLineEdit(view);
            break;
        case Widget::ButtonEdit:
            w = new ButtonEdit(view);
            break;
        case Widget::FeinEdit:
            w = new MaskEdit(MaskEdit::Mask::Fein, view);
            break;
        case Widget::SsnEdit:
            w = new MaskEdit(MaskEdit::Mask::Ssn, view);
            break;
        case Widget::PhoneEdit:
            w = new MaskEdit(MaskEdit::Mask::Phone, view);
            break;
        case Widget::DateEdit: {
            auto* d = new DateEdit(view);
            d->setRegional(services_.regional);
            w = d;
            break;
        }
        case Widget::List:
            w = new ListBox(view);
            break;
        case Widget::Toggle:
            w = new ToggleButton(view);
            break;
        case Widget::Radio: {
            // The button covers the form's own caption and puts its circle on the form's box.
            auto* r = new QRadioButton(view);
            r->setLayoutDirection(Qt::RightToLeft);
            SetZoomedFont(r, 7, 1);
            r->setAutoFillBackground(true);
            QPalette palette = r->palette();
            palette.setColor(QPalette::Window, Qt::white);
            r->setPalette(palette);
            w = r;
            break;
        }
        case Widget::Button: {
            auto* b = new QPushButton(view);
            b->setAutoDefault(false);
            w = b;
            break;
        }
        case Widget::Link: {
            // A link takes the focus with Tab in its place of the page's order; Space clicks it.
            const bool attach = std::string_view(c.Name).starts_with("urlAttach");
            auto* l = new LinkButton(attach ? "(Please attach schedule)" : "Add More", view);
            SetZoomedFont(l, attach ? 6.5 : 7.5, 1);
            w = l;
            break;
        }
        default: {
            auto* n = new NumericEdit(view);
            n->setRegional(services_.regional);
            n->setDisplayFormat(DesignFormat(c.Kind));
            if (c.Kind == Widget::Year)
                n->setWholeNumbersOnly(true);
            if (c.Kind == Widget::Entry)
                entryAmounts_.push_back(n);
            w = n;
            break;
        }
        }
        w->setObjectName(name);
        if (qobject_cast<QLineEdit*>(w) != nullptr || qobject_cast<QComboBox*>(w) != nullptr)
            ApplyFieldStyle(w);
        if (c.Kind >= Widget::Entry)
            w->setFont(AmountFont());

        // The place: the box the field prints in, or the named stamp, moved by the table's offsets.
        const form::Stamp* anchor = nullptr;
        const auto bound = bindingOf.find(c.Name);
        if (c.Anchor.empty() && bound == bindingOf.end())
            throw std::logic_error(std::string("no field to place ") + c.Name + " by");
        for (const form::Stamp& s : form::Layout(kTemplatePage[t]).Stamps)
            if (c.Anchor.empty() ? s.Field == bound->second->Field : s.Item == c.Anchor) {
                anchor = &s;
                break;
            }
        if (anchor == nullptr)
            throw std::logic_error(std::string("no place on the page for ") + c.Name);
        const std::optional<form::Rect> at = forms::StampRect(*anchor);
        if (c.Initial == State::Disabled && form::IsBoxRow(anchor->Kind) && c.Kind != Widget::Ratio) {
            // A value shown over a row of digit boxes would have the box rules run through its
            // figures: it covers them. Line 9's format spaces its digits into the boxes.
            QPalette palette = w->palette();
            palette.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
            w->setPalette(palette);
        }
        const double left = at->Left + c.Dx, top = at->Top + c.Dy;
        double right = c.Width != 0 ? left + c.Width : at->Right + c.Dx;
        if (c.Kind == Widget::Ratio && !anchor->Xs.empty())
            right -= SpaceDigitsIntoBoxes(w, right - left, anchor->Xs.size(), view->scale() / view->zoom());
        view->place(w, form::Rect{left, top, right, c.Height != 0 ? top + c.Height : at->Bottom + c.Dy});

        if (c.Initial == State::Disabled)
            w->setEnabled(false);
        if (c.Initial == State::Hidden)
            w->setHidden(true);
        order_[t].push_back(w);
        pageOf_.emplace(w, c.Tab);
        w->installEventFilter(this);
    }

    // Bindings, resolved once.
    const FieldDef* previous = nullptr;
    for (const Binding& b : kBindings) {
        const FieldDef* def = &DefOf(b.Field);
        bound_.push_back(
            Bound{&b, def, b.Conversion == Conv::Opposite ? previous : nullptr, Control(b.Control)});
        previous = def;
        if (b.Triggers != None)
            triggers_[bound_.back().Widget] |= b.Triggers;
    }
    for (const TriggerOnly& t : kTriggerOnly)
        triggers_[Control(t.Control)] |= t.Triggers;

    // Clicks and close-ups that run the cycle.
    for (const auto& [object, triggers] : triggers_) {
        QWidget* w = const_cast<QWidget*>(static_cast<const QWidget*>(object));
        if (triggers & Click)
            if (auto* button = qobject_cast<QAbstractButton*>(w))
                connect(button, &QAbstractButton::clicked, this, [this] { Run([this] { eBsEINEnter(); }); });
        if (triggers & CloseUp) {
            if (auto* list = qobject_cast<ListBox*>(w))
                connect(list, &ListBox::closeUp, this, [this] { Run([this] { eBsEINEnter(); }); });
            if (auto* date = qobject_cast<DateEdit*>(w))
                connect(date, &DateEdit::closeUp, this, [this] { Run([this] { eBsEINEnter(); }); });
        }
    }

    // The pairs of which exactly one is pressed.
    auto pair = [this](const char* first, const char* second) {
        auto* group = new QButtonGroup(this);
        group->setExclusive(true);
        group->addButton(Control<QAbstractButton>(first));
        group->addButton(Control<QAbstractButton>(second));
    };
    pair("b200IncOkla", "b200IncOther");
    pair("btnOption1", "btnOption2");
    for (const char* toggle : {"b200IncOkla", "b200IncOther", "b200Change", "b200EstReturn",
                               "bMMForeignCorporation", "bMMChange", "bMMEstimatedRtn", "rtcElect"})
        Control<QAbstractButton>(toggle)->setCheckable(true);

    e200Line12_ = Control<NumericEdit>("e200Line12");
    e200Line13_ = Control<NumericEdit>("e200Line13");
    e200Line15_ = Control<NumericEdit>("e200Line15");
    e200Line16_ = Control<NumericEdit>("e200Line16");
    eMMLine2_ = Control<NumericEdit>("eMMLine2");
    eMMLine4_ = Control<NumericEdit>("eMMLine4");
    eMMLine5_ = Control<NumericEdit>("eMMLine5");
    eMMLine1_ = Control<ListBox>("eMMLine1");
    btne200Line13_ = Control<QAbstractButton>("btne200Line13");
    btne200Line14_ = Control<QAbstractButton>("btne200Line14");
    btne200Line15_ = Control<QAbstractButton>("btne200Line15");
    btne200Line16_ = Control<QAbstractButton>("btne200Line16");
    bMMLine2_ = Control<QAbstractButton>("bMMLine2");
    bMMLine3_ = Control<QAbstractButton>("bMMLine3");
    bMMLine4_ = Control<QAbstractButton>("bMMLine4");
    bMMLine5_ = Control<QAbstractButton>("bMMLine5");

    auto click = [this](QAbstractButton* b, void (TfMain::*handler)()) {
        connect(b, &QAbstractButton::clicked, this,
                [this, handler] { Run([this, handler] { (this->*handler)(); }); });
    };
    click(btne200Line13_, &TfMain::btne200Line13Click);
    click(btne200Line15_, &TfMain::btne200Line15Click);
    click(btne200Line16_, &TfMain::btne200Line16Click);
    click(bMMLine2_, &TfMain::bMMLine2Click);
    click(bMMLine4_, &TfMain::bMMLine4Click);
    click(bMMLine5_, &TfMain::bMMLine5Click);
    click(btne200Line14_, &TfMain::btne200Line14Click);
    click(bMMLine3_, &TfMain::bMMLine3Click);
    click(Control<QAbstractButton>("urlSubsidiaries"), &TfMain::urlSubsidiariesClick);
    click(Control<QAbstractButton>("urlAffiliates"), &TfMain::urlAffiliatesClick);
    click(Control<QAbstractButton>("urlCurrDebt"), &TfMain::urlCurrDebtClick);
    click(Control<QAbstractButton>("urlAttachOthCurrAssets"), &TfMain::urlAttachOthCurrAssetsClick);
    click(Control<QAbstractButton>("urlAttachOthCurrInvest"), &TfMain::urlAttachOthCurrInvestClick);
    auto periodButton = [this](const char* edit, void (TfMain::*handler)()) {
        connect(Control<ButtonEdit>(edit), &ButtonEdit::buttonClicked, this,
                [this, handler] { Run([this, handler] { (this->*handler)(); }); });
    };
    periodButton("e200ReportPeriod", &TfMain::e200ReportPeriodButtonClick);
    periodButton("eMMReportPeriod", &TfMain::eMMReportPeriodButtonClick);
    RTCBegin_ = Control<ListBox>("RTCBegin");
    RTCEnd_ = Control<ListBox>("RTCEnd");
    connect(RTCBegin_, &ListBox::closeUp, this, [this] { Run([this] { RTCBeginCloseUp(); }); });
    connect(RTCEnd_, &ListBox::closeUp, this, [this] { Run([this] { RTCEndCloseUp(); }); });
    btne200Line14_->setText("Calculate");
    bMMLine3_->setText("Calculate");

    Control<QAbstractButton>("btnOption1")->setText("Option 1");
    Control<QAbstractButton>("btnOption2")->setText("Option 2");
}

// ---------------------------------------------------------------------------------------------
// Lifecycle.

void TfMain::FormCreate() {
    for (const char* name : {"e200TaxYear", "eMMTaxYear"}) {
        auto* list = Control<ListBox>(name);
        list->clear();
        for (int year = kEditionYear; year > kEditionYear - 10; --year)
            list->addItem(QString::number(year).right(2));
        list->setCurrentIndex(1);
    }
    eMMLine1_->clear();
    for (const char* item : kMinMaxTaxItems)
        eMMLine1_->addItem(item);
    eMMLine1_->setCurrentIndex(0);
    for (const char* name : {"RTCBegin", "RTCEnd"}) {
        auto* list = Control<ListBox>(name);
        for (const char* month : kMonths)
            list->addItem(month);
        list->setCurrentIndex(-1);
    }
    Control<QAbstractButton>("btnOption1")->setChecked(true);
    for (QAbstractButton* b : {btne200Line13_, btne200Line16_, bMMLine2_, bMMLine5_})
        b->setText("Add");
    for (QAbstractButton* b : {btne200Line15_, bMMLine4_})
        b->setText("Calculate");

    doc_ = NewReturn();
    CurrentFileName = std::string(kUntitled);
    Modified = false;
    pcTax_->setCurrentIndex(0);
    ReadWholeDollarEntry();
}

void TfMain::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    FormShow();
    emit readyForInput();
}

void TfMain::FormShow() {
    LastDir = services_.settings.ReadString("LastDir").value_or(ProgramFolder());
    Control<QAbstractButton>("b200IncOkla")->setChecked(true);
    Control<QAbstractButton>("rtcElect")->setChecked(true);
    ApplyAmountFormats();
    if (!PendingFileName.empty())
        Run([this] { FileImport1Execute(); });
}

void TfMain::closeEvent(QCloseEvent* event) {
    if (Modified) {
        if (prompts_.Warning(kSaveQuestion, Notices::Buttons::YesNo) == Notices::Answer::Yes) {
            bool saved = false;
            Run([&] { saved = FileSave1Execute(); });
            // The work is not lost because a save did not complete: the window stays open.
            if (!saved) {
                event->ignore();
                return;
            }
        }
    }
    services_.settings.WriteString("LastDir", LastDir);
    event->accept();
}

// ---------------------------------------------------------------------------------------------
// Help.

void TfMain::HelpAbout1Execute() {
    app::ShowAbout(prompts_, this);
}

void TfMain::actSupportExecute() {
    app::OpenSupportPage(prompts_);
}

void TfMain::actCheckForUpdatesExecute() {
    app::CheckForUpdates(prompts_);
}

// ---------------------------------------------------------------------------------------------
// Focus and keys.

bool TfMain::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const auto it = triggers_.find(watched);
        if (it == triggers_.end())
            break;
        const auto* focus = static_cast<QFocusEvent*>(event);
        if (!IsUserFocus(focus->reason()))
            break;
        const unsigned wanted = event->type() == QEvent::FocusIn ? Enter : Leave;
        if (it->second & wanted)
            Run([this] { eBsEINEnter(); });
        break;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            auto* w = qobject_cast<QWidget*>(watched);
            if (w != nullptr && pageOf_.count(w) != 0) {
                MoveFocus(w, true);
                return true;
            }
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TfMain::MoveFocus(QWidget* from, bool next) {
    const auto it = pageOf_.find(from);
    if (it == pageOf_.end())
        return false;
    const std::vector<QWidget*>& order = order_[static_cast<size_t>(it->second)];
    const auto at = std::find(order.begin(), order.end(), from);
    const size_t n = order.size();
    size_t i = static_cast<size_t>(at - order.begin());
    for (size_t step = 0; step < n; ++step) {
        i = next ? (i + 1) % n : (i + n - 1) % n;
        QWidget* w = order[i];
        // The pages' order visits both buttons of a pair, the unpressed one too.
        if (TakesFocus(w)) {
            w->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            pages_[static_cast<size_t>(it->second)]->ensureWidgetVisible(w);
            return true;
        }
    }
    return false;
}

bool TfMain::focusNextPrevChild(bool next) {
    // Tab and Backtab stay among the controls of the page shown, in the page's order.
    QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr && pageOf_.count(focus) != 0) {
        // A page being switched away from asks to move the focus off its hidden control; the page
        // shown next takes the focus itself, and no field is entered.
        if (!focus->isVisible())
            return true;
        if (MoveFocus(focus, next))
            return true;
    }
    return QMainWindow::focusNextPrevChild(next);
}

void TfMain::UpdateEditActions() {
    editTarget_ = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (editTarget_ != nullptr && !isAncestorOf(editTarget_))
        editTarget_ = nullptr;
    QObject::disconnect(selectionWatch_);
    const bool editable = editTarget_ != nullptr && editTarget_->isEnabled() && !editTarget_->isReadOnly();
    const bool selected = editTarget_ != nullptr && editTarget_->hasSelectedText();
    EditCut1_->setEnabled(editable && selected);
    EditCopy1_->setEnabled(selected);
    EditPaste1_->setEnabled(editable && !QApplication::clipboard()->text().isEmpty());
    if (editTarget_ != nullptr)
        selectionWatch_ =
            connect(editTarget_, &QLineEdit::selectionChanged, this, [this] { UpdateEditActions(); });
}

// ---------------------------------------------------------------------------------------------
// Zoom.

void TfMain::ZoomIn() {
    for (FormPageScroll* p : pages_)
        p->zoomIn();
}

void TfMain::ZoomOut() {
    for (FormPageScroll* p : pages_)
        p->zoomOut();
}

void TfMain::ResetZoom() {
    for (FormPageScroll* p : pages_)
        p->resetZoom();
}

double TfMain::Zoom() const {
    return pages_.front()->zoom();
}

} // namespace qv::ui
