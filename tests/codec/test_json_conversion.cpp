// Outside JSON text turned into Qt's JSON classes: duplicate members, text in
// other encodings, numbers and trailing text.

#include "codec/cjson_util.h"
#include "codec/secret_masking.h"

#include <QJsonDocument>
#include <QTest>

class TestJsonConversion : public QObject
{
    Q_OBJECT

private slots:
    void firstOfDuplicateMembersWins()
    {
        // Qt's own parser keeps the last and leaks the values it drops.
        const QJsonObject object = qjson_object_from_text(
            R"({"data":{"login":"success"},"data":{"login":"fail"},"list":[{"a":1,"a":[2]}],"list":3})");
        QCOMPARE(QJsonDocument(object).toJson(QJsonDocument::Compact),
                 QByteArray(R"({"data":{"login":"success"},"list":[{"a":1}]})"));
    }

    void valuesKeepTheirTypes()
    {
        // A number out of range becomes null, as cJSON prints it.
        QCOMPARE(qjson_object_from_text(R"({"n":-12.5,"big":1e400,"t":true,"f":false,"z":null,)"
                                        R"("s":"Pässwörd1","e":{}})"),
                 (QJsonObject{{"n", -12.5}, {"big", QJsonValue::Null}, {"t", true}, {"f", false},
                              {"z", QJsonValue::Null}, {"s", QString::fromUtf8("Pässwörd1")}, {"e", QJsonObject()}}));
    }

    void otherEncodingsAreCarriedWithReplacementCharacters()
    {
        // "交换机" in GBK, as older switches report their state.
        const QJsonObject object = qjson_object_from_text("{\"active\":\"\xbd\xbb\xbb\xbb\xbb\xfa\",\"ip\":\"1\"}");
        QCOMPARE(object["ip"].toString(), QString("1"));
        QVERIFY(object["active"].toString().contains(QChar::ReplacementCharacter));
    }

    void onlyAWholeObjectConverts()
    {
        for (const char* text : {R"({"a":1} trailing)", "[1,2]", "", R"({"a":)"})
            QVERIFY2(qjson_object_from_text(text).isEmpty(), text);
        QCOMPARE(qjson_object_from_text(" {\"a\":1}\r\n")["a"].toInt(), 1);
        // A line of a larger buffer ends at its size, with no terminator.
        QCOMPARE(qjson_object_from_text(QByteArray::fromRawData("{\"a\":true}X", 10))["a"].toBool(), true);
    }

    void secretsAreMaskedForTheLog()
    {
        QCOMPARE(mask_secrets(R"({"passwd":["admin123",7],"x":{"password":12,"list":[{"secretKey":"k"}]},"v":"a"})"),
                 QByteArray(R"({"passwd":["***","***"],"x":{"password":"***","list":[{"secretKey":"***"}]},"v":"a"})"));
        QCOMPARE(mask_secrets(R"({"password":"x" broken)"), QByteArray("<22 bytes, not JSON>"));
    }
};

QTEST_GUILESS_MAIN(TestJsonConversion)
#include "test_json_conversion.moc"
