// Building the controls of the main window: menus, tool bar, member area, bottom panel and
// status bar, each command with its caption, hint and help context.

#include "app/shell/main_window.h"

#include "app/common/qt_text.h"
#include "app/members/member_grid.h"
#include "app/shell/tool_icons.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolBar>
#include <QVBoxLayout>

QAction* TTolvex12::AddMenuItem(QMenu* menu, QAction*& field, const char* objectName,
                                const char* caption, const char* hint, int helpContext) {
    field = menu->addAction(ToQt(caption));
    field->setObjectName(objectName);
    if (hint) field->setStatusTip(ToQt(hint));
    if (helpContext) field->setProperty("helpContext", helpContext);
    return field;
}

QAction* TTolvex12::AddToolButton(QAction*& field, const char* objectName, const char* hint,
                                  int helpContext, const char* iconName) {
    Q_UNUSED(iconName);
    field = new QAction(this);
    field->setObjectName(objectName);
    field->setText(ToQt(hint));
    field->setToolTip(ToQt(hint));
    field->setStatusTip(ToQt(hint));
    if (helpContext) field->setProperty("helpContext", helpContext);
    MenuBar->addAction(field);
    return field;
}

QPushButton* TTolvex12::AddPanelButton(QPushButton*& field, const char* objectName,
                                       const char* caption, const char* hint, int helpContext) {
    field = new QPushButton(ToQt(caption), LedenPanel);
    field->setObjectName(objectName);
    if (hint) {
        field->setToolTip(ToQt(hint));
        field->setStatusTip(ToQt(hint));
    }
    field->setProperty("helpContext", helpContext);
    field->setAutoDefault(false);
    LedenPanel->layout()->addWidget(field);
    return field;
}

namespace {

QMenu* AddMenu(QMenuBar* bar, const char* objectName, const char* caption, const char* hint,
               int helpContext) {
    QMenu* menu = bar->addMenu(ToQt(caption));
    menu->setObjectName(objectName);
    menu->menuAction()->setObjectName(QString(objectName) + "Title");
    menu->menuAction()->setStatusTip(ToQt(hint));
    menu->menuAction()->setProperty("helpContext", helpContext);
    menu->setProperty("helpContext", helpContext);
    return menu;
}

} // namespace

