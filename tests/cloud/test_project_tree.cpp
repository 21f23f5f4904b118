// The project tree built from the cloud's project list, including the shapes
// a careless or newer service might send.

#include "cloud/project_tree.h"

#include <QTest>

class TestProjectTree : public QObject
{
    Q_OBJECT

private slots:
    void filing_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("tree");
        QTest::newRow("owned and shared")
            << QByteArray(R"({"projects":[{"name":"A","online":1,"permission":0,"pid":"1","total":2,"warn":0},)"
                          R"({"name":"B","online":0,"permission":3,"pid":"2","total":0,"warn":1}]})")
            << QByteArray(R"({"admin":[{"name":"A","online":1,"permission":0,"pid":"1","total":2,"warn":0}],)"
                          R"("join":[{"name":"B","online":0,"permission":3,"pid":"2","total":0,"warn":1}]})");
        QTest::newRow("empty devices")
            << QByteArray(R"({"projects":[{"name":"A","online":0,"permission":0,"pid":"1","total":0,"warn":0,"devices":[]}]})")
            << QByteArray(R"({"admin":[{"name":"A","online":0,"permission":0,"pid":"1","total":0,"warn":0,)"
                          R"("devices":{"online":[],"offline":[]}}],"join":[]})");
        QTest::newRow("online only for the number 1")
            << QByteArray(R"({"projects":[{"pid":"1","devices":[{"sn":"a","online":1,"sysVer":"V1"},)"
                          R"({"sn":"b","online":2},{"sn":"c","online":"1","sysVer":7},{"sn":"d"}]}]})")
            << QByteArray(R"({"admin":[{"name":"","online":0,"permission":0,"pid":"1","total":0,"warn":0,"devices":{)"
                          R"("online":[{"baseModel":"","mac":"","model":"","name":"","online":1,"sn":"a","V":"V1"}],)"
                          R"("offline":[{"baseModel":"","mac":"","model":"","name":"","online":2,"sn":"b"},)"
                          R"({"baseModel":"","mac":"","model":"","name":"","online":0,"sn":"c"},)"
                          R"({"baseModel":"","mac":"","model":"","name":"","online":0,"sn":"d"}]}}],"join":[]})");
        QTest::newRow("no projects") << QByteArray(R"({"total":0})") << QByteArray(R"({"admin":[],"join":[]})");
        QTest::newRow("projects not an array")
            << QByteArray(R"({"projects":{"pid":"1"}})") << QByteArray(R"({"admin":[],"join":[]})");
        QTest::newRow("mistyped members")
            << QByteArray(R"({"projects":[7,{"name":5,"pid":null,"permission":"1","devices":{"sn":"x"}}]})")
            << QByteArray(R"({"admin":[{"name":"","online":0,"permission":0,"pid":"","total":0,"warn":0},)"
                          R"({"name":"","online":0,"permission":0,"pid":"","total":0,"warn":0}],"join":[]})");
    }

    void filing()
    {
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, tree);
        const CJsonPtr parsed(cJSON_Parse(reply.constData()));
        QCOMPARE(cjson_print(build_project_tree(parsed.get()).get()), tree);
    }
};

QTEST_APPLESS_MAIN(TestProjectTree)
#include "test_project_tree.moc"
