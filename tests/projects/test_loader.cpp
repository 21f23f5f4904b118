// The project file loader on real files in a scratch working folder.

#include "projects/orb_loader.h"
#include "projects/whole_file.h"
#include "tests/support/scratch_filesystem.h"
#include "tests/support/test_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The device list as Qt writes it (sorted keys, four-space indentation), from
// comma-separated values.
QByteArray device_list(const QString& active, const QString& ip, const QString& mac, const QString& model,
                       const QString& passwd, const QString& sn)
{
    const QVariantMap arrays = {{"active", active}, {"ip", ip},         {"mac", mac},
                                {"model", model},   {"passwd", passwd}, {"sn", sn}};
    QJsonObject list;
    for (auto it = arrays.begin(); it != arrays.end(); ++it)
        list.insert(it.key(), QJsonArray::fromStringList(it.value().toString().split(',', Qt::SkipEmptyParts)));
    return QJsonDocument(list).toJson();
}

} // namespace

class TestLoader : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void deviceListFormat()
    {
        const QString list_path = dir.filePath("device_info.json");
        ORB_Loader loader;
        QVERIFY(loader.reset_device_info(list_path));
        QCOMPARE(read_file(list_path), device_list("", "", "", "", "", ""));

        QVERIFY(loader.add_device("10.0.0.1", "A", "m1", "GS2408P", "p1", list_path));
        QVERIFY(loader.add_device("10.0.0.2", "B", "m2", "GS2410M", "Pässwörd", list_path));
        QVERIFY(loader.add_device("10.0.0.9", "A", "m1", "GS2408P", "p9", list_path));
        // A repeated switch is recorded once, at the end, with its latest values.
        const QByteArray two = read_file(list_path);
        QCOMPARE(two, device_list("", "10.0.0.2,10.0.0.9", "m2,m1", "GS2410M,GS2408P", "Pässwörd,p9", "B,A"));

        QVERIFY(!loader.remove_device(-1, list_path));
        QVERIFY(!loader.remove_device(2, list_path));
        QCOMPARE(read_file(list_path), two);
        QVERIFY(loader.remove_device(0, list_path));
        QCOMPARE(read_file(list_path), device_list("", "10.0.0.9", "m1", "GS2408P", "p9", "A"));
    }

    // A file said written is whole: a write cut short (over the 16 KiB
    // buffer) or a flush that fails (under it) leaves the older file as it
    // was, nothing half-written beside it, and the system's reason.
    void aFileIsWrittenWholeOrNotAtAll()
    {
        ScratchFilesystem small(dir.filePath("whole"), 64 * 1024);
        QVERIFY2(small.is_mounted(), "needs a private mount namespace (tools/isolated-lan.sh)");
        const QString path = small.path() + "/list.csv";
        QCOMPARE(ORB_WholeFile::write(path, "older\r\n"), QString());
        for (const int size : {40 * 1024, 6 * 1024}) {
            small.leave_free(size == 40 * 1024 ? 16 * 1024 : 0);
            QCOMPARE(ORB_WholeFile::write(path, QByteArray(size, 'z')), QString("No space left on device"));
            QCOMPARE(read_file(path), QByteArray("older\r\n"));
            QCOMPARE(QDir(small.path()).entryList(QDir::Files), QStringList({"filler", "list.csv"}));
            QFile::remove(small.path() + "/filler");
        }
        QCOMPARE(ORB_WholeFile::write(path, QByteArray(40 * 1024, 'z')), QString());
        QCOMPARE(QFileInfo(path).size(), 40 * 1024);
    }
};

QTEST_GUILESS_MAIN(TestLoader)
#include "test_loader.moc"
