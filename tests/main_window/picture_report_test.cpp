// The picture and the report leave the window: the graph's menu, copy, save
// and print, the report's save and the question before it is lost.
#include "form1_fixture.h"
#include "graph/graph_panel.h"
#include "main_window/files/picture_actions.h"
#include "main_window/files/report_file.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

QByteArray contentsOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A folder no one can create files in, not even the superuser.
const QString unwritable = QStringLiteral("/proc/trellan-test");

} // namespace

class PictureReportTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void menuOffersThePictureAndRightClickReads();
    void copyPutsImageAndSvg();
    void savePicture_data();
    void savePicture();
    void savePictureCancelled();
    void savePictureFails_data();
    void savePictureFails();
    void fullDiskKeepsTheOldFiles();
    void printedPageHoldsTheAnswersAsText();
    void printedWorkingRunsOnToMorePages();
    void printCancelled();
    void saveReport();
    void saveReportFails();
    void saveReportAsText_data();
    void saveReportAsText();
    void quitPrompt_data();
    void quitPrompt();
    void noPromptWhenEmptyOrSaved();

private:
    QTemporaryDir dir;
};

void PictureReportTest::initTestCase()
{
    QVERIFY(dir.isValid());
    // The remembered folders go to a settings file of the test's own.
    QStandardPaths::setTestModeEnabled(true);
    QSettings().clear();
}

void PictureReportTest::menuOffersThePictureAndRightClickReads()
{
    LoadedForm f;
    f->show();
    QVERIFY(QTest::qWaitForWindowExposed(f.form.get()));
    QStringList offered;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&offered] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            for (const QAction* a : menu->actions())
                if (!a->isSeparator())
                    offered << a->text();
            menu->close();
        }
    });
    closer.start(10);
    // Column 0 of the drawing area reads -10 even though the button is the right one.
    const QPoint corner = f->p1->mapTo(f.form.get(), f->p1->contentsRect().topLeft());
    QTest::mouseMove(f->windowHandle(), corner + QPoint(300, 300));
    QTest::mouseClick(f->windowHandle(), Qt::RightButton, {}, corner);
    QTRY_VERIFY(!offered.isEmpty());
    QCOMPARE(f->tx->text(), "-10");
    QCOMPARE(offered,
        QStringList({ "&Copy picture", "&Save picture as…", "&Print…", "Print pre&view…",
            "Show &end-point coordinates" }));
    QCOMPARE(f->pictureActions->copyAction->shortcut(), QKeySequence::Copy);
    QCOMPARE(f->pictureActions->saveAction->shortcut(), QKeySequence::Save);
    QCOMPARE(f->pictureActions->printAction->shortcut(), QKeySequence::Print);
}

void PictureReportTest::copyPutsImageAndSvg()
{
    LoadedForm f;
    QApplication::clipboard()->clear();
    f->pictureActions->copy();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    QVERIFY(data);
    QVERIFY(data->hasImage());
    const QImage image = qvariant_cast<QImage>(data->imageData());
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32), f->p1->canvas().image());
    QVERIFY(data->data("image/svg+xml").contains("<svg"));
}

void PictureReportTest::savePicture_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("png by its extension") << "a.png"
                                          << "SVG drawing (*.svg)"
                                          << "a.png" << QByteArray("\x89PNG");
    QTest::newRow("svg by its extension") << "b.SVG"
                                          << "PNG picture (*.png)"
                                          << "b.SVG" << QByteArray("<?xml");
    QTest::newRow("pdf by its filter") << "c"
                                       << "PDF page (*.pdf)"
                                       << "c.pdf" << QByteArray("%PDF");
    QTest::newRow("svg by its filter") << "d"
                                       << "SVG drawing (*.svg)"
                                       << "d.svg" << QByteArray("<?xml");
}

