#pragma once
// The one place that knows how stored text files look on disk: GBK (UTF-8 for
// the files this program added), lines ended by CR LF (the last one too).
// Everything above this works in Unicode lines. The bytes go through
// StoredFile: a save is checked against what was loaded, refused while another
// window holds the program folder, and kept in the folder's History/.

#include "base/Outcome.h"

#include <QString>
#include <QStringList>

namespace tarnby::textfile {

// Reads the whole file and splits it into lines. CR LF ends a line; a lone CR
// or LF is accepted too, since a file edited by hand on another system may
// carry them. A final line end does not start another (empty) line.
Result<QStringList> readLines(const QString& path);

// Writes the lines, each followed by CR LF, in GBK, through a temporary file in
// the same folder that replaces the old file only once it is complete. On any
// failure the old file stays as it was and the error names the file; a file
// another program changed since it was read is a conflict (Outcome::Kind).
Outcome writeLines(const QString& path, const QStringList& lines);

// The whole file as stored, for the files parsed as a whole (JSON).
Result<QByteArray> readBytes(const QString& path);

// Whether the file is there. Use it, not a directory lookup, where a missing
// file is a state the page shows (an empty month): a file that appears
// meanwhile is then not overwritten unasked.
bool exists(const QString& path);

// Removes the file (a month left without content) as a save: checked,
// kept in History/ and logged like one.
Outcome remove(const QString& path);

// Stored bytes of either kind as lines: UTF-8 when they are (a BOM is
// dropped), else GBK.
QStringList linesOf(const QByteArray& stored);

// The files this program added itself are UTF-8 (a BOM is accepted), lines
// split as above. A line that is not UTF-8 (a file saved as GBK by an editor)
// fails the whole read, with the file and the line number in the message.
Result<QStringList> readUtf8Lines(const QString& path);

// As writeLines, in UTF-8 without a BOM.
Outcome writeUtf8Lines(const QString& path, const QStringList& lines);

// Decoding and encoding for callers that hold bytes themselves.
QString decodeGbk(const QByteArray& bytes);
QByteArray encodeGbk(const QString& text);

// True when every character of the text has a GBK form; a file can only keep
// what its code page can hold.
bool fitsGbk(const QString& text);

} // namespace tarnby::textfile
