#pragma once
// Tables as CSV files for spreadsheets: written as UTF-8 with a byte-order
// mark, CRLF line ends, a header row and RFC 4180 quoting; read back from
// what a spreadsheet or a person writes (with or without the mark, CRLF or LF,
// quoted or not). The values come from the LAN, so a cell that a spreadsheet
// would run as a formula is written with a leading apostrophe.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

class ORB_CsvTable
{
public:
    using Rows = QList<QStringList>;

    // Files larger than this are refused when read.
    static constexpr int MAX_BYTES = 8 * 1024 * 1024;

    // The file's bytes for a header row and data rows.
    static QByteArray write(const QStringList& header, const Rows& rows);

    // The rows of a file's bytes, header included. Blank lines are skipped.
    // On a fault (a quote left open, text after a closing quote, a file too
    // large or not UTF-8) returns no rows and says where in *error.
    static Rows read(const QByteArray& bytes, QString* error);

    // A cell as it is written: guarded against formulas, quoted when needed.
    static QString cell_text(const QString& value);
};