void TTolvex12::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu");

    BestandMenu = AddMenu(bar, "BestandMenu", "&Bestand", "Bestanden  Menu", 220);
    AddMenuItem(BestandMenu, Nieuw1, "Nieuw1", "&Nieuw", "Creatie van nieuw Ledenbestand'", 221);
    AddMenuItem(BestandMenu, Open1, "Open1", "&Open", "Openen van een Ledenbestand", 222);
    AddMenuItem(BestandMenu, Configuratie, "Configuratie", "Configuratie", nullptr, 0);
    AddMenuItem(BestandMenu, Bewaren1, "Bewaren1", "&Bewaren", "Bewaren van ledenlijst", 223);
    AddMenuItem(BestandMenu, Bewarenals1, "Bewarenals1", "Bewaren &als...",
                "Bewaren met nieuwe bestandnaa", 224);
    AddMenuItem(BestandMenu, Print1, "Print1", "&Print ledenlijst", "Afdrukken van de ledenlijst",
                225);
    AddMenuItem(BestandMenu, Adres1, "Adres1", "&Toon Adressen", "Toon uitgebreide ledengegevens",
                226);
    BestandMenu->addSeparator();
    AddMenuItem(BestandMenu, Exit1, "Exit1", "&Exit", "Stoppen van het programma ", 227);
    connect(Nieuw1, &QAction::triggered, this, &TTolvex12::Nieuw1Click);
    connect(Open1, &QAction::triggered, this, &TTolvex12::Open1Click);
    connect(Configuratie, &QAction::triggered, this, &TTolvex12::ConfigutratieClick);
    connect(Bewaren1, &QAction::triggered, this, &TTolvex12::Bewaren1Click);
    connect(Bewarenals1, &QAction::triggered, this, &TTolvex12::Bewarenals1Click);
    connect(Print1, &QAction::triggered, this, &TTolvex12::Print1Click);
    connect(Adres1, &QAction::triggered, this, &TTolvex12::Adres1Click);
    connect(Exit1, &QAction::triggered, this, &TTolvex12::Exit1Click);
    CreatePrintCommands();

    BewerkenMenu = AddMenu(bar, "BewerkenMenu", "Be&werken", "Bewerken Menu", 230);
    AddMenuItem(BewerkenMenu, Invoegen1, "Invoegen1", "&Invoegen", "Invoegen nieuw record", 231);
    AddMenuItem(BewerkenMenu, Verwijderen1, "Verwijderen1", "&Verwijderen",
                "Verwijderen van record", 232);
    AddMenuItem(BewerkenMenu, Edit1, "Edit1", "&Edit", "Bewerken van record", 237);
    AddMenuItem(BewerkenMenu, Zoeken1, "Zoeken1", "&Zoeken", "Zoeken van lid op naam", 233);
    SorterenOpMenu = BewerkenMenu->addMenu(ToQt("&Sorteren op"));
    SorterenOpMenu->setObjectName("SorterenOpMenu");
    SorterenOp1 = SorterenOpMenu->menuAction();
    SorterenOp1->setObjectName("SorterenOp1");
    SorterenOp1->setProperty("helpContext", 234);
    struct SortItem {
        QAction*& Field;
        const char* Name;
        const char* Caption;
        const char* Hint;
        int Tag;
    };
    for (const SortItem& item : {
             SortItem{SortClubNr, "SortClubNr", "&Clubnummer", "Sorteren op Clubnummer", 1},
             SortItem{SortVoornaam, "SortVoornaam", "&Voornaam", "Sorteren op voornaam", 2},
             SortItem{SortAchternaam, "SortAchternaam", "&Achternaam", "Sorteren op achternaam", 3},
             SortItem{SortDamesHeren, "SortDamesHeren", "&Dames/Heren",
                      "Sorteren op dames en daarna heren", 4},
         }) {
        AddMenuItem(SorterenOpMenu, item.Field, item.Name, item.Caption, item.Hint, 234);
        item.Field->setProperty("tag", item.Tag);
        int tag = item.Tag;
        connect(item.Field, &QAction::triggered, this, [this, tag] { SortClubNrClick(tag); });
    }
    connect(Invoegen1, &QAction::triggered, this, &TTolvex12::InvoegSpdBtnClick);
    connect(Verwijderen1, &QAction::triggered, this, &TTolvex12::WegSpdBtnClick);
    connect(Edit1, &QAction::triggered, this, &TTolvex12::Edit1Click);
    connect(Zoeken1, &QAction::triggered, this, &TTolvex12::ZoekSpdbtnClick);

    SchemaMenu = AddMenu(bar, "SchemaMenu", "&Schema", "Schema's realiseren", 240);
    AddMenuItem(SchemaMenu, SchemaNamen, "SchemaNamen", "Schema met &Namen",
                "Schema met namen uit ledenbestand", 241);
    AddMenuItem(SchemaMenu, SchemaParen, "SchemaParen", "Schema met &Paren",
                "Vrij te kiezen Schema", 242);
    SchemaNamen->setProperty("tag", 1);
    SchemaParen->setProperty("tag", 2);
    connect(SchemaNamen, &QAction::triggered, this, [this] { SchemaNamenClick(1); });
    connect(SchemaParen, &QAction::triggered, this, [this] { SchemaNamenClick(2); });

    UitvoerMenu = AddMenu(bar, "UitvoerMenu", "&Uitvoer", "Schema overzichten", 250);
    struct ReportItem {
        QAction*& Field;
        const char* Name;
        const char* Caption;
        const char* Hint;
        int Tag;
    };
    for (const ReportItem& item : {
             ReportItem{PaarSchema, "PaarSchema", "&Parenschema", "Overzicht gespee;de paren", 1},
             ReportItem{BaanSchema, "BaanSchema", "&BaanSchema",
                        "Overzicht gespeelde banen per ronde", 2},
             ReportItem{AantalGespeeld, "AantalGespeeld", "&Aantal malen gespeeld",
                        "Aantal maal gespeeld per paar", 3},
             ReportItem{Kruistabel, "Kruistabel", "&Kruistabel", "Paren gespeeld tegen", 4},
             ReportItem{Wijzigen, "Wijzigen", "&Wijzigen", "Wijzigeb van opstelling op banen", 5},
         }) {
        AddMenuItem(UitvoerMenu, item.Field, item.Name, item.Caption, item.Hint, 250 + item.Tag);
        item.Field->setProperty("tag", item.Tag);
        int tag = item.Tag;
        connect(item.Field, &QAction::triggered, this, [this, tag] { PaarSchemaClick(tag); });
    }

    // Match scores are not part of this program: the menu stays, always disabled.
    MatchMenu = AddMenu(bar, "MatchMenu", "&Match", "Bijhouden van matches", 260);
    MatchMenu->menuAction()->setEnabled(false);

    OptiesMenu = AddMenu(bar, "OptiesMenu", "&Opties", "Opties voor scherm en printer ", 270);
    AddMenuItem(OptiesMenu, PrintOpties, "PrintOpties", "&Print Opties", "Opties voor afdrukken",
                272);
    AddMenuItem(OptiesMenu, PersGegevens, "PersGegevens", "Pers.&Gegevens",
                "Ggegevens vn de wedstijdleider", 273);
    AddMenuItem(OptiesMenu, MaxScherm, "MaxScherm", "Maximaal scherm", "Maximaal Windows venster",
                274);
    PrintOpties->setProperty("tag", 1);
    PersGegevens->setProperty("tag", 0);
    connect(PrintOpties, &QAction::triggered, this, [this] { PrintOptiesClick(1); });
    connect(PersGegevens, &QAction::triggered, this, [this] { PrintOptiesClick(0); });
    connect(MaxScherm, &QAction::triggered, this, &TTolvex12::MaxSchermClick);

    BeeldMenu = AddMenu(bar, "BeeldMenu", "Bee&ld", "Toont venster", 280);
    AddMenuItem(BeeldMenu, Menuiconen, "Menuiconen", "Menu &Iconen", nullptr, 217);
    Menuiconen->setCheckable(true);
    connect(Menuiconen, &QAction::triggered, this, &TTolvex12::MenuiconenClick);
    // Opening the menu is what clicking its title did: it brings the main window forward.
    connect(BeeldMenu, &QMenu::aboutToShow, this, [this] { BeeldItemClick(nullptr); });

    HelpMenu = AddMenu(bar, "HelpMenu", "&Help", "Help Menu", 290);
    AddMenuItem(HelpMenu, InhoudHelp1, "InhoudHelp1", "&Inhoud Help", "Inhoud Programaa", 10);
    AddMenuItem(HelpMenu, GebrkHlp, "GebrkHlp", "&Gebruik Help", "Hoe gebruik ik het Help bestand",
                290);
    AddMenuItem(HelpMenu, Info, "Info", "In&formatie", "Info", 290);
    connect(InhoudHelp1, &QAction::triggered, this, &TTolvex12::InhoudHelp1Click);
    connect(GebrkHlp, &QAction::triggered, this, &TTolvex12::GebrkHlpClick);
    connect(Info, &QAction::triggered, this, &TTolvex12::InfoClick);
}

