#include "csv_table.h"

#include <QTextCodec>

namespace {

const QByteArray BYTE_ORDER_MARK = "\xEF\xBB\xBF";

// A spreadsheet also reads a cell that begins with a TAB or a CR as a
// formula once it drops the leading white space.
bool starts_formula(const QString& value)
{
    return !value.isEmpty() && QString("=+-@\t\r").contains(value.front());
}

QString line_of(const QStringList& cells)
{
    QStringList written;
    for (const QString& cell : cells)
        written.append(ORB_CsvTable::cell_text(cell));
    return written.join(',') + "\r\n";
}

// Reads one table from text, a cell at a time.
class CsvReader
{
public:
    explicit CsvReader(const QString& text) : text(text) {}

    ORB_CsvTable::Rows rows(QString* error)
    {
        ORB_CsvTable::Rows table;
        while (at < text.size()) {
            const QStringList row = read_row(error);
            if (!error->isEmpty())
                return {};
            if (!(row.size() == 1 && row[0].isEmpty()))
                table.append(row);
        }
        return table;
    }

private:
    QStringList read_row(QString* error)
    {
        QStringList row;
        for (;;) {
            row.append(peek() == '"' ? quoted_cell(error) : plain_cell());
            if (!error->isEmpty())
                return {};
            if (peek() == ',') {
                ++at;
                continue;
            }
            end_line(error);
            return row;
        }
    }

    QString plain_cell()
    {
        const int start = at;
        while (at < text.size() && text[at] != ',' && text[at] != '\r' && text[at] != '\n')
            ++at;
        return text.mid(start, at - start);
    }

    QString quoted_cell(QString* error)
    {
        const int opened_on = line;
        ++at;
        QString cell;
        for (;;) {
            if (at >= text.size()) {
                *error = QString("line %1: a quoted cell is never closed").arg(opened_on);
                return {};
            }
            const QChar c = text[at++];
            if (c == '"' && peek() == '"') {
                cell += '"';
                ++at;
            } else if (c == '"') {
                return cell;
            } else {
                line += c == '\n';
                cell += c;
            }
        }
    }

    // CR LF, LF or a lone CR ends a line.
    void end_line(QString* error)
    {
        if (peek() == '\r' || peek() == '\n') {
            at += text.midRef(at, 2) == "\r\n" ? 2 : 1;
            ++line;
        } else if (at < text.size()) {
            *error = QString("line %1: text after a quoted cell").arg(line);
        }
    }

    QChar peek() const { return at < text.size() ? text[at] : QChar(); }

    const QString& text;
    int at = 0;
    int line = 1;
};

} // namespace

QString ORB_CsvTable::cell_text(const QString& value)
{
    const QString guarded = starts_formula(value) ? "'" + value : value;
    if (!guarded.contains('"') && !guarded.contains(',') && !guarded.contains('\r') && !guarded.contains('\n'))
        return guarded;
    return '"' + QString(guarded).replace('"', "\"\"") + '"';
}

QByteArray ORB_CsvTable::write(const QStringList& header, const Rows& rows)
{
    QString text = line_of(header);
    for (const QStringList& row : rows)
        text += line_of(row);
    return BYTE_ORDER_MARK + text.toUtf8();
}

ORB_CsvTable::Rows ORB_CsvTable::read(const QByteArray& bytes, QString* error)
{
    error->clear();
    if (bytes.size() > MAX_BYTES) {
        *error = QString("the file is larger than %1 MiB").arg(MAX_BYTES / (1024 * 1024));
        return {};
    }
    const QByteArray body = bytes.startsWith(BYTE_ORDER_MARK) ? bytes.mid(BYTE_ORDER_MARK.size()) : bytes;
    // The mark was taken off above; a second one is text, kept as it is.
    QTextCodec::ConverterState state(QTextCodec::IgnoreHeader);
    const QString text = QTextCodec::codecForName("UTF-8")->toUnicode(body.constData(), body.size(), &state);
    if (state.invalidChars > 0) {
        *error = "the file is not UTF-8 text";
        return {};
    }
    return CsvReader(text).rows(error);
}
