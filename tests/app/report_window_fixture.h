#pragma once
// The report window as its tests drive it: the hand-written club schedule in the store, every
// window of the program on the scripted ports and a recording printer, and the report commands of
// the main window enabled.

#include "../core/report_test_store.h"
#include "app/reports/results_form.h"
#include "app/shell/main_window.h"
#include "app/shell/start_up.h"
#include "file_test_support.h"
#include "recording_print_canvas.h"
#include "scripted_ports.h"

#include <QAction>
#include <QMenu>
#include <QStringList>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

struct ReportWindowFixture {
    ScratchFolder Folder;
    HandStore S;
    TestPorts Fakes;
    ScriptedChooser Choose;
    RecordingPrintCanvas Printer;
    NoHelp Help;
    ProgramWindows Windows =
        CreateWindows(*S.State, WindowPorts{Fakes.Messages, Fakes.Pump, Fakes.Bell, Fakes.Time,
                                            Choose, Printer, Help});
    TResultsForm* Form = Windows.ResultsForm.get();

    ReportWindowFixture() {
        FillClubSchedule(S);
        Windows.Main->show();
        Windows.Main->EnableUitVoerItems(true);
    }
    QAction* Action(const char* name) const {
        auto* action = Windows.Main->findChild<QAction*>(name);
        if (!action) qFatal("no action %s", name);
        return action;
    }
    int BeeldEntries() const {
        int n = 0;
        for (QAction* a : Windows.Main->findChild<QMenu*>("BeeldMenu")->actions())
            if (a->property("tag").isValid()) ++n;
        return n;
    }
    QStringList Headers() const {
        QStringList captions;
        for (int i = 0; i < Form->ListView->columnCount(); ++i)
            captions << Form->ListView->headerItem()->text(i);
        return captions;
    }
    QStringList Row(int i) const {
        QStringList texts;
        QTreeWidgetItem* item = Form->ListView->topLevelItem(i);
        for (int c = 0; c < item->columnCount(); ++c) texts << item->text(c);
        return texts;
    }
    void ClickCell(int row, int col) { ClickGridCell(Form->BewerkGrid, row, col); }
    static void ClickGridCell(QTableWidget* grid, int row, int col) {
        grid->scrollTo(grid->model()->index(row, col));
        const QRect cell = grid->visualRect(grid->model()->index(row, col));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QStringList ListLines() const {
        QStringList lines;
        for (const TResultObj& line : Form->UitLijst) lines << QString::fromStdString(line.Regel);
        return lines;
    }
};
