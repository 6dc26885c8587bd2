#include "frmMain.h"

#include "ComputeReturn.h"
#include "PrintRuns.h"

#include "ButtonEdit.h"
#include "Codepage1252.h"
#include "ControlPlacement.h"
#include "DateEdit.h"
#include "ExactMoney.h"
#include "F200FMonths.h"
#include "FormGeometry.h"
#include "FormPageScroll.h"
#include "FormPageView.h"
#include "FormStyle.h"
#include "ImportReturn.h"
#include "LinkButton.h"
#include "ListBox.h"
#include "MaskEdit.h"
#include "NumericEdit.h"
#include "PrintRun.h"
#include "ScheduleDialogs.h"
#include "ScheduleTable.h"
#include "ToggleButton.h"
#include "fOptions.h"
#include "fPostmark.h"
#include "fPrintSelection.h"
#include "fRptPeriod.h"
#include "frmAbout.h"
#include "uDataMod.h"
#include "uFranchise.h"

#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
#include <exception>
#include <filesystem>
#include <stdexcept>

namespace qv::ui {

namespace {

constexpr std::string_view kSaveQuestion = "Do you want to save your data? ";
constexpr std::string_view kOverwrite = "OK to overwrite %s";
constexpr std::string_view kFileFilter = "Franchise Files (*.fti)|*.fti|All Files (*.*)|*.*";
constexpr std::string_view kFileSuffix = "fti";
constexpr int kEditionYear = 2010;

// ---------------------------------------------------------------------------------------------
// The binding table.

enum class Conv : uint8_t {
    Text,
    Masked,
    Amount,
    Number,
    Whole,
    Date,
    DateText,
    Item,
    ItemAmount,
    Toggle,
    Opposite,
    Shown,
    ShownIfChanged
};

// Tabs that own a header field, one bit per tab of pcTax.
constexpr unsigned Bs = 1u << 0, Bcd = 1u << 1, F200 = 1u << 2, SchedA = 1u << 3, MinMax = 1u << 4,
                   F200F = 1u << 5, Any = 0x3f;
// What runs the cycle.
constexpr unsigned None = 0, Enter = 1, Click = 2, CloseUp = 4, Leave = 8;

struct Binding {
    FieldId Field;
    const char* Control;
    Conv Conversion;
    unsigned Tabs;
    unsigned Triggers;
};

constexpr Binding kBindings[] = {
#define QV_BIND(field, control, conv, tabs, triggers) {FieldId::field, #control, Conv::conv, tabs, triggers},
#define QV_TRIGGER(control, triggers)
#include "FieldControls.def"
#undef QV_TRIGGER
#undef QV_BIND
};

struct TriggerOnly {
    const char* Control;
    unsigned Triggers;
};

constexpr TriggerOnly kTriggerOnly[] = {
#define QV_BIND(field, control, conv, tabs, triggers)
#define QV_TRIGGER(control, triggers) {#control, triggers},
#include "FieldControls.def"
#undef QV_TRIGGER
#undef QV_BIND
};

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

// Display formats of the page design.
const char* const kCentsEntry = ",0.00;(,0.00)";
const char* const kWholeEntry = ",0;(,0)";

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

QString Q(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
// Record texts are Windows-1252; widgets hold Unicode.
QString FromRecord(const std::string& text) {
    return Q(Cp1252ToUtf8(text));
}
std::string ToRecord(const QString& text) {
    return Utf16ToCp1252(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                             static_cast<size_t>(text.size())));
}

bool FlagSet(const ReturnRecord& r, const FieldDef& def) {
    if (def.Kind == FieldKind::Boolean)
        return r.Bytes[def.Offset] != 0;
    return r.GetText(def) == "Y";
}
void SetFlag(ReturnRecord& r, const FieldDef& def, bool set) {
    if (def.Kind == FieldKind::Boolean)
        r.Bytes[def.Offset] = set ? 1 : 0;
    else
        r.SetText(def, set ? "Y" : "N");
}

// A tenth of an amount, to cents, halves away from zero: the penalty of a tax.
Money Tenth(Money amount) {
    return Money::FromUnits(static_cast<int64_t>(
        exact::DivRoundHalfAway(amount.Units(), 10 * exact::kUnitsPerCent) * exact::kUnitsPerCent));
}

Money ItemAmount(const QComboBox* list) {
    if (list->currentIndex() < 0)
        return Money();
    return Money::Parse(list->currentText().toStdString()).value_or(Money());
}

// The Min/Max tax item that shows an amount: 10.00 and 20,000.00 have their own, anything else is 0.00.
int MinMaxTaxItem(Money amount) {
    if (amount == Money::FromDollars(10))
        return 1;
    if (amount == Money::FromDollars(20000))
        return 2;
    return 0;
}

std::string FolderOf(const std::string& path) {
    const QFileInfo info(QString::fromStdString(path));
    QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    return folder.toStdString();
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::u8path(path), ec);
}

bool IsUserFocus(Qt::FocusReason reason) {
    // A dialog or another window closing, a pop-up closing, or the program moving the focus (a tab
    // switch) is not the user entering a field.
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason;
}

// The text of a caught error.
std::string MessageOf(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return {};
    }
}

