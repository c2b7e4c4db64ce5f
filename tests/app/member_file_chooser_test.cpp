#include "app/members/member_file_chooser.h"
#include "file_test_support.h"
#include "scripted_ports.h"

#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

class MemberFileChooserTest : public QObject {
    Q_OBJECT

    // Answers the file dialog that is about to open by typing a name into it and pressing Enter.
    static void AnswerDialog(const QString& name) {
        QTimer::singleShot(50, [name] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            QVERIFY(edit);
            edit->setText(name);
            QTest::keyClick(edit, Qt::Key_Return);
        });
    }

private slots:
    void PatternsBecomeCaseInsensitiveAndTheDescriptionStays() {
        QCOMPARE(CaseInsensitiveNameFilter("Tolvex bestand (*.tvs)"),
                 QString("Tolvex bestand (*.[tT][vV][sS])"));
        QCOMPARE(CaseInsensitiveNameFilter("Tekst (*.txt)"), QString("Tekst (*.[tT][xX][tT])"));
    }

    void TheFilterFindsTvsFilesWhateverTheirCase() {
        ScratchFolder folder;
        for (const char* name : {"a.tvs", "B.TVS", "c.Tvs", "d.cfg", "e.tvsx"})
            WriteBytes(folder.Path(name), "x");
        QDir dir(QString::fromStdString(folder.Root));
        QStringList found =
            dir.entryList(QStringList{QString("*.[tT][vV][sS]")}, QDir::Files, QDir::Name);
        QCOMPARE(found, (QStringList{"B.TVS", "a.tvs", "c.Tvs"}));
    }

    void SaveDialogKeepsTheFolderAndAddsTheExtension() {
        ScratchFolder folder;
        ScriptedChooser others;
        MemberFileChooser chooser(others, nullptr);
        FileDialogRequest request{"", "*.tvs", "Tolvex bestand (*.tvs)", "tvs"};
        AnswerDialog(QString::fromStdString(folder.Path("zomer")));
        auto chosen = chooser.SaveFile(request);
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), QString::fromStdString(folder.Path("zomer.tvs")));
    }

    void OpenDialogReturnsTheFullNameOfAnUpperCaseFile() {
        ScratchFolder folder;
        WriteBytes(folder.Path("OUD.TVS"), "x");
        ScriptedChooser others;
        MemberFileChooser chooser(others, nullptr);
        FileDialogRequest request{"", "*.TVS", "Tolvex bestand (*.tvs)", "tvs"};
        AnswerDialog(QString::fromStdString(folder.Path("OUD.TVS")));
        auto chosen = chooser.OpenFile(request);
        QVERIFY(chosen.has_value());
        QCOMPARE(QString::fromStdString(*chosen), QString::fromStdString(folder.Path("OUD.TVS")));
    }
};

QTEST_MAIN(MemberFileChooserTest)
#include "member_file_chooser_test.moc"
