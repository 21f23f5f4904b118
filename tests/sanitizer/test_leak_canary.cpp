// Shows that the sanitizer build's leak detection is live: this test leaks a
// cJSON object on purpose from inside a QtTest slot, so that Qt frames are on
// its stack as on every other test's. It is registered as expected to fail,
// and expect-leak-report.sh fails it only for the leak report naming
// leak_on_purpose.

#include <QTest>

#include <cjson/cJSON.h>

namespace {

__attribute__((noinline)) void leak_on_purpose()
{
    cJSON* forgotten = cJSON_CreateObject();
    cJSON_AddStringToObject(forgotten, "never", "deleted");
}

} // namespace

class TestLeakCanary : public QObject
{
    Q_OBJECT

private slots:
    void leaksOneDocument()
    {
        leak_on_purpose();
    }
};

QTEST_GUILESS_MAIN(TestLeakCanary)
#include "test_leak_canary.moc"