void PictureReportTest::savePicture()
{
    QFETCH(QString, typed);
    QFETCH(QString, filter);
    QFETCH(QString, written);
    QFETCH(QByteArray, magic);
    LoadedForm f;
    QStringList told;
    QString offered;
    f->pictureActions->askFileName = [&](const QString& proposed, QString* chosen) {
        offered = proposed;
        *chosen = filter;
        return dir.filePath(typed);
    };
    f->pictureActions->tell = [&](const QString& m) { told << m; };
    QVERIFY(f->pictureActions->saveAs());
    QVERIFY(told.isEmpty());
    QVERIFY(contentsOf(dir.filePath(written)).startsWith(magic));
    // The next dialog proposes a picture's name in the folder just used.
    f->pictureActions->saveAs();
    QCOMPARE(offered, dir.filePath("lines.png"));
}

void PictureReportTest::savePictureCancelled()
{
    LoadedForm f;
    f->pictureActions->askFileName = [](const QString&, QString*) { return QString(); };
    f->pictureActions->tell = [](const QString& m) { QFAIL(qPrintable(m)); };
    QVERIFY(!f->pictureActions->saveAs());
    QCOMPARE(QDir(dir.path()).entryList({ "cancelled*" }), QStringList());
}

void PictureReportTest::savePictureFails_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("a folder that cannot be written") << unwritable + "/graph.png";
    // The file is written, but it cannot replace a folder of that name.
    QTest::newRow("the last step fails") << "folder.svg";
}

void PictureReportTest::savePictureFails()
{
    QFETCH(QString, file);
    const QString path = file.startsWith('/') ? file : dir.filePath(file);
    QDir(dir.path()).mkpath("folder.svg");
    LoadedForm f;
    QStringList told;
    f->pictureActions->askFileName = [&](const QString&, QString*) { return path; };
    f->pictureActions->tell = [&](const QString& m) { told << m; };
    QVERIFY(!f->pictureActions->saveAs());
    QCOMPARE(told.size(), 1);
    QVERIFY2(told[0].startsWith("The picture could not be saved to “" + path + "”: "),
        qPrintable(told[0]));
    QVERIFY(told[0].size() > QString("The picture could not be saved to “" + path + "”: ").size());
    QVERIFY(QFileInfo(dir.filePath("folder.svg")).isDir());
}

void PictureReportTest::fullDiskKeepsTheOldFiles()
{
    // A small file system of its own, filled.
    QTemporaryDir disk;
    if (::geteuid() != 0
        || QProcess::execute("mount", { "-t", "tmpfs", "-o", "size=64k", "tmpfs", disk.path() })
            != 0)
        QSKIP("a small tmpfs is mounted only by the superuser");
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", { disk.path() }); });
    const QString picture = disk.filePath("graph.pdf"), report = disk.filePath("report.txt");
    for (const QString& name : { picture, report }) {
        QFile old(name);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("last week's") == 11);
    }
    {
        QFile filler(disk.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'x')) == 4096 && filler.flush()) { }
    }
    LoadedForm f;
    LoadedForm::click(f->Check1);
    QStringList told;
    f->pictureActions->askFileName = [&](const QString&, QString*) { return picture; };
    f->pictureActions->tell = [&](const QString& m) { told << m; };
    QVERIFY(!f->pictureActions->saveAs());
    f->txt_results->setPlainText(QString(64 * 1024, u'7'));
    f->reportFile->askFileName = [&](const QString&) { return report; };
    f->reportFile->tell = [&](const QString& m) { told << m; };
    QVERIFY(!f->reportFile->saveAs());
    QCOMPARE(told.size(), 2);
    QVERIFY2(told[0].startsWith("The picture could not be saved to “" + picture + "”: "),
        qPrintable(told[0]));
    QVERIFY2(told[1].startsWith("The report could not be saved to “" + report + "”: "),
        qPrintable(told[1]));
    // The old files as they were, and nothing half-written beside them.
    QCOMPARE(contentsOf(picture), QByteArray("last week's"));
    QCOMPARE(contentsOf(report), QByteArray("last week's"));
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden),
        QStringList({ "filler", "graph.pdf", "report.txt" }));
}

