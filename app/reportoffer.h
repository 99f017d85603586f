#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

// What follows a report or export: the file is written to the reports
// folder, then a message names it and offers to open it or to e-mail it; a
// write that fails says why. Every page that makes reports goes through here.
namespace ReportOffer
{

enum class Choice { Close, Open, Email };

// Writes _baContent as _strFileName (a free name in the reports folder) and
// offers the file. Returns the written path, or an empty text after telling
// the user why nothing was written. _strSubject names the content in the
// e-mail's subject.
QString strSaveAndOffer(QWidget* _pParent, const QString& _strFileName, const QByteArray& _baContent,
                        const QString& _strSubject);
// The same for a report that is a folder already written (_strPath).
void vOffer(QWidget* _pParent, const QString& _strPath, const QString& _strSubject);

// The e-mail that goes with a saved report: the stored address, the subject
// and a body that names the file's path (a "mailto:" link carries no
// attachment).
QUrl mailUrl(const QString& _strPath, const QString& _strSubject);

// For tests: while set, the chooser answers the offer instead of a box (it
// gets the box's text), and the opener receives the URLs that would be opened.
using Chooser = std::function<Choice(const QString& _strText)>;
using Opener = std::function<bool(const QUrl& _url)>;
void vSetChooser(const Chooser& _chooser);
void vSetOpener(const Opener& _opener);

} // namespace ReportOffer
