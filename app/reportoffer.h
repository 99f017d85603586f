#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

// What follows a report or export: the file is written to the reports
// folder, then a message names it and offers to open it, to e-mail it and,
// for a report that can draw itself, to print it; a write that fails says
// why. Every page that makes reports goes through here.
namespace ReportOffer
{

enum class Choice { Close, Open, Email, Print };

// How a report is printed: the orientation the print dialog starts with and
// the function that draws the report onto the printer as the dialog set it
// up (false: the printer reported an error). Empty: the offer has no
// "Drucken" (CSV, folders).
struct Printing {
    std::function<bool(QPagedPaintDevice* _pDevice)> fnDraw;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

// The printing of a report that draws itself onto a paged device
// (bPrint) and names its orientation; the offer keeps it alive.
template <class Report> Printing printingOf(const std::shared_ptr<Report>& _pReport)
{
    return {[_pReport](QPagedPaintDevice* _pDevice) { return _pReport->bPrint(_pDevice); },
            _pReport->orientation()};
}

// Writes _baContent as _strFileName (a free name in the reports folder) and
// offers the file. Returns the written path, or an empty text after telling
// the user why nothing was written. _strSubject names the content in the
// e-mail's subject.
QString strSaveAndOffer(QWidget* _pParent, const QString& _strFileName, const QByteArray& _baContent,
                        const QString& _strSubject, const Printing& _printing = {});
// The same for a report already written (_strPath), a file or a folder.
void vOffer(QWidget* _pParent, const QString& _strPath, const QString& _strSubject,
            const Printing& _printing = {});

// The e-mail that goes with a saved report where no attachment is possible:
// the stored address, the subject and a body that names the file's path (a
// "mailto:" link carries no attachment).
QUrl mailUrl(const QString& _strPath, const QString& _strSubject);

// For tests: while set, the chooser answers the offer instead of a box (it
// gets the box's text), the opener receives the URLs that would be opened,
// and the print dialog hook answers in place of the print dialog (true:
// print, with the printer as the hook left it).
using Chooser = std::function<Choice(const QString& _strText)>;
using Opener = std::function<bool(const QUrl& _url)>;
using PrintDialog = std::function<bool(QPrinter& _printer)>;
void vSetChooser(const Chooser& _chooser);
void vSetOpener(const Opener& _opener);
void vSetPrintDialog(const PrintDialog& _dialog);

} // namespace ReportOffer