void TTolvex12::CreateToolBar() {
    MenuBar = addToolBar(ToQt("Menu Iconen"));
    MenuBar->setObjectName("MenuBar");
    MenuBar->setMovable(false);
    MenuBar->setFloatable(false);
    MenuBar->setIconSize(QSize(22, 22));
    MenuBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    struct ToolButton {
        QAction*& Field;
        const char* Name;
        const char* Hint;
        int HelpContext;
        const char* Theme;
        const char* Glyph;
    };
    for (const ToolButton& b : {
             ToolButton{NieuwSpdBtn, "NieuwSpdBtn", "Nieuw bestand", 221, "document-new", "N"},
             ToolButton{OpenSpdBtn, "OpenSpdBtn", "Open bestand", 222, "document-open", "O"},
             ToolButton{BewaarSpdBtn, "BewaarSpdBtn", "Bewaar lijst", 223, "document-save", "B"},
             ToolButton{BewaarAlsSpdBtn, "BewaarAlsSpdBtn", "Bewaren..als", 224, "document-save-as",
                        "B.."},
             ToolButton{PrintSpdBtn, "PrintSpdBtn", "Afdrukken lijst", 225, "document-print", "P"},
             ToolButton{InvoegSpdBtn, "InvoegSpdBtn", "Invoegen nieuw record", 231, "list-add",
                        "+"},
             ToolButton{WegSpdBtn, "WegSpdBtn", "Verwijderen van record", 232, "list-remove",
                        "\u2212"},
             ToolButton{EditSpdBtn, "EditSpdBtn", "Editing van Record", 0,
                        "accessories-text-editor;document-edit", "\u270E"},
             ToolButton{ZoekSpdbtn, "ZoekSpdbtn", "Zoeken van Naam ", 233, "edit-find", "?"},
             ToolButton{SortSpdBtn, "SortSpdBtn", "Sorteren", 234, "view-sort-ascending",
                        "A\u2193"},
             ToolButton{NaamSpdBtn, "NaamSpdBtn", "Schema met namen", 241,
                        "system-users;x-office-address-book", "Nm"},
             ToolButton{PaarSpdBtn, "PaarSpdBtn", "Schema met Paren", 242,
                        "x-office-calendar;view-grid", "2x"},
             ToolButton{UitSpdBtn, "UitSpdBtn", "Parenschema overzicht", 250,
                        "x-office-spreadsheet", "\u2261"},
         }) {
        AddToolButton(b.Field, b.Name, b.Hint, b.HelpContext, b.Theme);
        b.Field->setIcon(ToolIcon(b.Theme, QString::fromUtf8(b.Glyph)));
        if (QWidget* button = MenuBar->widgetForAction(b.Field)) {
            button->setObjectName(QString(b.Name) + "Button");
            button->setFixedSize(28, 28);
        }
    }
    // The two schedule buttons: the last one used stays pressed.
    SchemaSpdBtnGroup = new QActionGroup(this);
    SchemaSpdBtnGroup->setExclusive(true);
    for (QAction* b : {NaamSpdBtn, PaarSpdBtn}) {
        b->setCheckable(true);
        SchemaSpdBtnGroup->addAction(b);
    }

    connect(NieuwSpdBtn, &QAction::triggered, this, &TTolvex12::Nieuw1Click);
    connect(OpenSpdBtn, &QAction::triggered, this, &TTolvex12::Open1Click);
    connect(BewaarSpdBtn, &QAction::triggered, this, &TTolvex12::Bewaren1Click);
    connect(BewaarAlsSpdBtn, &QAction::triggered, this, &TTolvex12::Bewarenals1Click);
    connect(PrintSpdBtn, &QAction::triggered, this, &TTolvex12::Print1Click);
    connect(InvoegSpdBtn, &QAction::triggered, this, &TTolvex12::InvoegSpdBtnClick);
    connect(WegSpdBtn, &QAction::triggered, this, &TTolvex12::WegSpdBtnClick);
    connect(EditSpdBtn, &QAction::triggered, this, &TTolvex12::Edit1Click);
    connect(ZoekSpdbtn, &QAction::triggered, this, &TTolvex12::ZoekSpdbtnClick);
    connect(SortSpdBtn, &QAction::triggered, this, &TTolvex12::SortSpdBtnClick);
    connect(NaamSpdBtn, &QAction::triggered, this, &TTolvex12::NaamSpdBtnClick);
    connect(PaarSpdBtn, &QAction::triggered, this, &TTolvex12::PaarSpdBtnClick);
    connect(UitSpdBtn, &QAction::triggered, this, &TTolvex12::UitSpdBtnClick);
}

