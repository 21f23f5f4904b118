#include "page_driver.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>

#include <memory>
#include <stdexcept>

namespace {

constexpr int ANSWER_MS = 10000;
constexpr int POLL_MS = 100;
constexpr int CONSOLE_LINES = 20;
// The member a script's result carries when it threw.
const QString THREW = QStringLiteral("pageDriverThrew");

QStringList& console_lines()
{
    static QStringList lines;
    return lines;
}

QtMessageHandler earlier_handler = nullptr;

// The web view logs the page's console in the "js" category: the last lines
// are kept for a failure's message, and everything goes on as before.
void keep_console_line(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category && qstrcmp(context.category, "js") == 0) {
        console_lines().append(message);
        if (console_lines().size() > CONSOLE_LINES)
            console_lines().removeFirst();
    }
    earlier_handler(type, context, message);
}

QString threw_text(const QVariant& value)
{
    return value.type() == QVariant::Map ? value.toMap().value(THREW).toString() : QString();
}

} // namespace

QString PageDriver::quoted(const QString& text)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact)).mid(1).chopped(1);
}

PageDriver::PageDriver(QWebEnginePage* page) : page(page)
{
    if (!earlier_handler)
        earlier_handler = qInstallMessageHandler(keep_console_line);
}

QVariant PageDriver::answer(const QString& script, bool* answered)
{
    // Shared with the callback: a result that comes after the wait gave up
    // must not write into a call that has returned.
    auto result = std::make_shared<std::pair<bool, QVariant>>(false, QVariant());
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    // A try statement's value is that of its block, so statements keep
    // giving their value; what they throw comes back as a marked object.
    const QString guarded = "try {\n" + script + "\n} catch (e) { ({" + THREW + ": String((e && e.stack) || e)}) }";
    page->runJavaScript(guarded, [result, waiting](const QVariant& value) {
        *result = {true, value};
        if (waiting)
            waiting->quit();
    });
    QTimer::singleShot(ANSWER_MS, &loop, &QEventLoop::quit);
    if (!result->first)
        loop.exec();
    *answered = result->first;
    return result->second;
}

QVariant PageDriver::run(const QString& script)
{
    bool answered = false;
    const QVariant value = answer(script, &answered);
    if (!answered)
        fail(script, QString("the page did not answer within %1 ms").arg(ANSWER_MS));
    if (const QString threw = threw_text(value); !threw.isEmpty())
        fail(script, "the script threw " + threw);
    return value;
}

bool PageDriver::wait_for(const QString& expression, int timeout_ms)
{
    // While the page builds what the expression looks at, it may throw:
    // that counts as not yet, and is told if it never comes true.
    QString last = "no answer";
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeout_ms) {
        bool answered = false;
        const QVariant value = answer("Boolean(" + expression + ")", &answered);
        if (answered && value.toBool() && value.type() == QVariant::Bool)
            return true;
        last = !answered ? "no answer" : threw_text(value).isEmpty() ? "false" : "it threw " + threw_text(value);
        QEventLoop pause;
        QTimer::singleShot(POLL_MS, &pause, &QEventLoop::quit);
        pause.exec();
    }
    qWarning().noquote() << QString("waited %1 ms for: %2\nlast: %3\npage console:\n  %4")
                                .arg(timeout_ms)
                                .arg(expression, last, console_lines().join("\n  "));
    return false;
}

QVariant PageDriver::on_element(const QString& selector, const QString& action)
{
    return run(QString("(() => { const e = document.querySelector(%1);"
                       " if (!e) throw new Error('nothing matches ' + %1); return %2; })()")
                   .arg(quoted(selector), action));
}

QString PageDriver::text(const QString& selector)
{
    return on_element(selector, "e.textContent").toString();
}

void PageDriver::click(const QString& selector)
{
    on_element(selector, "(e.click(), true)");
}

void PageDriver::type(const QString& id, const QString& text, const QString& event)
{
    run(QString("(() => { const f = document.getElementById(%1); f.value = %2;"
                " f.dispatchEvent(new Event(%3)); return true; })()")
            .arg(quoted(id), quoted(text), quoted(event)));
}

void PageDriver::fail(const QString& script, const QString& what)
{
    const QString message =
        QString("page script failed: %1\nscript:\n%2\npage console:\n  %3").arg(what, script, console_lines().join("\n  "));
    if (QTest::currentTestFunction())
        QTest::qFail(qPrintable(message), __FILE__, __LINE__);
    // Stops the test function here: what it checks next would check nothing.
    throw std::runtime_error(message.toStdString());
}
