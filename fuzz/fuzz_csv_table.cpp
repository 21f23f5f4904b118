// Arbitrary files through the CSV reader, and every table it reads through
// the writer and back: the cells must come back as written (guarded against
// formulas), whatever quotes, commas and line ends they hold.

#include "codec/csv_table.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// What a table reads back as after writing: guarded cells, blank lines gone.
ORB_CsvTable::Rows as_written(const ORB_CsvTable::Rows& rows)
{
    ORB_CsvTable::Rows expected;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row)
            cells.append(cell.isEmpty() || !QString("=+-@\t\r").contains(cell.front()) ? cell : "'" + cell);
        if (!(cells.size() == 1 && cells[0].isEmpty()))
            expected.append(cells);
    }
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QString error;
    const ORB_CsvTable::Rows rows =
        ORB_CsvTable::read(QByteArray(reinterpret_cast<const char*>(data), int(size)), &error);
    if (rows.isEmpty())
        return 0;
    const QByteArray file = ORB_CsvTable::write(rows.first(), rows.mid(1));
    if (ORB_CsvTable::read(file, &error) != as_written(rows) || !error.isEmpty())
        std::abort();
    return 0;
}
