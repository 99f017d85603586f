#pragma once

#include <QByteArray>
#include <QString>

// Shared test set-up: every test runs with its own home folder, settings
// store and download folder, so nothing of the user's is read or written.
namespace TestSupport
{

// Call first in initTestCase(). Points HOME, the XDG folders and the settings
// store into a temporary folder that lives until the test ends, creates the
// download folder and registers the embedded resources.
void vIsolate();

// The temporary home folder of this test run.
QString strHome();
// The download folder inside it.
QString strDownloads();

// Writes bytes to a file (creating folders) and returns its path.
QString strWriteFile(const QString& _strPath, const QByteArray& _baContent);
QByteArray baReadFile(const QString& _strPath);

} // namespace TestSupport
