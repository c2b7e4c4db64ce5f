#include "app/config/options_window.h"

#include "app/common/form_scaling_adapter.h"
#include "app/common/qt_text.h"
#include "core/common/file_error_report.h"
#include "core/config/config_file.h"
#include "core/config/print_job.h"
#include "core/config/print_options.h"
#include "core/members/member_file.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const char* const PersLabels[5] = {"Naam", "Adres", "Postcode", "Plaats", "Telefoon"};
const char* const MarginNames[4] = {"LeftEdit", "TopEdit", "BodemEdit", "PaglenEdit"};
const char* const MarginLabels[4] = {"Linker marge (mm.)", "Top marge (mm.)", " Bodem marge (mm.)",
                                     "Pagina lengte"};

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(name);
    // Enter belongs to the boxes: it must never press a button by default.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

QCheckBox* MakeCheck(QWidget* parent, const char* name, const char* caption) {
    auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
    box->setObjectName(name);
    return box;
}

} // namespace

TOptiesForm::TOptiesForm(AppState& state, Messenger& messenger, Chooser& chooser,
                         PrintCanvas& printer, QWidget* parent)
    : QDialog(parent)
    , State(state)
    , Msg(messenger)
    , Choose(chooser)
    , Printer(printer) {
    FormCreate();
}

QWidget* TOptiesForm::CreatePersPage() {
    auto* page = new QWidget;
    page->setObjectName("PersPage");
    page->setProperty("helpContext", 273);
    auto* form = new QFormLayout(page);
    for (int i = 0; i < 5; ++i) {
        auto* edit = new QLineEdit(page);
        edit->setObjectName(QString("PersEdit%1").arg(i + 1));
        edit->setProperty("Tag", i + 1);
        edit->setMaxLength(24);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this] { ChangeFlag = true; });
        PersEdits[static_cast<std::size_t>(i)] = edit;
        form->addRow(PersLabels[i], edit);
    }
    return page;
}

QWidget* TOptiesForm::CreatePrintPage() {
    auto* page = new QWidget;
    page->setObjectName("PrintPage");
    page->setProperty("helpContext", 272);
    auto* form = new QFormLayout;
    for (int tag = BoxLeftMarge; tag <= BoxPaglen; ++tag) {
        auto* edit = new QLineEdit(page);
        edit->setObjectName(MarginNames[tag]);
        edit->setProperty("Tag", tag);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this] { ChangeFlag = true; });
        MarginEdits[static_cast<std::size_t>(tag)] = edit;
        form->addRow(QString::fromUtf8(MarginLabels[tag]), edit);
    }

    Orientatie = new QGroupBox("Papier stand", page);
    Orientatie->setObjectName("Orientatie");
    Staand = new QRadioButton("&Staand", Orientatie);
    Staand->setObjectName("Staand");
    Liggend = new QRadioButton("&Liggend", Orientatie);
    Liggend->setObjectName("Liggend");
    auto* orientation = new QVBoxLayout(Orientatie);
    orientation->addWidget(Staand);
    orientation->addWidget(Liggend);

    PersData = MakeCheck(page, "PersData", "Eigenaar");
    PrintHead = MakeCheck(page, "PrintHead", "Print kop");
    PrintTitel = MakeCheck(page, "PrintTitel", "Print titel");
    auto* switches = new QVBoxLayout;
    for (QCheckBox* box : {PersData, PrintHead, PrintTitel}) switches->addWidget(box);
    switches->addStretch();

    PrinterBtn = MakeButton(page, "PrinterBtn", "Printer");
    FontBtn = MakeButton(page, "FontBtn", "Print Font");
    WinfontBtn = MakeButton(page, "WinfontBtn", "TextFont");
    PrinterLab = new QLabel(page);
    PrinterLab->setObjectName("PrinterLab");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {PrinterBtn, FontBtn, WinfontBtn}) buttons->addWidget(b);
    buttons->addStretch();

    auto* middle = new QHBoxLayout;
    middle->addWidget(Orientatie);
    middle->addLayout(switches);
    middle->addStretch();

    auto* column = new QVBoxLayout(page);
    column->addLayout(form);
    column->addLayout(middle);
    column->addLayout(buttons);
    column->addWidget(PrinterLab);
    column->addStretch();
    return page;
}