void PictureReportTest::printedPageHoldsTheAnswersAsText()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: run tools/setup.sh");
    LoadedForm f;
    LoadedForm::click(f->Check1);
    LoadedForm::click(f->cmd_bothlines);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = dir.filePath("page.pdf");
    printer.setOutputFileName(pdf);
    f->pictureActions->printPage(printer);
    QProcess text;
    text.start("pdftotext", { pdf, "-" });
    QVERIFY(text.waitForFinished());
    // The page's text keeps the words; blanks between them may be merged.
    const QString page = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    for (const QString& shown : { QString("Trellan"), f->txt_eqn1->text(), f->txt_eqn2->text(),
             f->lblAns->text(), f->txt_l1xint->text() })
        QVERIFY2(page.contains(shown.simplified()), qPrintable(shown + " not in:\n" + page));
    QVERIFY(page.contains("Line 1"));
    // The first line of the report box.
    QVERIFY(page.contains(f->txt_results->toPlainText().section('\n', 0, 0).simplified()));
}

void PictureReportTest::printedWorkingRunsOnToMorePages()
{
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed: run tools/setup.sh");
    LoadedForm f;
    f.typeLine(2, { "0", "1", "1", "-1" });
    LoadedForm::click(f->cmd_bothlines);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QString pdf = dir.filePath("working.pdf");
    printer.setOutputFileName(pdf);
    f->pictureActions->printPage(printer);
    const auto textOf = [&](const QStringList& pages) {
        QProcess text;
        text.start("pdftotext", pages + QStringList { "-layout", pdf, "-" });
        text.waitForFinished();
        return QString::fromUtf8(text.readAllStandardOutput());
    };
    const QString all = textOf({});
    // Below the answers, as a pupil writes it.
    QVERIFY(all.indexOf("Crossing point") < all.indexOf("Line 1: the slope m"));
    QVERIFY2(
        all.contains(QStringLiteral("m = (7 \u2212 0) / (8 \u2212 (\u22126))")), qPrintable(all));
    QVERIFY(all.contains(QStringLiteral("y = (\u22122) \u00b7 (\u22124/5) + 1 = 13/5")));
    // It needs a second page, and ends there with the relation.
    QVERIFY(!textOf({ "-f", "2" }).isEmpty());
    QVERIFY(textOf({ "-f", "2" }).contains("so the lines are perpendicular"));
    QVERIFY(!textOf({ "-l", "1" }).contains("so the lines are perpendicular"));
}

void PictureReportTest::printCancelled()
{
    LoadedForm f;
    bool asked = false;
    f->pictureActions->askPrinter = [&](QPrinter&) {
        asked = true;
        return false;
    };
    QVERIFY(!f->pictureActions->print());
    QVERIFY(asked);
}

void PictureReportTest::saveReport()
{
    LoadedForm f;
    const QString report = QStringLiteral("Pupil: Zoë\nY = ½ X + 3 ✓");
    f->txt_results->insertPlainText(report); // as typed: changed, never saved
    QVERIFY(f->txt_results->document()->isModified());
    const QString path = dir.filePath("report.txt");
    f->reportFile->askFileName = [&](const QString&) { return path; };
    f->reportFile->tell = [](const QString& m) { QFAIL(qPrintable(m)); };
    QVERIFY(f->reportFile->saveAs());
    QCOMPARE(contentsOf(path), report.toUtf8());
    f->reportFile->askBeforeQuitting = [] {
        [] { QFAIL("asked about a saved report"); }();
        return QMessageBox::Cancel;
    };
    QVERIFY(f->reportFile->mayClose());
}

void PictureReportTest::saveReportAsText_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension: a text file") << "notes"
                                               << "notes.txt";
    QTest::newRow("an extension of its own") << "notes.log"
                                             << "notes.log";
    QTest::newRow("a point in the folder's name") << "v1.2/notes"
                                                  << "v1.2/notes.txt";
}