void TTolvex12::CreateMemberArea() {
    auto* central = new QWidget(this);
    central->setObjectName("CentralArea");
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    // The member grid lays out its own parts; this area only holds them.
    GridArea = new QWidget(central);
    GridArea->setObjectName("GridArea");
    GridArea->installEventFilter(this);
    column->addWidget(GridArea, 1);

    CreateLedenGrid();
    ActieLabel = new QLabel(ToQt("Zet Actie!"), GridArea);
    ActieLabel->setObjectName("ActieLabel");
    ActieLabel->setAutoFillBackground(true);
    QPalette lime = ActieLabel->palette();
    lime.setColor(QPalette::Window, QColor(0, 255, 0));
    lime.setColor(QPalette::WindowText, Qt::black);
    ActieLabel->setPalette(lime);
    ActieLabel->setAlignment(Qt::AlignCenter);

    LedenPanel = new QWidget(central);
    LedenPanel->setObjectName("LedenPanel");
    auto* buttons = new QHBoxLayout(LedenPanel);
    buttons->setContentsMargins(6, 4, 6, 4);
    AddPanelButton(HelptBtn1, "HelptBtn1", "&Help", nullptr, 235);
    AddPanelButton(PrintBitBtn, "PrintBitBtn", "&Print", "ledenbestand uitprinten", 307);
    AddPanelButton(SaveBtn, "SaveBtn", "&Red", "Opslaan", 306);
    AddPanelButton(RandomBtn, "RandomBtn", "Sch&ud", "Verdelen in willekeurige volgorde", 305);
    AddPanelButton(TurvenBtn, "TurvenBtn", "&Turven", "Activeren /Selecteren van leden", 304);
    AddPanelButton(SchrapBitBtn, "SchrapBitBtn", "S&chrap", "Annuleren", 303);
    AddPanelButton(SluitBitBtn, "SluitBitBtn", "&Sluit", "Sluiten en opslaan", 251);
    // "S&chrap" is the Esc button of the window.
    // A shortcut of its own, so the button keeps its accelerator Alt+C.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName("SchrapEscape");
    connect(escape, &QShortcut::activated, this, [this] {
        if (SchrapBitBtn->isVisible() && SchrapBitBtn->isEnabled()) SchrapBitBtn->click();
    });
    column->addWidget(LedenPanel);

    connect(HelptBtn1, &QPushButton::clicked, this, &TTolvex12::HelptBtn1Click);
    connect(PrintBitBtn, &QPushButton::clicked, this, &TTolvex12::Print1Click);
    connect(SaveBtn, &QPushButton::clicked, this, &TTolvex12::SaveBtnClick);
    connect(RandomBtn, &QPushButton::clicked, this, &TTolvex12::RandomBtnClick);
    connect(TurvenBtn, &QPushButton::clicked, this, &TTolvex12::TurvenBtnClick);
    connect(SchrapBitBtn, &QPushButton::clicked, this, &TTolvex12::SchrapBitBtnClick);
    connect(SluitBitBtn, &QPushButton::clicked, this, &TTolvex12::SluitBitBtnClick);

    setCentralWidget(central);
}

