#pragma once
// Whole-file operations. Each opens the file for one operation and closes it
// at once, so no file stays open between the program's steps. Failures throw
// RuntimeError with the number the user is shown (53 missing file, 76 missing
// folder, 70 permission denied, 75 any other access failure).
#include <QByteArray>
#include <QString>

class QFile;

QByteArray readFileBytes(const QString& path);
// Up to `length` bytes from byte `offset` (0-based); fewer, or none, past the end.
QByteArray readFileBytes(const QString& path, qint64 offset, qint64 length);
qint64 fileLength(const QString& path);
// Opens `file` to be read straight through in large blocks, without a
// buffer of its own; fails as the reads above do.
void openFileForBlockReading(QFile& file);

// Writes the whole file through a temporary file in the same folder renamed
// over the old one: a crash leaves either the old file or the new one.
void writeFileAtomically(const QString& path, const QByteArray& data);

void deleteFile(const QString& path);