// The busy cursor for as long as it lives.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

struct TfMain::Bound {
    const Binding* Bind;
    const FieldDef* Def;
    const FieldDef* PairDef; // the field of the row above, for Opposite
    QWidget* Widget;
};

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

std::unique_ptr<Franchise> TfMain::NewReturn() const {
    auto doc = std::make_unique<Franchise>(kEditionYear, services_);
    doc->ProgramFolder = ProgramFolder();
    return doc;
}

template <class F>
void TfMain::Run(F&& command) {
    try {
        command();
    } catch (const std::exception& e) {
        prompts_.Error(e.what());
    }
}

QWidget* TfMain::Control(const char* name) const {
    QWidget* w = findChild<QWidget*>(QString::fromLatin1(name));
    if (w == nullptr)
        throw std::logic_error(std::string("the window has no control ") + name);
    return w;
}

template <class T>
T* TfMain::Control(const char* name) const {
    T* w = qobject_cast<T*>(Control(name));
    if (w == nullptr)
        throw std::logic_error(std::string("the control ") + name + " is of another kind");
    return w;
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
        view->place(w, form::Rect{left, top, c.Width != 0 ? left + c.Width : at->Right + c.Dx,
                                  c.Height != 0 ? top + c.Height : at->Bottom + c.Dy});

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
// File commands.

bool TfMain::ConfirmDiscard() {
    if (!Modified)
        return true;
    switch (prompts_.Warning(kSaveQuestion, Notices::Buttons::YesNoCancel)) {
    case Notices::Answer::Yes:
        return FileSave1Execute();
    case Notices::Answer::No:
        return true;
    default:
        return false;
    }
}

void TfMain::FileNew1Execute() {
    if (!ConfirmDiscard())
        return;
    CurrentFileName = std::string(kUntitled);
    services_.dm.EmptyAll();
    doc_ = NewReturn();
    Modified = false;
    RecordToForm();
}

void TfMain::FileOpen1Execute() {
    FileImport1Execute();
}

void TfMain::FileImport1Execute() {
    if (!ConfirmDiscard())
        return;
    std::string path;
    if (!PendingFileName.empty()) {
        path = PendingFileName;
        PendingFileName.clear();
    } else {
        std::optional<std::string> chosen = prompts_.OpenFileName(
            {LastDir, std::string(), std::string(kFileFilter), std::string(kFileSuffix)});
        // A cancelled dialog changes nothing: the open return stays as it was.
        if (!chosen)
            return;
        path = *chosen;
    }

    // The file is read into a return of its own; the open return and its schedule tables are given
    // up only once the file has been read, so a file that cannot be read loses nothing.
    std::array<ScheduleTable*, 5> tables = services_.dm.FileTables();
    std::vector<ScheduleTable> kept;
    for (ScheduleTable* t : tables)
        kept.push_back(*t);
    auto restoreTables = [&] {
        for (size_t i = 0; i < tables.size(); ++i)
            *tables[i] = kept[i];
    };
    // The tables belong to the return being opened: a converted return or a new file starts with
    // none of the rows of the return that was open.
    services_.dm.EmptyAll();

    std::unique_ptr<Franchise> fresh = NewReturn();
    const ReturnRecord blank = fresh->Record;
    ImportResult result{ImportOutcome::Missing, 0};
    try {
        BusyCursor busy;
        result = ImportReturn(*fresh, path);
    } catch (...) {
        if (fresh->Record == blank) {
            // Nothing was read: the open return stays, with its name and its mark.
            restoreTables();
            throw;
        }
        // The file was read but its computation stopped: the return is the file's, as read, so the
        // user sees the figures to mend.
        CurrentFileName = fresh->ReturnFileName.empty() ? std::string(kUntitled) : path;
        doc_ = std::move(fresh);
        Modified = false;
        LastDir = FolderOf(path);
        RecordToForm();
        throw;
    }
    doc_ = std::move(fresh);
    Modified = false;
    CurrentFileName = result.Outcome == ImportOutcome::Converted ? std::string(kUntitled) : path;
    LastDir = FolderOf(path);
    RecordToForm();
    if (result.Outcome == ImportOutcome::Converted)
        prompts_.Information(ConvertedMessage(result.EditionYear));
}

bool TfMain::FileSave1Execute() {
    FormToRecord();
    if (CurrentFileName.empty() || CurrentFileName == kUntitled)
        return FileSaveAs1Execute();
    WriteReturn();
    return true;
}

bool TfMain::FileSaveAs1Execute() {
    // What the focused field holds goes into the file too, as with Save: a value typed and saved
    // under a new name is never left out while the return counts as saved.
    FormToRecord();
    std::optional<std::string> chosen =
        prompts_.SaveFileName({LastDir, CurrentFileName, std::string(kFileFilter), std::string(kFileSuffix)});
    if (!chosen)
        return false;
    if (FileExists(*chosen)) {
        const std::string_view format = kOverwrite;
        const size_t at = format.find("%s");
        const std::string question =
            std::string(format.substr(0, at)) + *chosen + std::string(format.substr(at + 2));
        if (prompts_.Question(question, Notices::Buttons::YesNoCancel) != Notices::Answer::Yes)
            return false;
    }
    CurrentFileName = *chosen;
    LastDir = FolderOf(CurrentFileName);
    WriteReturn();
    return true;
}

void TfMain::WriteReturn() {
    std::exception_ptr computeError;
    {
        BusyCursor busy;
        try {
            ComputeReturn(*doc_);
        } catch (...) {
            // A computation that stops does not keep the figures from being saved; its message
            // follows the save.
            computeError = std::current_exception();
        }
        doc_->SaveToFile(CurrentFileName);
        RecordToForm();
        Modified = false;
    }
    if (computeError)
        std::rethrow_exception(computeError);
}

void TfMain::FileExit1Execute() {
    close();
}

void TfMain::FilePrint1Execute() {
    // The PDF goes next to the return file, so the return is saved first; a save that does not
    // complete prints nothing.
    if (!FileSave1Execute())
        return;
    bool written = false;
    {
        BusyCursor busy;
        written = PrintAll(*doc_);
    }
    // A PDF that could not be written has been reported; the earlier file of that name is not the
    // new one and is not opened as if it were.
    if (written)
        prompts_.OpenUrl(PdfPathOf(doc_->ReturnFileName));
}

void TfMain::FilePrintSelectedExecute() {
    // As Print: the values reach the record and the file first, and a save that does not complete
    // prints nothing.
    if (!FileSave1Execute())
        return;
    RunPrintSelection(
        services_.settings, prompts_,
        [this](const FormSelection& forms) -> std::optional<std::string> {
            BusyCursor busy;
            if (!PrintSelected(*doc_, forms.BalanceSheet, forms.SchedBCD, forms.Form200F, forms.MinMax,
                                     forms.SchedA, forms.Form200))
                return std::nullopt;
            return PdfPathOf(doc_->ReturnFileName);
        },
        this);
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
// The schedule links.

void TfMain::OpenAddMoreList(ScheduleList list, LinkButton* link) {
    link->setVisited();
    ShowScheduleList(list, services_.dm, prompts_, services_.regional, this);
    eBsEINEnter();
}

void TfMain::urlSubsidiariesClick() {
    OpenAddMoreList(ScheduleList::Subsidiaries, Control<LinkButton>("urlSubsidiaries"));
}

void TfMain::urlAffiliatesClick() {
    OpenAddMoreList(ScheduleList::Affiliates, Control<LinkButton>("urlAffiliates"));
}

void TfMain::urlCurrDebtClick() {
    OpenAddMoreList(ScheduleList::CurrDebt, Control<LinkButton>("urlCurrDebt"));
}

void TfMain::AttachSchedule(ScheduleList list, ScheduleTable& table, NumericEdit* everywhere,
                            NumericEdit* oklahoma) {
    // Whatever the user did in the list, and also when it could not be shown (a table whose columns
    // are not ours), the line is the total of the table's rows, summed exactly. A scan that fails
    // leaves the totals it reached, and is reported after the cycle.
    std::exception_ptr listError;
    try {
        ShowScheduleList(list, services_.dm, prompts_, services_.regional, this);
    } catch (...) {
        listError = std::current_exception();
    }
    Money totalEverywhere, totalOklahoma;
    std::exception_ptr scanError;
    table.DisableControls();
    try {
        table.First();
        while (!table.Eof()) {
            totalEverywhere += table.AsMoney("TotalEverywhere");
            totalOklahoma += table.AsMoney("TotalOklahoma");
            table.Next();
        }
    } catch (...) {
        scanError = std::current_exception();
    }
    everywhere->setMoney(totalEverywhere);
    oklahoma->setMoney(totalOklahoma);
    table.EnableControls();
    if (!scanError && !listError) {
        eBsEINEnter();
        return;
    }
    Run([this] { eBsEINEnter(); });
    // The scan usually stops on the column that kept the list from showing: one message for both.
    if (listError && !(scanError && MessageOf(scanError) == MessageOf(listError)))
        Run([&] { std::rethrow_exception(listError); });
    if (scanError)
        std::rethrow_exception(scanError);
}

void TfMain::urlAttachOthCurrAssetsClick() {
    AttachSchedule(ScheduleList::OthCurrAssets, services_.dm.tblOthCurrAssets, Control<NumericEdit>("eBs5a"),
                   Control<NumericEdit>("eBs5b"));
}

void TfMain::urlAttachOthCurrInvestClick() {
    AttachSchedule(ScheduleList::OthCurrInvest, services_.dm.tblOthInvest, Control<NumericEdit>("eBs8a"),
                   Control<NumericEdit>("eBs8b"));
}

// ---------------------------------------------------------------------------------------------
// Reporting period, interest and the Form 200-F months.

void TfMain::EditReportPeriodOf(QLineEdit* edit) {
    QString text = edit->text();
    if (!EditReportingPeriod(text, prompts_, this))
        return;
    edit->setText(text);
    eBsEINEnter();
}

void TfMain::e200ReportPeriodButtonClick() {
    EditReportPeriodOf(Control<QLineEdit>("e200ReportPeriod"));
}

void TfMain::eMMReportPeriodButtonClick() {
    EditReportPeriodOf(Control<QLineEdit>("eMMReportPeriod"));
}

void TfMain::EditInterestFrom(DateEdit* dueDate) {
    auto* postmark = Control<DateEdit>("e200PostMark");
    InterestDates dates{dueDate->date(), postmark->date(), doc_->Record.Get(fld::InterestMonths)};
    // Cancel keeps the due date, the postmark and the months as they were.
    if (!EditInterest(dates, services_.regional, this))
        return;
    {
        const QSignalBlocker blockDue(dueDate), blockPostmark(postmark);
        dueDate->setDate(dates.DueDate);
        postmark->setDate(dates.Postmark);
    }
    // The record takes them too, so the dates are the return's whichever tab the cycle reads.
    ReturnRecord& r = doc_->Record;
    r.Set(fld::DueDate, dates.DueDate);
    r.Set(fld::PostmarkDate, dates.Postmark);
    r.Set(fld::InterestMonths, dates.Months);
    // The first cycle works the interest into the tax; the second lets a penalty that follows line 12
    // see the new tax.
    eBsEINEnter();
    eBsEINEnter();
}

void TfMain::btne200Line14Click() {
    EditInterestFrom(Control<DateEdit>("e200DueDate"));
}

void TfMain::bMMLine3Click() {
    EditInterestFrom(Control<DateEdit>("eMMDueDate"));
}

void TfMain::RTCBeginCloseUp() {
    if (const std::optional<std::string_view> end = F200FEndMonthFor(RTCBegin_->currentText().toStdString()))
        RTCEnd_->selectText(Q(*end));
}

void TfMain::RTCEndCloseUp() {
    if (const std::optional<std::string_view> begin =
            F200FBeginMonthFor(RTCEnd_->currentText().toStdString()))
        RTCBegin_->selectText(Q(*begin));
}

void TfMain::EditOptionsExecute() {
    {
        TfrmOptions options(services_.settings, this);
        options.exec();
    }
    ReadWholeDollarEntry();
    ApplyAmountFormats();
}

void TfMain::ReadWholeDollarEntry() {
    WholeDollarEntry = services_.settings.ReadBool("WholeDollars", false);
}

void TfMain::ApplyAmountFormats() {
    for (NumericEdit* e : entryAmounts_) {
        if (!e->isEnabled())
            continue;
        const QSignalBlocker block(e);
        e->setWholeNumbersOnly(WholeDollarEntry);
        if (WholeDollarEntry)
            e->setDisplayFormat(kWholeEntry, NumericEdit::FormatChange::RoundHalfEven);
        else
            e->setDisplayFormat(kCentsEntry, NumericEdit::FormatChange::Keep);
    }
}

// ---------------------------------------------------------------------------------------------
// The binding and the cycle.

PageTab TfMain::ActiveTab() const {
    return static_cast<PageTab>(pcTax_->currentIndex());
}

void TfMain::RefreshPenalties() {
    // A penalty that is on follows its tax: Min/Max line 4 the item chosen now, Form 200 line 15 the
    // line 12 shown, which is that of the previous computation.
    if (eMMLine4_->money() != Money()) {
        const QSignalBlocker block(eMMLine4_);
        eMMLine4_->setMoney(Tenth(ItemAmount(eMMLine1_)));
    }
    if (e200Line15_->money() != Money()) {
        const QSignalBlocker block(e200Line15_);
        e200Line15_->setMoney(Tenth(e200Line12_->money()));
    }
}

void TfMain::FormToRecord() {
    Modified = true;
    RefreshPenalties();
    ReturnRecord& r = doc_->Record;
    const unsigned tab = 1u << pcTax_->currentIndex();
    for (const Bound& b : bound_) {
        if ((b.Bind->Tabs & tab) == 0)
            continue;
        const FieldDef& def = *b.Def;
        switch (b.Bind->Conversion) {
        case Conv::Text:
            r.SetText(def, ToRecord(static_cast<QLineEdit*>(b.Widget)->text()));
            break;
        case Conv::Masked:
            r.SetText(def, ToRecord(static_cast<MaskEdit*>(b.Widget)->storedText()));
            break;
        case Conv::Amount:
            r.SetMoney(def, static_cast<NumericEdit*>(b.Widget)->money());
            break;
        case Conv::Number:
            r.SetDouble(def, static_cast<NumericEdit*>(b.Widget)->value());
            break;
        case Conv::Whole:
            r.SetInt32(def, static_cast<NumericEdit*>(b.Widget)->intValue());
            break;
        case Conv::Date:
            r.SetDouble(def, static_cast<DateEdit*>(b.Widget)->date());
            break;
        case Conv::DateText:
            r.SetText(def, ToRecord(static_cast<DateEdit*>(b.Widget)->text()));
            break;
        case Conv::Item: {
            auto* list = static_cast<ListBox*>(b.Widget);
            r.SetText(def, list->currentIndex() < 0 ? std::string() : ToRecord(list->currentText()));
            break;
        }
        case Conv::ItemAmount:
            r.SetMoney(def, ItemAmount(static_cast<ListBox*>(b.Widget)));
            break;
        case Conv::Toggle:
            SetFlag(r, def, static_cast<QAbstractButton*>(b.Widget)->isChecked());
            break;
        case Conv::Opposite:
            SetFlag(r, def, !FlagSet(r, *b.PairDef));
            break;
        case Conv::Shown:
        case Conv::ShownIfChanged:
            break;
        }
    }
}

void TfMain::RecordToForm() {
    const ReturnRecord& r = doc_->Record;
    const bool changed = r.IsYes(fld::AddressChange);
    auto setText = [](QLineEdit* e, const QString& text) {
        if (e->text() != text)
            e->setText(text);
    };
    for (const Bound& b : bound_) {
        const FieldDef& def = *b.Def;
        const QSignalBlocker block(b.Widget);
        switch (b.Bind->Conversion) {
        case Conv::Text:
        case Conv::DateText:
            setText(static_cast<QLineEdit*>(b.Widget), FromRecord(r.GetText(def)));
            break;
        case Conv::ShownIfChanged:
            setText(static_cast<QLineEdit*>(b.Widget), changed ? FromRecord(r.GetText(def)) : QString());
            break;
        case Conv::Masked:
        case Conv::Shown: {
            auto* e = static_cast<MaskEdit*>(b.Widget);
            const QString text = FromRecord(r.GetText(def));
            if (e->storedText() != text)
                e->setStoredText(text);
            break;
        }
        case Conv::Amount: {
            auto* e = static_cast<NumericEdit*>(b.Widget);
            const Money m = r.GetMoney(def);
            if (e->text().isEmpty() || e->money() != m)
                e->setMoney(m);
            break;
        }
        case Conv::Number: {
            auto* e = static_cast<NumericEdit*>(b.Widget);
            const double v = r.GetDouble(def);
            if (e->text().isEmpty() || e->value() != v)
                e->setValue(v);
            break;
        }
        case Conv::Whole: {
            auto* e = static_cast<NumericEdit*>(b.Widget);
            const int v = r.GetInt32(def);
            if (e->text().isEmpty() || e->intValue() != v)
                e->setIntValue(v);
            break;
        }
        case Conv::Date: {
            auto* e = static_cast<DateEdit*>(b.Widget);
            const DateValue v = r.GetDouble(def);
            if (e->date() != v || (v == 0) != e->text().isEmpty())
                e->setDate(v);
            break;
        }
        case Conv::Item: {
            auto* list = static_cast<ListBox*>(b.Widget);
            const QString text = FromRecord(r.GetText(def));
            if (list->currentIndex() < 0 || list->currentText() != text)
                list->selectText(text);
            break;
        }
        case Conv::ItemAmount: {
            auto* list = static_cast<ListBox*>(b.Widget);
            const int item = MinMaxTaxItem(r.GetMoney(def));
            if (list->currentIndex() != item)
                list->setCurrentIndex(item);
            break;
        }
        case Conv::Toggle: {
            auto* button = static_cast<QAbstractButton*>(b.Widget);
            const bool set = FlagSet(r, def);
            if (button->isChecked() != set)
                button->setChecked(set);
            break;
        }
        case Conv::Opposite: {
            auto* button = static_cast<QAbstractButton*>(b.Widget);
            const bool set = !FlagSet(r, *b.PairDef);
            if (button->isChecked() != set)
                button->setChecked(set);
            break;
        }
        }
    }
    // The captions follow the amounts: a fee or penalty is on exactly when its line is not zero.
    auto caption = [](QAbstractButton* b, Money line, const char* off) {
        const QString text = line != Money() ? QStringLiteral("Remove") : QString::fromLatin1(off);
        if (b->text() != text)
            b->setText(text);
    };
    caption(btne200Line13_, r.Get(fld::F200Line13), "Add");
    caption(btne200Line15_, r.Get(fld::F200Line15), "Calculate");
    caption(btne200Line16_, r.Get(fld::F200Line16), "Add");
    caption(bMMLine2_, r.Get(fld::MMLine2), "Add");
    caption(bMMLine4_, r.Get(fld::MMLine4), "Calculate");
    caption(bMMLine5_, r.Get(fld::MMLine5), "Add");
}

void TfMain::ComputeAndShow() {
    std::exception_ptr error;
    try {
        ComputeReturn(*doc_);
    } catch (...) {
        error = std::current_exception();
    }
    RecordToForm();
    if (error)
        std::rethrow_exception(error);
}

void TfMain::eBsEINEnter() {
    FormToRecord();
    ComputeAndShow();
}

void TfMain::e200Line17Exit() {
    eBsEINEnter();
}

// ---------------------------------------------------------------------------------------------
// Entry rules.

void TfMain::ToggleFee(NumericEdit* line, int64_t feeDollars) {
    line->setMoney(line->money() == Money() ? Money::FromDollars(feeDollars) : Money());
    eBsEINEnter();
}

void TfMain::btne200Line13Click() {
    ToggleFee(e200Line13_, 100);
}

void TfMain::btne200Line16Click() {
    ToggleFee(e200Line16_, 15);
}

void TfMain::bMMLine2Click() {
    ToggleFee(eMMLine2_, 100);
}

void TfMain::bMMLine5Click() {
    ToggleFee(eMMLine5_, 15);
}

void TfMain::btne200Line15Click() {
    e200Line15_->setMoney(e200Line15_->money() == Money() ? Tenth(e200Line12_->money()) : Money());
    eBsEINEnter();
}

void TfMain::bMMLine4Click() {
    eMMLine4_->setMoney(eMMLine4_->money() == Money() ? Tenth(ItemAmount(eMMLine1_)) : Money());
    eBsEINEnter();
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
        // The unpressed button of a pair drops its tab focus, as Qt has it for exclusive groups; the
        // pages' order visits both all the same.
        if (w->isEnabled() && !w->isHidden() && w->focusPolicy() != Qt::NoFocus) {
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