void TOptiesForm::FormCreate() {
    setObjectName("OptiesForm");
    setWindowTitle("Opties");
    PageControl = new QTabWidget(this);
    PageControl->setObjectName("PageControl");
    PageControl->addTab(CreatePersPage(), "Persoonsgeg.");
    PageControl->addTab(CreatePrintPage(), "Print opties");
    PageControl->setMinimumSize(504, 364);

    CancelBtn = MakeButton(this, "CancelBtn", "Schrap");
    CancelBtn->setProperty("helpContext", 303);
    OkBtn = MakeButton(this, "OkBtn", "O&k");
    OkBtn->setProperty("helpContext", 301);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(CancelBtn);
    bottom->addWidget(OkBtn);

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(12, 12, 12, 12);
    main->addWidget(PageControl);
    main->addLayout(bottom);

    // Tab through the page in the order Enter takes.
    setTabOrder(MarginEdits[0], MarginEdits[1]);
    setTabOrder(MarginEdits[1], MarginEdits[2]);
    setTabOrder(MarginEdits[2], MarginEdits[3]);
    setTabOrder(MarginEdits[3], PrinterBtn);
    setTabOrder(PrinterBtn, FontBtn);
    setTabOrder(FontBtn, WinfontBtn);

    PasFormAan(this);

    connect(PageControl, &QTabWidget::currentChanged, this, [this] { PageControlChange(); });
    connect(PrinterBtn, &QPushButton::clicked, this, [this] { PrinterBtnClick(); });
    connect(FontBtn, &QPushButton::clicked, this, [this] { FontBtnClick(); });
    connect(WinfontBtn, &QPushButton::clicked, this, [this] { WinfontBtnClick(); });
    connect(Staand, &QRadioButton::clicked, this, [this] { OrientatieClick(); });
    connect(Liggend, &QRadioButton::clicked, this, [this] { OrientatieClick(); });
    connect(PersData, &QCheckBox::clicked, this, [this] { PersDataClick(); });
    connect(PrintHead, &QCheckBox::clicked, this, [this] { PrintHeadClick(); });
    connect(PrintTitel, &QCheckBox::clicked, this, [this] { PrintTitelClick(); });
    connect(OkBtn, &QPushButton::clicked, this, [this] { OkBtnClick(); });
    connect(CancelBtn, &QPushButton::clicked, this, [this] { CancelBtnClick(); });
}

void TOptiesForm::PrepareShow(int pgNr) {
    ChangeFlag = false;
    Sluit = false;
    Filling = true;
    PageControl->setCurrentIndex(pgNr == 0 ? 0 : 1);
    Filling = false;
    // The personal data are always filled, so that OK can store them whichever page shows.
    FillOptiesPage(0);
    if (PageControl->currentIndex() == 1) FillOptiesPage(1);
}

void TOptiesForm::OpenOpties(int pgNr) {
    PrepareShow(pgNr);
    exec();
}

void TOptiesForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QWidget* first = PageControl->currentIndex() == 0 ? static_cast<QWidget*>(PersEdits[0])
                                                      : static_cast<QWidget*>(MarginEdits[0]);
    first->setFocus();
}

void TOptiesForm::FillOptiesPage(int page) {
    if (page == 0) {
        for (int i = 0; i < 5; ++i)
            PersEdits[static_cast<std::size_t>(i)]->setText(
                ToQt(State.Configuration.PrnCfg.Persoon[i].View()));
        if (isVisible()) PersEdits[0]->setFocus();
        return;
    }
    OptiesPage1Values v = FillOptiesPage1(State.Common, State.Configuration, Msg, Printer);
    MarginEdits[BoxLeftMarge]->setText(QString::number(v.LeftMm));
    MarginEdits[BoxTopMarge]->setText(QString::number(v.TopMm));
    MarginEdits[BoxBottomMarge]->setText(QString::number(v.BottomMm));
    MarginEdits[BoxPaglen]->setText(QString::number(v.Paglen));
    Printer.SetPrinterIndex(v.PrntInstel);
    PrintHead->setChecked(v.PrintHead);
    PersData->setChecked(v.PersData);
    (v.Landscape ? Liggend : Staand)->setChecked(true);
    PrintTitel->setChecked(v.PrintTitel);
    ShowPrinterName();
}

void TOptiesForm::ShowPrinterName() {
    std::string name = ChosenPrinterName(State.Configuration, Printer);
    PrinterLab->setText(name.empty() ? QString("Geen printer gekozen")
                                     : QString("Printer: ") + ToQt(name));
}

bool TOptiesForm::StoreOptiesPage() {
    std::string persoon[5];
    for (int i = 0; i < 5; ++i) persoon[i] = FromQt(PersEdits[static_cast<std::size_t>(i)]->text());
    StoreOptiesPage0(State.Configuration, persoon);
    if (PageControl->currentIndex() != 1) return true;
    OptiesPage1Texts page{FromQt(MarginEdits[0]->text()), FromQt(MarginEdits[1]->text()),
                          FromQt(MarginEdits[2]->text()), FromQt(MarginEdits[3]->text()),
                          PrintHead->isChecked(),         PersData->isChecked(),
                          Liggend->isChecked(),           PrintTitel->isChecked()};
    int failed = StoreOptiesPage1(State.Common, State.Configuration, Msg, page);
    if (failed < 0) return true;
    MarginEdits[static_cast<std::size_t>(failed)]->setFocus();
    MarginEdits[static_cast<std::size_t>(failed)]->selectAll();
    return false;
}