void TTolvex12::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    constexpr std::array<int, 4> widths = {300, 110, 120, 80};
    constexpr std::array<const char*, 4> texts = {"", "Naam :", "Datum :", "Tijd"};
    constexpr std::array<const char*, 4> names = {"HintPanel", "NaamPanel", "DatumPanel",
                                                  "TijdPanel"};
    for (int i = 0; i < 4; ++i) {
        auto* panel = new QLabel(ToQt(texts[i]), bar);
        panel->setObjectName(names[i]);
        panel->setFrameShape(QFrame::Panel);
        panel->setFrameShadow(QFrame::Sunken);
        panel->setMinimumWidth(widths[i]);
        panel->setContentsMargins(3, 0, 3, 0);
        bar->addWidget(panel, i == 0 ? 1 : 0);
        StatusPanels[i] = panel;
    }
}

// A simple arrangement of the member area until the member grid lays it out itself: the grid on
// top, its panel below it, the action label at the top right.
void TTolvex12::PlaceGridArea() {
    QRect area = GridArea->rect();
    // The member grid centres itself below the "Zet Actie!" label.
    LedenArea->setGeometry(0, 32, area.width(), qMax(0, area.height() - 36));
    ActieLabel->setGeometry(area.width() - 110, 6, 100, 22);
    ActieLabel->raise();
}