void PictureReportTest::saveReportAsText()
{
    QFETCH(QString, typed);
    QFETCH(QString, written);
    QVERIFY(QDir(dir.path()).mkpath("v1.2"));
    LoadedForm f;
    f->txt_results->setPlainText("a report");
    QString offered;
    f->reportFile->askFileName = [&](const QString& proposed) {
        offered = proposed;
        return dir.filePath(typed);
    };
    f->reportFile->tell = [](const QString& m) { QFAIL(qPrintable(m)); };
    QVERIFY(f->reportFile->saveAs());
    QCOMPARE(contentsOf(dir.filePath(written)), QByteArray("a report"));
    // The next dialog proposes a report's name in the folder just used.
    f->reportFile->saveAs();
    QCOMPARE(offered, QFileInfo(dir.filePath(written)).dir().filePath("report.txt"));
}

void PictureReportTest::saveReportFails()
{
    LoadedForm f;
    f->txt_results->insertPlainText("a report");
    const QString path = unwritable + "/report.txt";
    QStringList told;
    f->reportFile->askFileName = [&](const QString&) { return path; };
    f->reportFile->tell = [&](const QString& m) { told << m; };
    QVERIFY(!f->reportFile->saveAs());
    QCOMPARE(told.size(), 1);
    QVERIFY2(told[0].startsWith("The report could not be saved to “" + path + "”: "),
        qPrintable(told[0]));
    // Still unsaved: closing asks.
    bool asked = false;
    f->reportFile->askBeforeQuitting = [&] {
        asked = true;
        return QMessageBox::Cancel;
    };
    f->show();
    QVERIFY(!f->close());
    QVERIFY(asked);
}

void PictureReportTest::quitPrompt_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("fileName"); // what the save dialog gives
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("save") << int(QMessageBox::Save) << "quit.txt" << true << true;
    QTest::newRow("save, then the file dialog cancelled")
        << int(QMessageBox::Save) << "" << false << false;
    QTest::newRow("discard") << int(QMessageBox::Discard) << "quit.txt" << true << false;
    QTest::newRow("cancel") << int(QMessageBox::Cancel) << "quit.txt" << false << false;
}

void PictureReportTest::quitPrompt()
{
    QFETCH(int, answer);
    QFETCH(QString, fileName);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    QFile::remove(dir.filePath("quit.txt"));
    LoadedForm f;
    f->show();
    LoadedForm::click(f->Check1);
    LoadedForm::click(f->cmd_bothlines); // a report in the box
    int asked = 0;
    f->reportFile->askBeforeQuitting = [&] {
        ++asked;
        return QMessageBox::StandardButton(answer);
    };
    f->reportFile->askFileName
        = [&](const QString&) { return fileName.isEmpty() ? fileName : dir.filePath(fileName); };
    LoadedForm::click(f->cmd_quit);
    QCOMPARE(asked, 1);
    QCOMPARE(f->isVisible(), !closes);
    QCOMPARE(QFile::exists(dir.filePath("quit.txt")), saved);
    if (saved)
        QCOMPARE(contentsOf(dir.filePath("quit.txt")), f->txt_results->toPlainText().toUtf8());
}

void PictureReportTest::noPromptWhenEmptyOrSaved()
{
    LoadedForm f;
    int asked = 0;
    f->reportFile->askBeforeQuitting = [&] {
        ++asked;
        return QMessageBox::Cancel;
    };
    f->show();
    QVERIFY(f->close()); // empty
    f->show();
    f->txt_results->setPlainText("typed");
    f->reportFile->askFileName = [&](const QString&) { return dir.filePath("kept.txt"); };
    QVERIFY(f->reportFile->saveAs());
    QVERIFY(f->close()); // saved since its last change
    QCOMPARE(asked, 0);
    f->show();
    QTest::keyClicks(f->txt_results, "more");
    QVERIFY(!f->close()); // changed after the save
    QCOMPARE(asked, 1);
}

QTEST_MAIN(PictureReportTest)
#include "picture_report_test.moc"