void TOptiesForm::PageControlChange() {
    if (Filling) return;
    FillOptiesPage(PageControl->currentIndex());
}

void TOptiesForm::LeftEditKeyPress(int tag) {
    if (!StoreOptiesBox(State.Common, State.Configuration, Msg, tag,
                        FromQt(MarginEdits[static_cast<std::size_t>(tag)]->text())))
        return;
    ChangeFlag = true;
    if (tag < BoxPaglen)
        MarginEdits[static_cast<std::size_t>(tag + 1)]->setFocus();
    else
        PrinterBtn->setFocus();
}

void TOptiesForm::PersEdit1KeyPress(int tag) {
    ChangeFlag = true;
    if (tag < 5)
        PersEdits[static_cast<std::size_t>(tag)]->setFocus();
    else
        OkBtn->setFocus();
}

bool TOptiesForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const int tag = watched->property("Tag").toInt();
        for (QLineEdit* edit : PersEdits)
            if (watched == edit && (enter || key->key() == Qt::Key_Tab)) {
                PersEdit1KeyPress(tag);
                return true;
            }
        for (QLineEdit* edit : MarginEdits)
            if (watched == edit && enter) {
                LeftEditKeyPress(tag);
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

void TOptiesForm::PrinterBtnClick() {
    Printer.SetPrinterIndex(-1);
    if (Choose.PrinterSetup()) {
        if (TakeChosenPrinter(State.Common, State.Configuration, Printer)) {
            FillOptiesPage(1);
            ChangeFlag = true;
        } else {
            Printer.SetPrinterIndex(State.Configuration.PrnCfg.PrntInstel);
        }
    } else {
        Printer.SetPrinterIndex(State.Configuration.PrnCfg.PrntInstel);
        return;
    }
    FontBtn->setFocus();
}

void TOptiesForm::FontBtnClick() {
    FontChoice current{
        State.Configuration.PrnCfg.FontNamePR.Str(),
        State.Configuration.PrnCfg.FontSizePR > 0 ? State.Configuration.PrnCfg.FontSizePR : 10};
    TakePrintFont(State.Common, State.Configuration, Printer, Choose.ChooseFont(current));
    FillOptiesPage(1);
    ChangeFlag = true;
}

void TOptiesForm::WinfontBtnClick() {
    std::optional<FontChoice> font =
        Choose.ChooseFont(FontChoice{State.Common.ScreenFontName, State.Common.ScreenFontSize});
    if (font) TakeTextFont(State.Common, State.Configuration, *font);
    ChangeFlag = true;
}

void TOptiesForm::OrientatieClick() {
    SetPrintSwitch(State.Configuration, PrintSwitch::Landscape, Liggend->isChecked());
    ChangeFlag = true;
}

void TOptiesForm::PersDataClick() {
    SetPrintSwitch(State.Configuration, PrintSwitch::PersData, PersData->isChecked());
    ChangeFlag = true;
}

void TOptiesForm::PrintHeadClick() {
    SetPrintSwitch(State.Configuration, PrintSwitch::PrintHead, PrintHead->isChecked());
    ChangeFlag = true;
}

void TOptiesForm::PrintTitelClick() {
    SetPrintSwitch(State.Configuration, PrintSwitch::PrintTitel, PrintTitel->isChecked());
    ChangeFlag = true;
}

void TOptiesForm::OkBtnClick() {
    if (ChangeFlag) {
        if (!StoreOptiesPage()) return;
        try {
            SaveConfig(State.Common, State.Configuration, Msg, State.Members.MemberFileName);
        } catch (const FileError& e) {
            ReportFileError({Msg, State.Common.ErrorCode}, e, FileAction::Writing);
        }
        ChangeFlag = false;
    }
    Sluit = true;
    accept();
}

void TOptiesForm::CancelBtnClick() {
    reject();
}

bool TOptiesForm::FormCloseQuery() {
    if (Sluit) return true;
    return Msg.Show("Wijzigingen opslaan, gebruik dan OK knop", KindBevestig, ButtonsJaNee) !=
           ResultYes;
}

// "Schrap", Esc and the window frame all come here.
void TOptiesForm::reject() {
    if (!FormCloseQuery()) return;
    QDialog::reject();
}
