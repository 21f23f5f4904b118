// Arbitrary file contents through the loader, as the program reads them from
// config/. The first byte picks the file: a project file (its switches read
// and their stored passwords decoded), or the per-run device list, which is
// read back, added to and removed from as a login and a removal do.

#include "projects/device_records.h"
#include "projects/orb_loader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

QTemporaryDir* folder;

void read_project(ORB_Loader& loader, const QString& path)
{
    loader.load_file(path);
    const CJsonPtr document(loader.config_root());
    QVector<ORB_DeviceRecord> records;
    read_device_records(document.get(), &records);
    for (const ORB_DeviceRecord& record : records)
        decode_stored_password(record.passwd);
}

void update_device_list(ORB_Loader& loader, const QString& path)
{
    loader.load_file(path);
    loader.to_json_object(CJsonPtr(loader.config_root()).get());
    loader.add_device("192.168.1.10", "ORB24080001", "00:11:22:33:44:55", "GS2408P", "admin123", path);
    loader.remove_device(0, path);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    qInstallMessageHandler(quiet);
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const QString path = folder->filePath("file.json");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        __builtin_trap();
    file.write(reinterpret_cast<const char*>(data + 1), qint64(size - 1));
    file.close();
    ORB_Loader loader;
    if (data[0] & 1)
        update_device_list(loader, path);
    else
        read_project(loader, path);
    return 0;
}
